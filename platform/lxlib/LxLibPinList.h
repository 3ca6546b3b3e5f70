#ifndef LXLIBPINLIST_H
#define LXLIBPINLIST_H

#include "LxLibList.h"
#include "LxLibTypes.h"

namespace lxlib {

// One pin of a pin list and the signal (type and bit) it carries.
class LxLibPinListSignalDef : public LxLibObject
{
public:
    LxLibPinListSignalDef(int signalType, int bit, const QString& pinName)
        : m_signal(signalType, bit), m_pin(pinName)
    {
    }

    int GetSignalType() const { return m_signal.GetSignalType(); }
    int GetSignalBit() const { return m_signal.GetSignalBit(); }
    const LxLibSignalTypeBit& GetSignal() const { return m_signal; }
    QString GetPinName() const { return m_pin; }

    LxLibPinListSignalDef* clone() const { return new LxLibPinListSignalDef(*this); }

private:
    LxLibSignalTypeBit m_signal;
    QString m_pin;
};

using LxLibPinListSignalDefList = LxLibList<LxLibPinListSignalDef>;

class LxLibPinList : public LxLibObject
{
public:
    LxLibPinList() = default;

    void SetPartName(const QString& name) { m_name = name; }
    QString GetPartName() const { return m_name; }
    void AddPinListSignalDef(LxLibPinListSignalDef* def) { m_defs.append(def); }
    const LxLibPinListSignalDefList& GetSignalDefList() const { return m_defs; }

    LxLibPinList* clone() const
    {
        auto* p = new LxLibPinList;
        p->copySourcePosition(*this);
        p->m_name = m_name;
        for (const LxLibPinListSignalDef* d : m_defs)
            p->m_defs.append(d->clone());
        return p;
    }

private:
    QString m_name;
    LxLibPinListSignalDefList m_defs;
};

using LxLibPinListList = LxLibList<LxLibPinList>;

} // namespace lxlib

#endif
