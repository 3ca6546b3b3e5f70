#include "CSignalSpec.h"

namespace {

// A signal usually joins a few pins: searching them costs less than a set for
// each, yet a wide bus joined on one signal must stay linear.
constexpr qsizetype kSearchedNames = 16;

} // namespace

void CSignalSpec::addPin(const QString& pinName, int signalType)
{
    const bool known = m_pinNames.size() < kSearchedNames ? m_pinNames.contains(pinName)
                                                           : m_pinNameSet.contains(pinName);
    if (!known) {
        m_pinNames.append(pinName);
        if (m_pinNames.size() == kSearchedNames)
            m_pinNameSet = QSet<QString>(m_pinNames.cbegin(), m_pinNames.cend());
        else if (m_pinNames.size() > kSearchedNames)
            m_pinNameSet.insert(pinName);
    }
    const QString text = lxlib::LxLibSignalTypeBit::ConvertSignalToString(signalType);
    if (!m_signalTexts.contains(text))
        m_signalTexts.append(text);
}
