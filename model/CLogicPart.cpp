#include "CLogicPart.h"

#include "CVectorColumns.h"

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

void CLogicPart::realignVectors(const CVectorColumns& from, const CVectorColumns& to)
{
    if (from == to || m_pinLists.isEmpty())
        return;
    const QList<int> map = CVectorColumns::mapping(from, to);
    for (int i = 0; i < m_truthTable.count(); ++i) {
        const QString vector = m_truthTable.at(i)->GetVector();
        if (vector.size() == from.count())
            m_truthTable.replace(i, new lxlib::LxLibTruthTableRecord(CVectorColumns::realign(vector, map)));
    }
}
