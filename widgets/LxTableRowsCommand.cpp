#include "LxTableRowsCommand.h"

#include "LxLibComboItem.h"
#include "LxLibTable.h"
#include "LxTableHistory.h"

#include <QSignalBlocker>

namespace {

// Editors keep what a cell holds beyond its text in the first user roles (a
// row's kind, a vector's diagnostics).
constexpr int KeptUserRoles = 2;

bool sameCell(const QTableWidgetItem* a, const QTableWidgetItem* b)
{
    if (!a || !b)
        return (!a || a->text().isEmpty()) && (!b || b->text().isEmpty()) && (a ? a->type() : 0) == (b ? b->type() : 0);
    if (a->type() != b->type() || a->text() != b->text() || a->flags() != b->flags()
        || a->data(Qt::CheckStateRole) != b->data(Qt::CheckStateRole))
        return false;
    for (int role = Qt::UserRole; role < Qt::UserRole + KeptUserRoles; ++role)
        if (a->data(role) != b->data(role))
            return false;
    if (a->type() < LxLibTableItem::TextType || a->type() > LxLibTableItem::CheckType)
        return true;
    const auto* la = static_cast<const LxLibTableItem*>(a);
    const auto* lb = static_cast<const LxLibTableItem*>(b);
    if (la->editType() != lb->editType() || la->pinDirection() != lb->pinDirection())
        return false;
    if (a->type() != LxLibTableItem::ComboType)
        return true;
    return static_cast<const LxLibComboItem*>(a)->stringList() == static_cast<const LxLibComboItem*>(b)->stringList();
}

std::unique_ptr<QTableWidgetItem> copyOf(const QTableWidgetItem* item)
{
    return std::unique_ptr<QTableWidgetItem>(item ? item->clone() : nullptr);
}

} // namespace

LxTableRowsCommand::LxTableRowsCommand(LxTableHistory* history, int first, State before, State after)
    : m_history(history), m_first(first), m_before(std::move(before)), m_after(std::move(after))
{
}

LxTableRowsCommand::Rows LxTableRowsCommand::capture(const LxLibTable* table, int first, int count)
{
    Rows rows;
    const int last = qMin(table->rowCount(), first + count);
    if (first < 0 || last <= first)
        return rows;
    rows.resize(static_cast<size_t>(last - first));
    const int cols = table->columnCount();
    for (int r = first; r < last; ++r) {
        Row& row = rows[static_cast<size_t>(r - first)];
        row.cells.reserve(static_cast<size_t>(cols));
        for (int c = 0; c < cols; ++c)
            row.cells.push_back(copyOf(table->item(r, c)));
        row.header = copyOf(table->verticalHeaderItem(r));
        row.readOnly = table->isRowReadOnly(r);
    }
    return rows;
}

bool LxTableRowsCommand::sameRows(const Rows& a, const Rows& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t r = 0; r < a.size(); ++r) {
        const Row& x = a[r];
        const Row& y = b[r];
        if (x.readOnly != y.readOnly || x.cells.size() != y.cells.size() || !sameCell(x.header.get(), y.header.get()))
            return false;
        for (size_t c = 0; c < x.cells.size(); ++c) {
            if (!sameCell(x.cells[c].get(), y.cells[c].get()))
                return false;
        }
    }
    return true;
}

void LxTableRowsCommand::undo() { apply(static_cast<int>(m_after.rows.size()), m_before); }

void LxTableRowsCommand::redo()
{
    if (!m_pushed) {
        m_pushed = true;
        return;
    }
    apply(static_cast<int>(m_before.rows.size()), m_after);
}

bool LxTableRowsCommand::check(bool undo) { return m_history->mayRestore((undo ? m_before : m_after).extra); }

void LxTableRowsCommand::apply(int removeCount, const State& state)
{
    LxLibTable* table = m_history->table();
    const LxTableHistory::Restoring restoring(m_history);
    // An open editor belongs to the rows being replaced.
    if (table->isEditing())
        table->endEdit(table->currentRow(), table->currentColumn(), false, false);
    {
        const QSignalBlocker block(table);
        table->setUpdatesEnabled(false);
        if (removeCount > 0)
            table->model()->removeRows(m_first, removeCount);
        const int count = static_cast<int>(state.rows.size());
        if (count > 0)
            table->model()->insertRows(m_first, count);
        const int cols = table->columnCount();
        for (int i = 0; i < count; ++i) {
            const Row& row = state.rows[static_cast<size_t>(i)];
            const int r = m_first + i;
            for (int c = 0; c < cols && c < static_cast<int>(row.cells.size()); ++c) {
                if (const QTableWidgetItem* cell = row.cells[static_cast<size_t>(c)].get())
                    table->setItem(r, c, cell->clone());
            }
            if (row.header)
                table->setVerticalHeaderItem(r, row.header->clone());
            table->setRowReadOnly(r, row.readOnly);
        }
        table->setUpdatesEnabled(true);
    }
    m_history->restoreExtra(state.extra);
    m_history->showRestored(m_first, static_cast<int>(state.rows.size()));
}
