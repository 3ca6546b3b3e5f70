#ifndef LXLIBALIAS_H
#define LXLIBALIAS_H

#include "LxLibList.h"
#include "LxLibTypes.h"

namespace lxlib {

// Another name under which a component is known (a vendor part number, say).
class LxLibAlias : public LxLibObject
{
public:
    LxLibAlias(const QString& aliasId, const QString& componentId, const QString& manufacturerId,
               const QString& packageId)
        : m_alias(aliasId), m_component(componentId), m_manufacturer(manufacturerId), m_package(packageId)
    {
    }

    QString GetAliasId() const { return m_alias; }
    QString GetComponentId() const { return m_component; }
    QString GetManufacturerId() const { return m_manufacturer; }
    QString GetPackageId() const { return m_package; }

    LxLibAlias* clone() const { return new LxLibAlias(*this); }

private:
    QString m_alias;
    QString m_component;
    QString m_manufacturer;
    QString m_package;
};

using LxLibAliasList = LxLibList<LxLibAlias>;

} // namespace lxlib

#endif
