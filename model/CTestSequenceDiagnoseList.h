#ifndef CTESTSEQUENCEDIAGNOSELIST_H
#define CTESTSEQUENCEDIAGNOSELIST_H

#include "CLogicDiagnose.h"

class CTestSequences;

// Per test sequence (same position), the diagnostic of each of its table rows.
class CTestSequenceDiagnoseList : public CList<CLogicDiagnoseList>
{
public:
    // Null when the sequence or the row has no entry.
    CLogicDiagnose* diagnose(int sequence, int row) const;
    // Stores d at the row, growing the lists with undefined entries as needed.
    // Takes d in every case; false for a null item or a negative position.
    bool setDiagnose(int sequence, int row, CLogicDiagnose* d);
    // Replaces the row's diagnostic by an undefined one of the same row kind.
    void clearDiagnose(int sequence, int row);
    // Gives the sequence one entry per table row: missing rows get undefined
    // entries, undefined entries take the row's kind, rows past the end go.
    void alignWith(int sequence, const CTestSequences& testSequence);

private:
    CLogicDiagnoseList* ensureSequence(int sequence);
};

#endif
