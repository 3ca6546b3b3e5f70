#ifndef PWTESTSEQUENCETAB_H
#define PWTESTSEQUENCETAB_H

#include "PWLogicTab.h"
#include "PWUndoableList.h"

#include <memory>

class PWDiagnoseEditor;
class PWTestSequenceTable;
class PWVectorDiagnostics;
class QListWidgetItem;
class QMenu;

namespace Ui {
class PWTestSequenceTab;
}

// The "Test Sequence" tab: the test sequences of the current logic part, one
// edited at a time in tbTestSequenceTable, with the diagnostics of its current
// vector in DiagnoseGBox, until it is taken into the model.
//
// Only the sequence on show can hold edits, so one edit mark (for the part
// and sequence shown) does the work of a mark per position, also for the
// sequences past the 100th that a file may bring.
class PWTestSequenceTab : public PWLogicTab, public PWUndoableList
{
    Q_OBJECT
public:
    static constexpr int MaxTestSequences = 100;

    PWTestSequenceTab(PWWizardContext* context, QWidget* parent);
    ~PWTestSequenceTab() override;

    Ui::PWTestSequenceTab* form() const { return m_ui; }
    PWTestSequenceTable* rows() const { return m_rows.get(); }
    PWDiagnoseEditor* diagnostics() const { return m_diagnose; }

    void storeTab(int part) override;
    void showTab(int part) override;
    void clearTab() override;
    void logicPartRemoved(int part) override;
    void logicPartInserted(int part, const QList<int>& marks) override;

    bool addTestSequence(const QString& name);

    // Sequences leave with their rows and the diagnostics of those rows.
    std::unique_ptr<PWTakenItem> takeItem(int part, int pos) override;
    void putItem(int part, int pos, std::unique_ptr<PWTakenItem> item) override;
    QString refusal(int part, int pos, const QString& name, const PWTakenItem* returning) const override;
    void renameItem(int part, int pos, const QString& name) override;
    void selectItem(int part, int pos) override;

    void deleteTestSequence(int part, int k);
    void storeTestSequence(int part, int k);
    void showTestSequence(int part, int k);
    // Stores the sequence on show when it holds edits.
    void takeOverEdited();
    int currentTestSequence() const;
    bool isEdited() const { return m_edited; }
    // The statement kind the row buttons add, from the radio buttons.
    int statementKind() const;
    void updateEditable();

    QMenu* createListMenu(QListWidgetItem* item);
    QMenu* createTableMenu();

public slots:
    void slotAddTestSequence();
    void slotDeleteTestSequence();
    void slotRenameTestSequence();
    void slotTestSeqListContextMenuRequested(QListWidgetItem* item, const QPoint& pos);
    void slotTestSequenceLBoxSelectionChanged();
    void slotAddVectorVectorTestSequence();
    void slotInsertVectorVectorTestSequence();
    void slotUpVectorVectorTestSequence();
    void slotDownVectorVectorTestSequence();
    void slotDelTestSeqPinDefinition();
    void slotTestSequenceRadioButtonToggled(bool on);
    void slotTestSequenceTableCurrentChanged(int row, int col);
    void slotVectorTestSequenceTableCurrentChanged(int row, int col);
    void slotVectorTestSequenceTableValueChanged(int row, int col);
    void slotTestSequencePopupMenu(int row, int col, const QPoint& pos);
    void slotTestSequenceMenu(int kind);
    void slotDiagnoseCheckBoxClicked(int state);
    // Ctrl+V: vectors from a spreadsheet or another table, checked per column.
    void slotPasteVectors(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int currentPart() const;
    bool readOnly() const;
    void markEdited();
    // The edit mark once either history moved: edited while the sequence
    // table or the diagnostics differ from what was shown.
    void followHistories();
    bool nameUsed(const QString& name) const;
    // The list entry and what shows the sequence follow a sequence gone from the model.
    void removeEntry(int part, int k);
    void selectEntry(int k);
    void selectRow(int row);
    // Adds a statement of the kind at row, or at the end for row -1.
    void addStatement(int kind, int row);
    bool moveRow(int from, int to);
    // Takes the diagnostics table back into the vector row it shows, as a
    // step of the sequence table's history unless that history is restoring.
    void takeDiagnostics(bool asStep = true);
    // The same before rows move: the table lets go of its vector.
    void releaseDiagnostics();
    bool buildColumns(int part);
    // Empties the list and what shows the sequence, but not the table's rows.
    void resetTab();

    Ui::PWTestSequenceTab* m_ui;
    std::unique_ptr<PWTestSequenceTable> m_rows;
    PWDiagnoseEditor* m_diagnose;
    std::unique_ptr<PWVectorDiagnostics> m_diagnostics;
    // The part and sequence the widgets hold, -1 when none.
    int m_shownPart = -1;
    int m_shownSequence = -1;
    bool m_edited = false;
    // The sequence shown holds edits no history can take back: diagnostics
    // stored into a vector row just before an undo or redo, or the edits of
    // a sequence put back after a delete.
    bool m_editedBeyondHistory = false;
};

#endif
