#include "GuiScript.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

GuiScript::GuiScript()
{
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, &GuiScript::tick);
    m_timer.start();
}

void GuiScript::answerMessageBox(const QString& buttonText)
{
    add(QStringLiteral("answer ") + buttonText, [this, buttonText] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return false;
        for (QAbstractButton* b : box->buttons()) {
            if (b->text().remove(QLatin1Char('&')) == buttonText) {
                m_messages << box->text();
                QMetaObject::invokeMethod(b, &QAbstractButton::click, Qt::QueuedConnection);
                return true;
            }
        }
        return false;
    });
}

QList<QWidget*> GuiScript::wizards()
{
    QList<QWidget*> list;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && qstrcmp(w->metaObject()->className(), "PartwrightDlg") == 0)
            list << w;
    return list;
}

void GuiScript::tick()
{
    if (!m_steps.isEmpty() && m_steps.first().step())
        m_steps.removeFirst();
}
