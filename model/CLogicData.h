#ifndef CLOGICDATA_H
#define CLOGICDATA_H

#include "CSignalSpec.h"

class CLogicPart;

// The signal index of one logic part, rebuilt from its pin lists.
class CLogicData
{
public:
    enum Group {
        OutputControl, InputControl, BidirectionalControl, InputData, OutputData,
        BidirectionalData, GroupCount
    };
    // Bits above this are left out of the per-bit lists; the pin list editor
    // admits no more, and a file with more fails the bit sequence check anyway.
    static constexpr int MaxIndexedBit = 9999;

    CLogicData() = default;

    // The group of a signal type, -1 for types that are not indexed.
    static int groupOf(int signalType);

    void rebuild(const CLogicPart& part);
    // False for an index that only holds a position and was never built.
    bool isBuilt() const { return m_built; }

    const CSignalSpecList& group(int g) const { return m_groups[g]; }
    // Indexed by bit: control signals, and the signals that can be driven.
    const CSignalSpecList& controlBits() const { return m_controlBits; }
    const CSignalSpecList& drivableBits() const { return m_drivableBits; }

private:
    CSignalSpecList m_groups[GroupCount];
    CSignalSpecList m_controlBits;
    CSignalSpecList m_drivableBits;
    bool m_built = false;
};

using CLogicDataList = CList<CLogicData>;

#endif
