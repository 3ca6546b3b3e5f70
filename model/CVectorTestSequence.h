#ifndef CVECTORTESTSEQUENCE_H
#define CVECTORTESTSEQUENCE_H

#include "CLogicDiagnose.h"
#include "CTestSequence.h"
#include "LxLibCompactText.h"

#include <QString>

#include <utility>

class CVectorTestSequence : public CTestSequence
{
public:
    explicit CVectorTestSequence(const QString& vector = QString()) : m_vector(vector) {}
    explicit CVectorTestSequence(const lxlib::LxLibCompactText& vector) : m_vector(vector) {}
    explicit CVectorTestSequence(lxlib::LxLibCompactText&& vector) : m_vector(std::move(vector)) {}

    int kind() const override { return Vector; }

    QString vector() const { return m_vector.toString(); }
    // The text as held: checks of many vectors read it without a QString each.
    const lxlib::LxLibCompactText& vectorText() const { return m_vector; }
    void setVector(const QString& vector) { m_vector.assign(vector); }
    // Filled from the sequence's row diagnostics when the model is built; owned here.
    const CLogicDiagnoseList& diagnostics() const { return m_diagnostics; }
    CLogicDiagnoseList& diagnostics() { return m_diagnostics; }

private:
    lxlib::LxLibCompactText m_vector;
    CLogicDiagnoseList m_diagnostics;
};

using CVectorTestSequenceList = CList<CVectorTestSequence>;

#endif
