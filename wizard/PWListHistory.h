#ifndef PWLISTHISTORY_H
#define PWLISTHISTORY_H

#include <QList>
#include <QObject>
#include <QUndoStack>

class LxUndoBinding;
class PWListStep;
class PWWizardContext;
class QMenu;
class QWidget;

// The history of the whole-item steps (add, rename, delete) of one page's
// lists. It outlives switching items and leaving the page, since the steps
// hold the items themselves and not the widgets; a new or loaded model clears
// it. An undo or redo that a rule refuses shows the rule's message and leaves
// the history as it was.
class PWListHistory : public QObject
{
    Q_OBJECT
public:
    PWListHistory(PWWizardContext* context, QObject* parent = nullptr);

    // Runs the step and keeps it.
    void push(PWListStep* step);
    bool canUndo() const { return m_stack.canUndo(); }
    bool canRedo() const { return m_stack.canRedo(); }
    int count() const { return m_stack.count(); }
    int index() const { return m_stack.index(); }
    void clear() { m_stack.clear(); }

    // Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y while the focus is in the list.
    void bind(QWidget* list);
    // A separator, then "Undo" and "Redo", at the end of a list's context menu.
    void appendTo(QMenu* menu) const;

public slots:
    // False when there was nothing to undo or a rule refused it.
    bool undo();
    bool redo();

private:
    PWWizardContext* m_context;
    QUndoStack m_stack;
    // One per list; any of them takes the steps back.
    QList<LxUndoBinding*> m_bindings;
};

#endif
