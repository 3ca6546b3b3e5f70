#include "CPackage.h"

void CPackage::addPin(const QString& number, const QString& name, int type)
{
    m_pins.append(new CPackagePin(number, name, type));
}

int CPackage::countPinsNamed(const QString& name) const
{
    int n = 0;
    for (const CPackagePin* pin : m_pins)
        if (pin->pinName() == name)
            ++n;
    return n;
}
