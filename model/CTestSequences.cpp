#include "CTestSequences.h"

#include "CLogicDiagnose.h"
#include "CLoopTestSequence.h"

int CTestSequences::rowCount() const
{
    int rows = 0;
    for (const CTestSequence* s : m_statements)
        rows += s->rowCount();
    return rows;
}

QList<int> CTestSequences::rowKinds() const
{
    QList<int> kinds;
    kinds.reserve(rowCount());
    for (const CTestSequence* s : m_statements) {
        switch (s->kind()) {
        case CTestSequence::Vector:
            kinds.append(CLogicDiagnose::VectorRow);
            break;
        case CTestSequence::Wait:
            kinds.append(CLogicDiagnose::WaitRow);
            break;
        case CTestSequence::Repeat:
            kinds.append(CLogicDiagnose::RepeatRow);
            for (int i = 0; i < static_cast<const CLoopTestSequence*>(s)->vectors().count(); ++i)
                kinds.append(CLogicDiagnose::VectorRow);
            kinds.append(CLogicDiagnose::EndRow);
            break;
        default:
            kinds.append(CLogicDiagnose::OtherRow);
            break;
        }
    }
    return kinds;
}
