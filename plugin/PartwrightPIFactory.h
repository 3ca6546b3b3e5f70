#ifndef PARTWRIGHTPIFACTORY_H
#define PARTWRIGHTPIFACTORY_H

#include "LxiInterfaces.h"

class PartwrightPI;

class PartwrightPIFactory : public OrvikInterface::LxiClassFactory
{
public:
    void addRef() override {}
    void release() override {}
    OrvikInterface::LxiResult queryInterface(const QString& name, void** object) override;
    OrvikInterface::LxiResult createInstance(const QString& name, void** object) override;

    // The single plug-in object, null until the first createInstance.
    static PartwrightPI* instance();
    // Called by the plug-in object when it deletes itself.
    static void forgetInstance(const PartwrightPI* pi);
};

#endif
