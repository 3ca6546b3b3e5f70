#ifndef LXLIBDESCRIPTOR_H
#define LXLIBDESCRIPTOR_H

#include "LxLibList.h"
#include "LxLibTypes.h"

namespace lxlib {

// One part description inside a component: a logic, a memory or a passive part.
class LxLibDescriptor : public LxLibObject
{
public:
    explicit LxLibDescriptor(const QString& name = QString()) : m_name(name) {}

    virtual int kind() const = 0;
    virtual LxLibDescriptor* clone() const = 0;

    QString GetName() const { return m_name; }
    void SetName(const QString& name) { m_name = name; }

private:
    QString m_name;
};

using LxLibDescriptorList = LxLibList<LxLibDescriptor>;

} // namespace lxlib

#endif
