#include "PWTablePaste.h"

#include "LxLibTable.h"
#include "LxTableHistory.h"
#include "PWWizardContext.h"
#include "PartwrightDlg.h"

#include <QSignalBlocker>

namespace {

bool isBlank(const QStringList& cells)
{
    for (const QString& c : cells) {
        if (!c.isEmpty())
            return false;
    }
    return true;
}

QStringList labels(const LxLibTable* table)
{
    QStringList texts;
    for (int c = 0; c < table->numCols(); ++c) {
        const QTableWidgetItem* header = table->horizontalHeaderItem(c);
        texts.append(header ? header->text() : QString());
    }
    return texts;
}

} // namespace

bool PWTablePaste::hasRows(const PWWizardContext& context, bool anything)
{
    if (!anything)
        context.showInformation(PartwrightDlg::tr("There is nothing to paste: the clipboard holds no rows"));
    return anything;
}

bool PWTablePaste::mayOverwrite(const PWWizardContext& context, int overwritten, int startRow)
{
    if (overwritten <= 0)
        return true;
    //: %1 = Number of rows that hold values, %2 = Number of the first pasted row
    const QString question = PartwrightDlg::tr("The pasted rows replace %1 filled rows from row %2.\n"
                                               "Do you want to replace them?");
    return context.askYesNo(question.arg(overwritten).arg(startRow + 1));
}

bool PWTablePaste::paste(LxLibTable* table, const PWWizardContext& context, const QString& text,
                         const PWTableText::RowCheck& check, const RowSetter& setRow, const Review& review)
{
    if (table->isReadOnly())
        return false;
    const QList<QStringList> before = table->tableTexts();
    const int startRow = table->currentRow() < 0 ? table->numRows() : table->currentRow();
    const int startCol = qMax(0, table->currentColumn());
    const std::function<PWTableText::Plan()> makePlan = [&] {
        return PWTableText::planPaste(before, table->numCols(), startRow, startCol, text, labels(table), check);
    };
    PWTableText::Plan plan = makePlan();
    if (!hasRows(context, plan.pastedRows > 0))
        return false;
    if (review && !review(plan, makePlan))
        return false;

    int overwritten = 0;
    for (int i = 0; i < plan.rows.size(); ++i) {
        const int row = plan.rows[i];
        if (row < before.size() && !isBlank(before[row]) && before[row] != plan.cells[i])
            ++overwritten;
    }
    if (!mayOverwrite(context, overwritten, startRow))
        return false;

    if (!plan.rows.isEmpty()) {
        const LxTableHistory::Step step(table, plan.rows.first(), plan.rows.last() - plan.rows.first() + 1);
        const QSignalBlocker block(table);
        table->setUpdatesEnabled(false);
        // Rows are appended without gaps after the last one; one insertion for all is linear.
        if (plan.rows.last() >= table->numRows())
            table->setNumRows(plan.rows.last() + 1);
        for (int i = 0; i < plan.rows.size(); ++i)
            setRow(plan.rows[i], plan.cells[i]);
        table->setUpdatesEnabled(true);
        table->setCurrentCell(plan.rows.last(), startCol);
    }
    if (!plan.problems.isEmpty())
        context.showInformation(PWTableText::problemReport(plan));
    return !plan.rows.isEmpty();
}
