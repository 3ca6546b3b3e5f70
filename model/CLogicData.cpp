#include "CLogicData.h"

#include "CLogicPart.h"

#include <QHash>

using namespace lxlib;

int CLogicData::groupOf(int signalType)
{
    switch (signalType) {
    case ST_OUT: case ST_RYBY:
        return OutputControl;
    case ST_DIR: case ST_IN: case ST_WE: case ST_CE: case ST_OE: case ST_LE: case ST_MODUS:
    case ST_VPP: case ST_RESETP: case ST_WPROT:
        return InputControl;
    case ST_IO:
        return BidirectionalControl;
    case ST_DATAI: case ST_ADDR:
        return InputData;
    case ST_DATAO:
        return OutputData;
    case ST_DATA: case ST_DATAA: case ST_DATAB:
        return BidirectionalData;
    default:
        return -1;
    }
}

namespace {

bool isControl(int group)
{
    return group == CLogicData::InputControl || group == CLogicData::OutputControl ||
           group == CLogicData::BidirectionalControl;
}

bool isDrivable(int group)
{
    return group == CLogicData::InputControl || group == CLogicData::BidirectionalControl ||
           group == CLogicData::InputData || group == CLogicData::BidirectionalData;
}

quint64 signalKey(int type, int bit)
{
    return (static_cast<quint64>(static_cast<quint32>(type)) << 32) | static_cast<quint32>(bit);
}

// Position bit of a per-bit list, filling the gaps below it with empty entries.
CSignalSpec* bitEntry(CSignalSpecList& list, int bit)
{
    while (list.count() <= bit) {
        auto* gap = new CSignalSpec;
        gap->setFlag(0);
        list.append(gap);
    }
    return list.at(bit);
}

void addToBitList(CSignalSpecList& list, const CPinListPin& pin)
{
    CSignalSpec* entry = bitEntry(list, pin.bit());
    entry->setSignal(pin.signal());
    entry->addPin(pin.pinName(), pin.signalType());
}

} // namespace

void CLogicData::rebuild(const CLogicPart& part)
{
    for (CSignalSpecList& g : m_groups)
        g.clear();
    m_controlBits.clear();
    m_drivableBits.clear();
    m_built = true;

    // Position of each signal in its group list, so that large parts stay linear.
    QHash<quint64, int> positions[GroupCount];
    for (const CPinList* pinList : part.pinLists()) {
        for (const CPinListPin* pin : pinList->pins()) {
            const int g = groupOf(pin->signalType());
            if (g < 0)
                continue;
            const quint64 key = signalKey(pin->signalType(), pin->bit());
            auto it = positions[g].find(key);
            if (it == positions[g].end()) {
                it = positions[g].insert(key, m_groups[g].count());
                m_groups[g].append(new CSignalSpec(pin->signalType(), pin->bit()));
            }
            m_groups[g].at(*it)->addPin(pin->pinName(), pin->signalType());

            if (pin->bit() < 0 || pin->bit() > MaxIndexedBit)
                continue;
            if (isControl(g))
                addToBitList(m_controlBits, *pin);
            if (isDrivable(g))
                addToBitList(m_drivableBits, *pin);
        }
    }
}
