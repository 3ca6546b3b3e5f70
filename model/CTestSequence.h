#ifndef CTESTSEQUENCE_H
#define CTESTSEQUENCE_H

#include "CList.h"
#include "CSourcePosition.h"

// A statement of a test sequence.
class CTestSequence : public CSourcePosition
{
public:
    enum Kind { Vector = 1, Repeat = 2, Wait = 3 };

    virtual ~CTestSequence() = default;
    virtual int kind() const = 0;
    // Rows the statement takes in the test sequence table.
    virtual int rowCount() const { return 1; }

protected:
    CTestSequence() = default;
};

using CTestSequenceList = CList<CTestSequence>;

#endif
