#ifndef PWTABLETEXT_H
#define PWTABLETEXT_H

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Rows of a table as text: what Ctrl+C puts on the clipboard and what Ctrl+V
// accepts from a spreadsheet, a datasheet table or another Partwright table.
namespace PWTableText {

struct Row
{
    int line = 0; // 1-based line of the block the row came from
    QStringList fields;
};

// Tab-separated when any line holds a tab, else comma-separated; a field may be
// quoted ("a, b" and "" for a quote). Fields are trimmed, blank lines skipped.
QList<Row> parse(const QString& text);
// Tab-separated lines; fields holding a tab, a line break or a quote are quoted.
QString format(const QList<QStringList>& rows);

// Checks the cells a pasted row would leave in table row `row` (appended rows
// have row == table.size()); may put the cells into their canonical form.
// Returns the reason for refusing the row, empty to accept it. planPaste calls
// it once per pasted row, in order, and takes exactly the rows it accepts, so a
// check may keep count of the rows taken instead of searching the table.
using RowCheck = std::function<QString(QStringList& cells, int row, const QList<QStringList>& table)>;

struct Plan
{
    QList<int> rows;            // table row of each accepted row, ascending
    QList<QStringList> cells;   // its complete cells
    QStringList problems;       // "Row N: reason" for each refused row
    int pastedRows = 0;         // rows in the block, a header row not counted
};

// Lays the block over the table from (startRow, startCol): rows inside the
// table are overwritten in place, rows beyond it appended without gaps, each
// checked against the table as it stands with the rows accepted before it.
// A first row that repeats the column labels is taken as a header and skipped.
Plan planPaste(const QList<QStringList>& table, int columns, int startRow, int startCol, const QString& text,
               const QStringList& labels, const RowCheck& check);

// The one message that lists the refused rows, at most `shown` of them.
QString problemReport(const Plan& plan, int shown = 20);

} // namespace PWTableText

#endif
