#include "CLogicPart.h"

#include "CLoopTestSequence.h"
#include "CVectorColumns.h"

void CLogicPart::deleteTestSequence(int pos)
{
    m_testSequences.remove(pos);
    m_diagnostics.remove(pos);
}

CLogicPart::TakenTestSequence CLogicPart::takeTestSequence(int pos)
{
    TakenTestSequence taken;
    taken.sequence.reset(m_testSequences.take(pos));
    taken.diagnostics.reset(m_diagnostics.take(pos));
    return taken;
}

void CLogicPart::restoreTestSequence(int pos, TakenTestSequence taken)
{
    if (!m_testSequences.insert(pos, taken.sequence.release()))
        return;
    // A list of diagnostics shorter than pos leaves the gap where it is.
    if (taken.diagnostics)
        m_diagnostics.insert(pos, taken.diagnostics.release());
    else if (pos < m_diagnostics.count())
        m_diagnostics.insert(pos, new CLogicDiagnoseList);
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
    auto align = [&](CVectorTestSequence* v) {
        if (v->vector().size() == from.count())
            v->setVector(CVectorColumns::realign(v->vector(), map));
    };
    for (CTestSequences* sequence : m_testSequences) {
        for (CTestSequence* statement : sequence->statements()) {
            if (statement->kind() == CTestSequence::Vector)
                align(static_cast<CVectorTestSequence*>(statement));
            else if (statement->kind() == CTestSequence::Repeat)
                for (CVectorTestSequence* v : static_cast<CLoopTestSequence*>(statement)->vectors())
                    align(v);
        }
    }
}
