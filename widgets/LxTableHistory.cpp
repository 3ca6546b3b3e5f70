#include "LxTableHistory.h"

#include "LxLibTable.h"
#include "LxUndoBinding.h"

#include <QUndoStack>

LxTableHistory::LxTableHistory(LxLibTable* table)
    : QObject(table), m_table(table), m_binding(new LxUndoBinding(table))
{
}

QUndoStack* LxTableHistory::stack() const { return m_binding->stack(); }

void LxTableHistory::appendTo(QMenu* menu) const { m_binding->appendTo(menu); }

void LxTableHistory::setExtraState(std::function<QVariant()> capture, std::function<void(const QVariant&)> restore)
{
    m_captureExtra = std::move(capture);
    m_restoreExtra = std::move(restore);
}

void LxTableHistory::recordExtra()
{
    if (m_restoring > 0 || m_depth > 0 || !m_captureExtra)
        return;
    LxTableRowsCommand::State before;
    before.extra = m_lastExtra;
    LxTableRowsCommand::State after;
    after.extra = m_captureExtra();
    m_lastExtra = after.extra;
    if (after.extra != before.extra)
        stack()->push(new LxTableRowsCommand(this, 0, std::move(before), std::move(after)));
}

void LxTableHistory::bind(QWidget* field) { new LxUndoBinding(field, stack()); }

void LxTableHistory::begin(int first, int count)
{
    if (m_restoring > 0 || m_depth++ > 0)
        return;
    m_first = qBound(0, first, m_table->rowCount());
    m_rowsBefore = m_table->rowCount();
    m_countBefore = count < 0 ? m_rowsBefore - m_first : qMin(count, m_rowsBefore - m_first);
    m_before.rows = LxTableRowsCommand::capture(m_table, m_first, m_countBefore);
    m_before.extra = m_captureExtra ? m_captureExtra() : QVariant();
}

void LxTableHistory::end()
{
    if (m_restoring > 0 || m_depth == 0 || --m_depth > 0)
        return;
    LxTableRowsCommand::State after;
    const int countAfter = qMax(0, m_countBefore + m_table->rowCount() - m_rowsBefore);
    after.rows = LxTableRowsCommand::capture(m_table, m_first, countAfter);
    after.extra = m_captureExtra ? m_captureExtra() : QVariant();
    LxTableRowsCommand::State before = std::move(m_before);
    m_before = {};
    m_lastExtra = after.extra;
    if (after.extra == before.extra && LxTableRowsCommand::sameRows(before.rows, after.rows))
        return;
    stack()->push(new LxTableRowsCommand(this, m_first, std::move(before), std::move(after)));
}

void LxTableHistory::reset()
{
    // Clearing a changed history reports it clean: that is about the item left, not the one shown.
    m_resetting = true;
    stack()->clear();
    stack()->setClean();
    m_resetting = false;
    m_lastExtra = m_captureExtra ? m_captureExtra() : QVariant();
    emit historyReset();
}

void LxTableHistory::setStored()
{
    m_resetting = true;
    stack()->setClean();
    m_resetting = false;
}

bool LxTableHistory::mayRestore(const QVariant& extra) const { return !m_check || m_check(extra); }

void LxTableHistory::restoreExtra(const QVariant& extra)
{
    if (m_restoreExtra)
        m_restoreExtra(extra);
    m_lastExtra = extra;
}

void LxTableHistory::showRestored(int first, int count)
{
    const int row = qMin(first, m_table->rowCount() - 1);
    if (row >= 0) {
        m_table->setCurrentCell(row, qMax(0, m_table->currentColumn()));
        m_table->scrollToItem(m_table->item(row, qMax(0, m_table->currentColumn())));
    }
    emit restored(first, count);
}

LxTableHistory::Step::Step(LxLibTable* table, int first, int count)
    : m_history(table ? table->history() : nullptr)
{
    if (m_history)
        m_history->begin(first, count);
}

LxTableHistory::Step::~Step()
{
    if (m_history)
        m_history->end();
}
