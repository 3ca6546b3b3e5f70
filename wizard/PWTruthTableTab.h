#ifndef PWTRUTHTABLETAB_H
#define PWTRUTHTABLETAB_H

#include "CVectorColumns.h"
#include "PWEditMarks.h"
#include "PWLogicTab.h"

class LxLibLogicTable;

namespace Ui {
class PWTruthTableTab;
}

// The "Function Truth Table" tab: the one truth table of the current logic
// part, a row per state and a column per control signal. The rows live in the
// table until the tab, the part or the page is left, or the model is saved.
class PWTruthTableTab : public PWLogicTab
{
    Q_OBJECT
public:
    PWTruthTableTab(PWWizardContext* context, QWidget* parent);
    ~PWTruthTableTab() override;

    Ui::PWTruthTableTab* form() const { return m_ui; }
    LxLibLogicTable* table() const;

    void storeTab(int part) override;
    void showTab(int part) override;
    void clearTab() override;
    void logicPartRemoved(int part) override;
    QList<int> partMarks(int part) const override { return {m_marks.mark(part)}; }
    void logicPartInserted(int part, const QList<int>& marks) override;

    // Fills the table from the part's truth table; false when the part has no
    // control signals to make columns of.
    bool showTruthTable(int part);
    // Replaces the part's truth table by the rows: an empty cell is stored as
    // "X", a row of "X" only after the user was asked.
    void storeTruthTable(int part);
    // Whether the table holds changes part `part` lacks (1) or they were taken over (2).
    int editMark(int part) const { return m_marks.mark(part); }
    const CVectorColumns& columns() const { return m_columns; }

public slots:
    void slotAddTruthTable();
    void slotDeleteTruthTable();
    void slotAddTrueTableState();
    void slotDelTrueTableState();
    void slotInsertTrueTableState();
    void slotTruthTableCurrentChanged(int row, int col);
    void slotTrueInputTableValueChanged(int row, int col);
    // Ctrl+V: vectors laid over the rows from the current one, checked as if typed.
    void slotPasteVectors(const QString& text);

private:
    int currentPart() const;
    bool editable() const;
    bool hasEntry() const;
    bool buildColumns(int part);
    // Shows the list entry and the table page, or neither, with the buttons to match.
    void showEntry(bool present);
    void insertStateRows(int row, int count);
    void setRowVector(int row, const QString& vector);
    QString rowVector(int row) const;
    bool addRowAllowed();
    void markEdited();

    Ui::PWTruthTableTab* m_ui;
    // Position: logic part.
    PWEditMarks m_marks;
    CVectorColumns m_columns;
    // The part whose truth table the widgets hold, -1 when none.
    int m_shownPart = -1;
};

#endif
