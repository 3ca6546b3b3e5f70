#include "CLogicPart.h"

void CLogicPart::deleteTestSequence(int pos)
{
    m_testSequences.remove(pos);
    m_diagnostics.remove(pos);
}

bool CLogicPart::hasCompletePinLists() const
{
    if (m_pinLists.isEmpty())
        return false;
    for (const CPinList* p : m_pinLists)
        if (p->pins().isEmpty())
            return false;
    return true;
}
