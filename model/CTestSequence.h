#ifndef CTESTSEQUENCE_H
#define CTESTSEQUENCE_H

#include "CList.h"
#include "CSourcePosition.h"
#include "LxLibPool.h"

// A statement of a test sequence.
class CTestSequence : public CSourcePosition
{
public:
    enum Kind { Vector = 1, Repeat = 2, Wait = 3 };

    // A large model holds hundreds of thousands of statements: they share the
    // library's pool instead of one general allocation each.
    static void* operator new(std::size_t size) { return lxlib::LxLibPool::allocate(size); }
    static void operator delete(void* p, std::size_t size) noexcept { lxlib::LxLibPool::release(p, size); }

    virtual ~CTestSequence() = default;
    virtual int kind() const = 0;
    // Rows the statement takes in the test sequence table.
    virtual int rowCount() const { return 1; }

protected:
    CTestSequence() = default;
};

using CTestSequenceList = CList<CTestSequence>;

#endif
