#ifndef PWDIAGNOSEEDITOR_H
#define PWDIAGNOSEEDITOR_H

#include "PWTestSequenceTable.h"

#include <QObject>

class LxLibTable;
class LxTableHistory;
class PWWizardContext;
class QGroupBox;
class QMenu;
class QPushButton;

// DiagnoseGBox: the stuck-at rules of the current vector of a test sequence,
// one row each of signal, bit and stuck-at type. The editor holds the rules
// of one vector at a time; the test sequence tab takes them back into the
// vector's row before another row, sequence, tab, part or page is shown.
class PWDiagnoseEditor : public QObject
{
    Q_OBJECT
public:
    PWDiagnoseEditor(PWWizardContext* context, QGroupBox* box, LxLibTable* table, QPushButton* add,
                     QPushButton* remove, QObject* parent);

    // Shows the rules of a vector of logic part `part`, whose signals the choices offer.
    void showRules(int part, const PWDiagnoseRules& rules);
    void hide();
    bool isShown() const;
    // The rules of the rows; a row with nothing chosen is no rule.
    PWDiagnoseRules rules() const;
    // Whether the rows differ from what was shown or last stored; undo can
    // take them back to it.
    bool isEdited() const { return m_edited; }
    // The rows as they stand are now held by the vector: the history's clean state.
    void markStored();
    // The history of the rules shown, fresh with every showRules().
    LxTableHistory* history() const;
    void updateEditable();

    // The signals of a part that a rule may name, and the bits that carry one.
    QStringList signalNames() const;
    QStringList signalBits(const QString& signal) const;

    QMenu* createMenu();

public slots:
    void slotDiagnoseTableValueChanged(int row, int col);
    void slotDiagnoseTableCurrentChanged(int row, int col);
    void slotDiagnoseTableMenu(int row, int col, const QPoint& pos);
    void slotAddRowToDiagnoseTable();
    void slotDeleteRowToDiagnoseTable();
    void slotAddDiagnoseItem();
    void slotDeleteDiagnoseItem();

signals:
    // The rules changed in the table, or isEdited() changed with undo or redo.
    void edited();
    // The diagnostics table took the current cell; the vector stays selected.
    void diagnoseCellChosen();

private:
    void setRow(int row, const QString& signal, int bit, int stuckAt);
    void markEdited();
    bool editable() const;

    PWWizardContext* m_context;
    QGroupBox* m_box;
    LxLibTable* m_table;
    QPushButton* m_add;
    QPushButton* m_remove;
    int m_part = -1;
    bool m_edited = false;
};

#endif
