#ifndef GUISCRIPT_H
#define GUISCRIPT_H

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <functional>

// Drives modal loops from the outside: a queue of steps, each retried every few
// milliseconds until it reports done. Used where the code under test runs its
// own event loop (the launcher's polling, message boxes inside the plug-in).
class GuiScript : public QObject
{
public:
    using Step = std::function<bool()>;

    GuiScript()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (!m_steps.isEmpty() && m_steps.first().second())
                m_steps.removeFirst();
        });
        m_timer.start(10);
    }
    void add(const QString& what, Step step) { m_steps.append({what, std::move(step)}); }
    // Adds a step that clicks the named button of the active message box.
    void answerMessageBox(const QString& buttonText)
    {
        add("answer " + buttonText, [this, buttonText] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            for (QAbstractButton* b : box ? box->buttons() : QList<QAbstractButton*>()) {
                if (b->text().remove('&') == buttonText) {
                    m_messages << box->text();
                    QMetaObject::invokeMethod(b, &QAbstractButton::click, Qt::QueuedConnection);
                    return true;
                }
            }
            return false;
        });
    }
    bool finished() const { return m_steps.isEmpty(); }
    // The step that never completed, if any.
    QString pending() const { return m_steps.isEmpty() ? QString() : m_steps.first().first; }
    // Texts of the message boxes answered, in order.
    const QStringList& messages() const { return m_messages; }

    // The visible top-level wizards (by class name, across library copies).
    static QList<QWidget*> wizards()
    {
        QList<QWidget*> list;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && qstrcmp(w->metaObject()->className(), "PartwrightDlg") == 0)
                list << w;
        return list;
    }
    // The one visible wizard; null while there is none or more than one.
    static QWidget* onlyWizard()
    {
        const QList<QWidget*> list = wizards();
        return list.size() == 1 ? list.first() : nullptr;
    }

private:
    QTimer m_timer;
    QList<QPair<QString, Step>> m_steps;
    QStringList m_messages;
};

#endif
