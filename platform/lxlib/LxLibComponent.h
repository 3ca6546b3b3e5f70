#ifndef LXLIBCOMPONENT_H
#define LXLIBCOMPONENT_H

#include "LxLibDescriptor.h"
#include "LxLibPackage.h"

namespace lxlib {

// A component (cluster): the device id, its packages and its part descriptors.
class LxLibComponent : public LxLibObject
{
public:
    explicit LxLibComponent(const QString& deviceId = QString()) : m_name(deviceId) {}

    QString GetName() const { return m_name; }
    void SetName(const QString& name) { m_name = name; }
    void AddPackage(LxLibPackage* p) { m_packages.append(p); }
    const LxLibPackageList& GetPackageList() const { return m_packages; }
    void AddDescriptor(LxLibDescriptor* d) { m_descriptors.append(d); }
    const LxLibDescriptorList& GetDescriptorList() const { return m_descriptors; }

    LxLibComponent* clone() const
    {
        auto* c = new LxLibComponent(m_name);
        c->copySourcePosition(*this);
        for (const LxLibPackage* p : m_packages)
            c->m_packages.append(p->clone());
        for (const LxLibDescriptor* d : m_descriptors)
            c->m_descriptors.append(d->clone());
        return c;
    }

private:
    QString m_name;
    LxLibPackageList m_packages;
    LxLibDescriptorList m_descriptors;
};

using LxLibComponentList = LxLibList<LxLibComponent>;

} // namespace lxlib

#endif
