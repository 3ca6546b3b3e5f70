#ifndef CPACKAGE_H
#define CPACKAGE_H

#include "CPackagePin.h"

#include <QStringList>

class CPackage
{
public:
    CPackage() = default;

    const CPackagePinList& pins() const { return m_pins; }
    CPackagePinList& pins() { return m_pins; }
    void addPin(const QString& number, const QString& name, int type);
    int countPinsNamed(const QString& name) const;

    const QStringList& packageIds() const { return m_ids; }
    QStringList& packageIds() { return m_ids; }
    void addPackageId(const QString& id) { m_ids.append(id); }

    bool hasTap() const { return m_hasTap; }
    void setHasTap(bool tap) { m_hasTap = tap; }

private:
    CPackagePinList m_pins;
    QStringList m_ids;
    bool m_hasTap = false;
};

using CPackageList = CList<CPackage>;

#endif
