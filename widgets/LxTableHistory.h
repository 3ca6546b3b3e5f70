#ifndef LXTABLEHISTORY_H
#define LXTABLEHISTORY_H

#include "LxTableRowsCommand.h"

#include <QObject>
#include <QVariant>

#include <functional>

class LxLibTable;
class LxUndoBinding;
class QMenu;
class QUndoStack;
class QWidget;

// The history of the item a table shows. LxLibTable::enableHistory() makes one
// (the table then records the user's cell edits, choices, checks, Delete and
// sorting itself); an editor records its row operations with a Step:
//
//   const LxTableHistory::Step step(table, first, count);   // count -1: to the end
//   ... insert, remove, move, paste rows inside that range ...
//
// Everything the rows [first, first + count) held before and hold afterwards
// (the range grows or shrinks by the rows added or removed) becomes one step;
// a change that changed nothing leaves no step. Steps inside a step join it.
// Without a history on the table a Step does nothing.
//
// The editor calls reset() whenever it shows another item: the history starts
// afresh and the table as shown is the stack's clean state, so
// QUndoStack::cleanChanged tells whether the item differs from the model.
class LxTableHistory : public QObject
{
    Q_OBJECT

public:
    class Step
    {
    public:
        Step(LxLibTable* table, int first, int count = 1);
        ~Step();
        Step(const Step&) = delete;
        Step& operator=(const Step&) = delete;

    private:
        LxTableHistory* m_history;
    };

    // While alive, changes to the table are the history's own and not recorded.
    class Restoring
    {
    public:
        explicit Restoring(LxTableHistory* history) : m_history(history) { ++m_history->m_restoring; }
        ~Restoring() { --m_history->m_restoring; }
        Restoring(const Restoring&) = delete;
        Restoring& operator=(const Restoring&) = delete;

    private:
        LxTableHistory* m_history;
    };

    explicit LxTableHistory(LxLibTable* table);

    LxLibTable* table() const { return m_table; }
    QUndoStack* stack() const;
    LxUndoBinding* binding() const { return m_binding; }
    // Adds a separator, "Undo" and "Redo" to a context menu of the table.
    void appendTo(QMenu* menu) const;

    // State beside the table that belongs to the item, taken with every step.
    void setExtraState(std::function<QVariant()> capture, std::function<void(const QVariant&)> restore);
    // A field beside the table whose change is reported once it is made (a
    // combo box's activated): one step from the extra state as the history
    // last had it to the state now. The editor resets the history once the
    // fields show the item, so that the first such change starts from there.
    void recordExtra();
    // Ctrl+Z and the redo keys reach this history from a field beside the table too.
    void bind(QWidget* field);
    // Asked before the extra state of a step is put back; false refuses (the
    // check shows its own message) and the stack stays where it was.
    void setRestoreCheck(std::function<bool(const QVariant&)> check) { m_check = std::move(check); }

    void begin(int first, int count);
    void end();
    bool isRecording() const { return m_depth > 0; }
    bool isRestoring() const { return m_restoring > 0; }

    void reset();
    bool isResetting() const { return m_resetting; }
    // The item as shown went into the model: the stack's clean state moves
    // here, so that an undo from here is an edit again. Like reset(), it is
    // no news for the listeners of cleanChanged: the editor sets its mark.
    void setStored();

    // For LxTableRowsCommand.
    bool mayRestore(const QVariant& extra) const;
    void restoreExtra(const QVariant& extra);
    void showRestored(int first, int count);

signals:
    // After an undo or redo changed the table; editors refit columns and the like.
    void restored(int first, int count);
    // reset() started a fresh history.
    void historyReset();

private:
    LxLibTable* m_table;
    LxUndoBinding* m_binding;
    std::function<QVariant()> m_captureExtra;
    std::function<void(const QVariant&)> m_restoreExtra;
    std::function<bool(const QVariant&)> m_check;
    int m_depth = 0;
    int m_restoring = 0;
    bool m_resetting = false;
    int m_first = 0;
    int m_rowsBefore = 0;
    int m_countBefore = 0;
    LxTableRowsCommand::State m_before;
    // The extra state as the last step, undo, redo or reset left it.
    QVariant m_lastExtra;
};

#endif
