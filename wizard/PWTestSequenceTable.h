#ifndef PWTESTSEQUENCETABLE_H
#define PWTESTSEQUENCETABLE_H

#include "CLogicDiagnose.h"
#include "CVectorColumns.h"

#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

class CLogicData;
class CTestSequences;
class LxLibTable;

// One stuck-at rule of a vector's diagnostic, as the diagnostics table edits it.
struct PWDiagnoseRule
{
    int signalType = 0;
    int bit = -1;
    int stuckAt = 0;
    bool operator==(const PWDiagnoseRule& o) const
    {
        return signalType == o.signalType && bit == o.bit && stuckAt == o.stuckAt;
    }
};
using PWDiagnoseRules = QList<PWDiagnoseRule>;
Q_DECLARE_METATYPE(PWDiagnoseRules)

// The statement rows of tbTestSequenceTable: the columns built from a logic
// part's signal index, the rows of each statement kind, and the conversion of
// the rows to and from a test sequence of the device model.
//
// Column 0 names the row kind, then one column per control signal (highest
// bit first), the time/counter column and the Option column. A vector row's
// Option cell is a check box: checked, the vector has diagnostics, whose rules
// the cell carries, so they move, go and come back with their row.
class PWTestSequenceTable
{
public:
    // Row kinds, read from column 0; the codes of CLogicDiagnose's row kinds.
    enum RowKind {
        OtherRow = CLogicDiagnose::OtherRow, VectorRow = CLogicDiagnose::VectorRow,
        RepeatRow = CLogicDiagnose::RepeatRow, EndRow = CLogicDiagnose::EndRow, WaitRow = CLogicDiagnose::WaitRow
    };
    // What the row buttons add.
    enum StatementKind { NoStatement = 0, VectorStatement = 1, RepeatStatement = 2, WaitStatement = 3 };

    explicit PWTestSequenceTable(LxLibTable* table);

    LxLibTable* table() const { return m_table; }

    static const QStringList& breakModeNames();

    // One column per entry of the index's per-bit control list; the signal
    // types of the columns, in bit order, go to signalTypes. False (and no
    // signal columns) without an index or control signals. The rows stay
    // while the number of columns does, for fill to write over.
    bool buildColumns(const CLogicData* index, QList<int>& signalTypes);
    void clearColumns();
    int signalCount() const { return m_columns.count(); }
    int timeColumn() const { return signalCount() + 1; }
    int optionColumn() const { return signalCount() + 2; }
    bool isSignalColumn(int col) const { return col >= 1 && col <= signalCount(); }
    int columnDirection(int col) const { return isSignalColumn(col) ? m_columns.pinDirection(col - 1) : -1; }
    const CVectorColumns& columns() const { return m_columns; }

    int rowKind(int row) const;
    // Inserts the rows of a new statement at row: one vector or wait row, or a
    // repeat's "Repeat", first vector and "End" rows. Returns the rows added.
    int insertStatement(int row, int kind);
    void setVectorRow(int row, const QString& vector, bool diagnosed = false,
                      const PWDiagnoseRules& rules = PWDiagnoseRules());
    void setWaitRow(int row, const QString& time, const QString& unit);
    void setRepeatRow(int row, const QString& count, int breakMode);
    void setEndRow(int row);

    // The rows of a sequence, with the diagnostics of its rows.
    void fill(const CTestSequences& sequence, const CLogicDiagnoseList* diagnostics);
    // A test sequence named name from the rows; rows receives one diagnostic
    // per table row of the sequence, defined for each checked vector.
    CTestSequences* read(const QString& name, CLogicDiagnoseList& rows) const;

    QString vectorText(int row) const;
    bool isDiagnosed(int row) const;
    void setDiagnosed(int row, bool on);
    PWDiagnoseRules rules(int row) const;
    void setRules(int row, const PWDiagnoseRules& rules);

    // The "Repeat" or "End" row that pairs with row, -1 when there is none.
    int partnerRow(int row) const;
    // Whether row lies between a "Repeat" row and its "End" row.
    bool isInsideRepeat(int row) const;
    // Whether a statement may go in before row; inside a repeat and before
    // its "End" only a vector may (vectorOnly).
    bool mayInsertBefore(int row, bool vectorOnly) const;
    // The rows from first to last with the "Repeat" or "End" rows that pair
    // with them: a repeat goes as a whole, its vectors stay.
    QList<int> withPartners(int first, int last) const;

    // The end of the vector rows from start that pasted vectors write over,
    // and how many of those held a vector other than blank or the new one.
    int pasteEnd(int start, const QStringList& vectors, int* overwritten) const;
    // Writes the vectors over the rows from start to end, keeping their
    // diagnostics, and inserts the rest as new vector rows after them.
    void pasteVectors(int start, int end, const QStringList& vectors);

    // The selected vector rows, one character per cell, tab-separated.
    QString copyText() const;

private:
    // Writes over a vector row's cells; false when the row is not one.
    bool refillVectorRow(int row, const QString& vector, bool diagnosed, const PWDiagnoseRules& rules);
    void setKindCell(int row, int kind);
    void setNeverCells(int row, int fromCol, int toCol);

    LxLibTable* m_table;
    CVectorColumns m_columns;
};

#endif
