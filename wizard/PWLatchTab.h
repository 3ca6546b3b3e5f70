#ifndef PWLATCHTAB_H
#define PWLATCHTAB_H

#include "PWPatternListTab.h"

#include <QList>

class LxLibLogicTable;
class QComboBox;
class QMenu;

// The "Latch Sequence" tab: the latch sequences of the current logic part, each
// a latch condition (two signals and their relation) and a table of vectors
// over the part's control signals, highest bit first.
class PWLatchTab : public PWPatternListTab
{
    Q_OBJECT
public:
    static constexpr int MaxLatches = 100;

    PWLatchTab(PWWizardContext* context, QWidget* parent);

    LxLibLogicTable* table() const { return m_table; }
    QComboBox* firstSignal() const { return m_first; }
    QComboBox* relation() const { return m_relation; }
    QComboBox* secondSignal() const { return m_second; }

    QMenu* createTableMenu();
    // An empty name takes the next default name.
    bool addLatchSequence(const QString& name);

public slots:
    void slotAddLatch();
    void slotDeleteLatch();
    void slotRenameLatch();
    void slotLatchSequenceLBoxSelectionChanged();
    void slotLatchLBoxContextMenuRequested(QListWidgetItem* item, const QPoint& pos);
    // Above the selected row, else at the end.
    void slotAddLatchVector();
    // Before the current row, else at the end.
    void slotInsertLatchVector();
    void slotDeleteLatchVector();
    void slotLatchSequenceTableValueChanged(int row, int col);
    void slotLatchSequenceConnectionBoxActivated(int index);
    void slotLatchSequenceTableContextMenuRequested(int row, int col, const QPoint& pos);
    // Ctrl+V: vectors over the table's columns, with or without the row label.
    void slotPasteVectors(const QString& text);

protected:
    void prepareEditor() override;
    void storePattern(int part, int index) override;
    void showPattern(int index) override;
    void clearEditor() override;

private:
    void setUpHistory(QWidget* condition);
    void setupColumns();
    void fillConditionChoices();
    void setVectorRow(int row);
    void insertVector(int row);

    QComboBox* m_first;
    QComboBox* m_relation;
    QComboBox* m_second;
    LxLibLogicTable* m_table;
    // Signal type of each column; column 0 is the row label.
    QList<int> m_columnTypes;
};

#endif
