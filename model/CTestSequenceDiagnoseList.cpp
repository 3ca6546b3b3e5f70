#include "CTestSequenceDiagnoseList.h"

#include "CTestSequences.h"

CLogicDiagnose* CTestSequenceDiagnoseList::diagnose(int sequence, int row) const
{
    const CLogicDiagnoseList* rows = at(sequence);
    return rows ? rows->at(row) : nullptr;
}

CLogicDiagnoseList* CTestSequenceDiagnoseList::ensureSequence(int sequence)
{
    while (count() <= sequence)
        append(new CLogicDiagnoseList);
    return at(sequence);
}

bool CTestSequenceDiagnoseList::setDiagnose(int sequence, int row, CLogicDiagnose* d)
{
    if (!d || sequence < 0 || row < 0) {
        delete d;
        return false;
    }
    CLogicDiagnoseList* rows = ensureSequence(sequence);
    while (rows->count() < row)
        rows->append(new CLogicDiagnose);
    return rows->replace(row, d);
}

void CTestSequenceDiagnoseList::clearDiagnose(int sequence, int row)
{
    if (const CLogicDiagnose* old = diagnose(sequence, row))
        at(sequence)->replace(row, new CLogicDiagnose(CLogicDiagnose::NotDefined, old->rowKind()));
}

void CTestSequenceDiagnoseList::alignWith(int sequence, const CTestSequences& testSequence)
{
    if (sequence < 0)
        return;
    const QList<int> kinds = testSequence.rowKinds();
    CLogicDiagnoseList* rows = ensureSequence(sequence);
    while (rows->count() > kinds.count())
        rows->remove(rows->count() - 1);
    for (int row = 0; row < kinds.count(); ++row) {
        CLogicDiagnose* d = rows->at(row);
        if (!d)
            rows->append(new CLogicDiagnose(CLogicDiagnose::NotDefined, kinds[row]));
        else if (d->state() != CLogicDiagnose::Defined)
            d->setRowKind(kinds[row]);
    }
}
