#include "PWListHistory.h"

#include "PWListStep.h"
#include "PWWizardContext.h"
#include "PartwrightDlg.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QStyle>
#include <QWidget>

namespace {

QIcon standardIcon(const char* themeName, QStyle::StandardPixmap fallback)
{
    return QIcon::fromTheme(QString::fromLatin1(themeName), QApplication::style()->standardIcon(fallback));
}

} // namespace

PWListHistory::PWListHistory(PWWizardContext* context, QObject* parent) : QObject(parent), m_context(context) {}

void PWListHistory::push(PWListStep* step) { m_stack.push(step); }

bool PWListHistory::allowed(int index, bool undo) const
{
    const auto* step = static_cast<const PWListStep*>(m_stack.command(index));
    const QString refusal = step ? step->refusal(undo) : QString();
    if (refusal.isEmpty())
        return step != nullptr;
    m_context->showInformation(refusal);
    return false;
}

bool PWListHistory::undo()
{
    if (!m_stack.canUndo() || !allowed(m_stack.index() - 1, true))
        return false;
    m_stack.undo();
    return true;
}

bool PWListHistory::redo()
{
    if (!m_stack.canRedo() || !allowed(m_stack.index(), false))
        return false;
    m_stack.redo();
    return true;
}

void PWListHistory::bind(QWidget* list)
{
    const auto addShortcuts = [this, list](const QList<QKeySequence>& keys, bool (PWListHistory::*step)()) {
        auto* action = new QAction(list);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WidgetShortcut);
        connect(action, &QAction::triggered, this, step);
        list->addAction(action);
    };
    addShortcuts({QKeySequence::Undo}, &PWListHistory::undo);
    addShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
                 &PWListHistory::redo);
}

void PWListHistory::appendTo(QMenu* menu)
{
    if (!menu)
        return;
    menu->addSeparator();
    menu->addAction(standardIcon("edit-undo", QStyle::SP_ArrowBack), PartwrightDlg::tr("Undo"), this,
                    &PWListHistory::undo)
        ->setEnabled(canUndo());
    menu->addAction(standardIcon("edit-redo", QStyle::SP_ArrowForward), PartwrightDlg::tr("Redo"), this,
                    &PWListHistory::redo)
        ->setEnabled(canRedo());
}
