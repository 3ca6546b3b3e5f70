#ifndef CSIGNALSPEC_H
#define CSIGNALSPEC_H

#include "CList.h"
#include "LxLibTypes.h"

#include <QSet>
#include <QStringList>

// One signal with its bit and the pins that carry it. An entry without pins
// (bit -1) fills a gap of a per-bit list.
class CSignalSpec
{
public:
    explicit CSignalSpec(int signalType = lxlib::ST_NONE, int bit = -1) : m_signal(signalType, bit) {}

    const QStringList& pinNames() const { return m_pinNames; }
    const QStringList& signalTexts() const { return m_signalTexts; }
    int flag() const { return m_flag; }
    void setFlag(int flag) { m_flag = flag; }
    const lxlib::LxLibSignalTypeBit& signal() const { return m_signal; }
    void setSignal(const lxlib::LxLibSignalTypeBit& signal) { m_signal = signal; }
    bool isEmpty() const { return m_pinNames.isEmpty(); }

    // Records a pin; names and signal texts are each kept once.
    void addPin(const QString& pinName, int signalType);
    // The column label of the editors: the pin names, one per line.
    QString label() const { return m_pinNames.join(QLatin1Char('\n')); }

private:
    QStringList m_pinNames;
    // Filled only once a signal joins many pins.
    QSet<QString> m_pinNameSet;
    QStringList m_signalTexts;
    int m_flag = 1;
    lxlib::LxLibSignalTypeBit m_signal;
};

using CSignalSpecList = CList<CSignalSpec>;

#endif
