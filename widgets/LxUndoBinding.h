#ifndef LXUNDOBINDING_H
#define LXUNDOBINDING_H

#include <QObject>

class QAction;
class QMenu;
class QUndoStack;
class QWidget;

// Binds a history (QUndoStack) to a widget subtree.
//
//   LxUndoBinding(owner, stack = nullptr, context = Qt::WidgetWithChildrenShortcut)
//     Puts an "Undo" action (Ctrl+Z) and a "Redo" action (Ctrl+Shift+Z, Ctrl+Y)
//     on owner. Without a stack the binding makes one, a child of itself.
//     The binding is a child of owner and goes with it.
//   stack(), undoAction(), redoAction()
//   appendTo(menu)  adds a separator, then "Undo" and "Redo", to a context menu;
//                   the entries are enabled as the stack allows.
//   undo(), redo()  what the actions do: a step derived from LxUndoCommand is
//                   asked check() first; false if nothing happened.
//
// Which stack a key reaches: with the default context the shortcuts work while
// the focus is on owner or any widget inside it. Two owners must therefore not
// contain one another (Qt calls such a key ambiguous and neither fires): bind
// a page's list to the list widget and the item's table to the table, never
// to the page around both. A cell editor or line edit with the focus keeps
// Ctrl+Z for its own text.
class LxUndoBinding : public QObject
{
    Q_OBJECT

public:
    explicit LxUndoBinding(QWidget* owner, QUndoStack* stack = nullptr,
                           Qt::ShortcutContext context = Qt::WidgetWithChildrenShortcut);
    ~LxUndoBinding() override;

    QUndoStack* stack() const { return m_stack; }
    QAction* undoAction() const { return m_undo; }
    QAction* redoAction() const { return m_redo; }

    void appendTo(QMenu* menu) const;

public slots:
    bool undo();
    bool redo();

private:
    QUndoStack* m_stack;
    // A shared stack may be gone before this binding; only an own one is touched on the way out.
    bool m_ownsStack;
    QAction* m_undo;
    QAction* m_redo;
};

#endif
