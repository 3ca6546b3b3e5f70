#include "CSignalSpec.h"

void CSignalSpec::addPin(const QString& pinName, int signalType)
{
    if (!m_pinNameSet.contains(pinName)) {
        m_pinNameSet.insert(pinName);
        m_pinNames.append(pinName);
    }
    const QString text = lxlib::LxLibSignalTypeBit::ConvertSignalToString(signalType);
    if (!m_signalTexts.contains(text))
        m_signalTexts.append(text);
}
