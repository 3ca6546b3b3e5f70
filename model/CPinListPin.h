#ifndef CPINLISTPIN_H
#define CPINLISTPIN_H

#include "CList.h"
#include "CSourcePosition.h"
#include "LxLibTypes.h"

// One pin of a pin list: the package pin it names and the signal it carries.
class CPinListPin : public CSourcePosition
{
public:
    enum SignalClass { NoClass = 0, DataClass = 1, ControlClass = 2 };

    CPinListPin(const QString& pinName, int signalType, int bit);

    static int signalClassOf(int signalType);

    QString pinName() const { return m_name; }
    void setPinName(const QString& name) { m_name = name; }
    int signalClass() const { return m_class; }
    const lxlib::LxLibSignalTypeBit& signal() const { return m_signal; }
    int signalType() const { return m_signal.GetSignalType(); }
    int bit() const { return m_signal.GetSignalBit(); }
    // The signal type keyword, as choice lists and patterns name it.
    QString signalText() const;

private:
    QString m_name;
    int m_class;
    lxlib::LxLibSignalTypeBit m_signal;
};

using CPinListPinList = CList<CPinListPin>;

#endif
