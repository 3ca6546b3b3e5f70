#ifndef LXLIBPACKAGE_H
#define LXLIBPACKAGE_H

#include "LxLibList.h"
#include "LxLibTypes.h"

namespace lxlib {

class LxLibPackagePin : public LxLibObject
{
public:
    LxLibPackagePin(const QString& pinName, const QString& pinNumber, int diePinType, int pinType)
        : m_name(pinName), m_number(pinNumber), m_dieType(diePinType), m_type(pinType)
    {
    }

    QString GetPinName() const { return m_name; }
    QString GetPinNumber() const { return m_number; }
    int GetDiePinType() const { return m_dieType; }
    int GetPinType() const { return m_type; }
    QString GetPackagePinTypeAsStr() const { return packagePinTypeKeyword(m_type); }

    // The pin number of the other half of a differential pair; empty when single-ended.
    QString GetDifferentialPartner() const { return m_partner; }
    void SetDifferentialPartner(const QString& pinNumber) { m_partner = pinNumber; }

    LxLibPackagePin* clone() const { return new LxLibPackagePin(*this); }

private:
    QString m_name;
    QString m_number;
    int m_dieType;
    int m_type;
    QString m_partner;
};

using LxLibPackagePinList = LxLibList<LxLibPackagePin>;

// A package: its ids (the first names it), its pins and whether it has a TAP.
class LxLibPackage : public LxLibObject
{
public:
    LxLibPackage() = default;

    void AddPackageAlias(const QString& id) { m_ids.append(id); }
    const QStringList& GetPackageIdList() const { return m_ids; }
    void AddPackagePin(LxLibPackagePin* pin) { m_pins.append(pin); }
    const LxLibPackagePinList& GetPackagePinList() const { return m_pins; }
    LxLibPackagePinList& GetPackagePinList() { return m_pins; }
    void SetHasTap(bool tap) { m_tap = tap; }
    bool HasTap() const { return m_tap; }

    LxLibPackage* clone() const
    {
        auto* p = new LxLibPackage;
        p->copySourcePosition(*this);
        p->m_ids = m_ids;
        p->m_tap = m_tap;
        for (const LxLibPackagePin* pin : m_pins)
            p->m_pins.append(pin->clone());
        return p;
    }

private:
    QStringList m_ids;
    LxLibPackagePinList m_pins;
    bool m_tap = false;
};

using LxLibPackageList = LxLibList<LxLibPackage>;

} // namespace lxlib

#endif
