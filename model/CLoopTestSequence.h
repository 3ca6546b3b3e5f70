#ifndef CLOOPTESTSEQUENCE_H
#define CLOOPTESTSEQUENCE_H

#include "CVectorTestSequence.h"

#include <cstdint>

// A repeat: its "Repeat" row, one row per vector and its "End" row.
class CLoopTestSequence : public CTestSequence
{
public:
    CLoopTestSequence(uint32_t count = 0, int breakMode = 0) : m_count(count), m_breakMode(breakMode) {}

    int kind() const override { return Repeat; }
    int rowCount() const override { return m_vectors.count() + 2; }

    uint32_t count() const { return m_count; }
    void setCount(uint32_t count) { m_count = count; }
    int breakMode() const { return m_breakMode; }
    void setBreakMode(int mode) { m_breakMode = mode; }
    const CVectorTestSequenceList& vectors() const { return m_vectors; }
    CVectorTestSequenceList& vectors() { return m_vectors; }
    bool appendVector(CVectorTestSequence* vector) { return m_vectors.append(vector); }

private:
    uint32_t m_count;
    int m_breakMode;
    CVectorTestSequenceList m_vectors;
};

#endif
