#ifndef PWVECTORDIAGNOSTICS_H
#define PWVECTORDIAGNOSTICS_H

#include "CTestSequenceDiagnoseList.h"

class PWDiagnoseEditor;
class PWTestSequenceTable;
class PWWizardContext;

// The diagnostics of the vector rows of a test sequence: which row's rules
// the diagnostics editor holds, and those rules going back into their row
// before rows move or another row, sequence, tab or page is shown. A vector's
// Option cell switches its diagnostics on and off.
class PWVectorDiagnostics
{
public:
    PWVectorDiagnostics(PWWizardContext* context, PWTestSequenceTable* rows, PWDiagnoseEditor* editor);

    // The vector row whose rules the editor holds, -1 while it is hidden.
    int shownRow() const { return m_row; }
    // The rules of row (of logic part `part`) when the row has diagnostics; else the editor hides.
    void show(int part, int row);
    void hide();
    // Edited rules go back into their row; true when the row's rules changed.
    // asStep: as one step of the sequence table's history. Not while that
    // history is about to take a step back or again itself.
    bool take(bool asStep);
    // The switch of a vector row was turned on or off. Turning it off drops
    // the row's rules once the user agrees; otherwise it goes back on.
    void switchRow(int part, int row, bool on);

    // Gives sequence k of a part the diagnostics of its rows (taking them),
    // in step with the sequence's statements.
    static void storeRows(CTestSequenceDiagnoseList& diagnostics, int k, CLogicDiagnoseList* rows,
                          const CTestSequences& sequence);

private:
    PWWizardContext* m_context;
    PWTestSequenceTable* m_rows;
    PWDiagnoseEditor* m_editor;
    int m_row = -1;
};

#endif
