#ifndef CPACKAGEPIN_H
#define CPACKAGEPIN_H

#include "CList.h"
#include "CSourcePosition.h"

#include <QString>

// One pin of a package. The number is a package pin number or one of the die
// pin keywords TIE0, TIE1, OPEN, PAD.
class CPackagePin : public CSourcePosition
{
public:
    CPackagePin(const QString& number, const QString& name, int type)
        : m_number(number), m_name(name), m_type(type)
    {
    }

    QString pinNumber() const { return m_number; }
    void setPinNumber(const QString& number) { m_number = number; }
    QString pinName() const { return m_name; }
    void setPinName(const QString& name) { m_name = name; }
    int pinType() const { return m_type; }
    void setPinType(int type) { m_type = type; }

private:
    QString m_number;
    QString m_name;
    int m_type;
};

using CPackagePinList = CList<CPackagePin>;

#endif
