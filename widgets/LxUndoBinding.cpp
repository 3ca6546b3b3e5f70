#include "LxUndoBinding.h"

#include "LxUndoCommand.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QMenu>
#include <QStyle>
#include <QUndoStack>
#include <QWidget>

namespace {

QIcon themeIcon(const char* name, QStyle::StandardPixmap fallback, const QWidget* owner)
{
    return QIcon::fromTheme(QString::fromLatin1(name), owner->style()->standardIcon(fallback, nullptr, owner));
}

} // namespace

LxUndoBinding::LxUndoBinding(QWidget* owner, QUndoStack* stack, Qt::ShortcutContext context)
    : QObject(owner), m_stack(stack ? stack : new QUndoStack(this)), m_ownsStack(!stack)
{
    m_undo = new QAction(themeIcon("edit-undo", QStyle::SP_ArrowBack, owner), tr("Undo"), this);
    m_undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redo = new QAction(themeIcon("edit-redo", QStyle::SP_ArrowForward, owner), tr("Redo"), this);
    m_redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    for (QAction* action : {m_undo, m_redo}) {
        action->setShortcutContext(context);
        owner->addAction(action);
    }
    m_undo->setEnabled(m_stack->canUndo());
    m_redo->setEnabled(m_stack->canRedo());
    connect(m_stack, &QUndoStack::canUndoChanged, m_undo, &QAction::setEnabled);
    connect(m_stack, &QUndoStack::canRedoChanged, m_redo, &QAction::setEnabled);
    connect(m_undo, &QAction::triggered, this, &LxUndoBinding::undo);
    connect(m_redo, &QAction::triggered, this, &LxUndoBinding::redo);
}

LxUndoBinding::~LxUndoBinding()
{
    // A stack says it became clean as it dies; its listeners are widgets being torn down by then.
    if (m_ownsStack)
        m_stack->blockSignals(true);
}

void LxUndoBinding::appendTo(QMenu* menu) const
{
    if (!menu)
        return;
    menu->addSeparator();
    menu->addAction(m_undo);
    menu->addAction(m_redo);
}

bool LxUndoBinding::undo()
{
    if (!m_stack->canUndo())
        return false;
    // command() gives const access only; the stack owns the step and lets it change.
    auto* step = dynamic_cast<LxUndoCommand*>(const_cast<QUndoCommand*>(m_stack->command(m_stack->index() - 1)));
    if (step && !step->check(true))
        return false;
    m_stack->undo();
    return true;
}

bool LxUndoBinding::redo()
{
    if (!m_stack->canRedo())
        return false;
    auto* step = dynamic_cast<LxUndoCommand*>(const_cast<QUndoCommand*>(m_stack->command(m_stack->index())));
    if (step && !step->check(false))
        return false;
    m_stack->redo();
    return true;
}
