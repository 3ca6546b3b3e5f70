#ifndef LXTABLEROWSCOMMAND_H
#define LXTABLEROWSCOMMAND_H

#include "LxUndoCommand.h"

#include <QVariant>

#include <memory>
#include <vector>

class LxLibTable;
class LxTableHistory;
class QTableWidgetItem;

// One step of a table's history: the rows a change touched, as they were and
// as they became, plus whatever state beside the table the editor keeps with
// it (package ids, flags). Undo puts the old rows back in one pass, so a
// block of ten thousand pasted rows goes back as fast as it came.
class LxTableRowsCommand : public LxUndoCommand
{
public:
    struct Row
    {
        // Copies of the cells (null for empty ones) keep kinds, choice lists and checks.
        std::vector<std::unique_ptr<QTableWidgetItem>> cells;
        std::unique_ptr<QTableWidgetItem> header;
        bool readOnly = false;
    };
    using Rows = std::vector<Row>;

    struct State
    {
        Rows rows;
        QVariant extra;
    };

    LxTableRowsCommand(LxTableHistory* history, int first, State before, State after);

    // count rows from first; rows past the end are left out.
    static Rows capture(const LxLibTable* table, int first, int count);
    static bool sameRows(const Rows& a, const Rows& b);

    int firstRow() const { return m_first; }
    const State& before() const { return m_before; }
    const State& after() const { return m_after; }

    void undo() override;
    void redo() override;
    bool check(bool undo) override;

private:
    void apply(int removeCount, const State& state);

    LxTableHistory* m_history;
    int m_first;
    State m_before;
    State m_after;
    // The change is already in the table when the step is pushed.
    bool m_pushed = false;
};

#endif
