#ifndef CVECTORTESTSEQUENCE_H
#define CVECTORTESTSEQUENCE_H

#include "CLogicDiagnose.h"
#include "CTestSequence.h"

#include <QString>

class CVectorTestSequence : public CTestSequence
{
public:
    explicit CVectorTestSequence(const QString& vector = QString()) : m_vector(vector) {}

    int kind() const override { return Vector; }

    QString vector() const { return m_vector; }
    void setVector(const QString& vector) { m_vector = vector; }
    // Filled from the sequence's row diagnostics when the model is built; owned here.
    const CLogicDiagnoseList& diagnostics() const { return m_diagnostics; }
    CLogicDiagnoseList& diagnostics() { return m_diagnostics; }

private:
    QString m_vector;
    CLogicDiagnoseList m_diagnostics;
};

using CVectorTestSequenceList = CList<CVectorTestSequence>;

#endif
