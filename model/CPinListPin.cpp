#include "CPinListPin.h"

using namespace lxlib;

CPinListPin::CPinListPin(const QString& pinName, int signalType, int bit)
    : m_name(pinName), m_class(signalClassOf(signalType)), m_signal(signalType, bit)
{
}

int CPinListPin::signalClassOf(int signalType)
{
    if ((signalType >= ST_DATA && signalType <= ST_DATAB) ||
        (signalType >= ST_MUX && signalType <= ST_MUXO))
        return DataClass;
    if (signalType >= ST_DIR && signalType <= ST_WPROT)
        return ControlClass;
    return NoClass;
}

QString CPinListPin::signalText() const
{
    return LxLibSignalTypeBit::ConvertSignalToString(m_signal.GetSignalType());
}
