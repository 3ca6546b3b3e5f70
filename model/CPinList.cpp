#include "CPinList.h"

#include <QCoreApplication>

#include <vector>

void CPinList::addPin(const QString& pinName, int signalType, int bit)
{
    m_pins.append(new CPinListPin(pinName, signalType, bit));
}

bool CPinList::checkBitSequence(QString& error, const CPinListPin** at) const
{
    // The first free bit can be no larger than the number of pins.
    const int count = m_pins.count();
    std::vector<bool> carried(static_cast<size_t>(count) + 1, false);
    for (const CPinListPin* pin : m_pins)
        if (pin->bit() >= 0 && pin->bit() <= count)
            carried[static_cast<size_t>(pin->bit())] = true;
    int firstFree = 0;
    while (carried[static_cast<size_t>(firstFree)])
        ++firstFree;

    for (const CPinListPin* pin : m_pins) {
        if (pin->bit() > firstFree) {
            //: %2 = Name of the pin
            const QString pinText =
                QCoreApplication::translate("PartwrightDlg", "Pin Name \"%2\"").arg(pin->pinName());
            //: %1 = Name of the Pin List, %2 = the pin
            error = QCoreApplication::translate(
                        "PartwrightDlg",
                        "%1 - %2: Incorrect bit sequences\nBit numbers start at zero and are "
                        "continuously\nFor more info please refer to help")
                        .arg(m_name, pinText);
            if (at)
                *at = pin;
            return false;
        }
    }
    return true;
}
