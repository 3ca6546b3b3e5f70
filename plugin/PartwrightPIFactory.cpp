#include "PartwrightPIFactory.h"

#include "PartwrightPI.h"

#include <new>

namespace {
PartwrightPI* g_instance = nullptr;
}

OrvikInterface::LxiResult PartwrightPIFactory::queryInterface(const QString&, void**)
{
    return OrvikInterface::LxiNoInterface;
}

OrvikInterface::LxiResult PartwrightPIFactory::createInstance(const QString& name, void** object)
{
    if (object)
        *object = nullptr;
    if (!g_instance) {
        g_instance = new (std::nothrow) PartwrightPI;
        if (!g_instance)
            return OrvikInterface::LxiOutOfMemory;
    }
    PartwrightPI* pi = g_instance;
    pi->addRef();
    const OrvikInterface::LxiResult result = pi->queryInterface(name, object);
    pi->release();
    return result;
}

PartwrightPI* PartwrightPIFactory::instance()
{
    return g_instance;
}

void PartwrightPIFactory::forgetInstance(const PartwrightPI* pi)
{
    if (g_instance == pi)
        g_instance = nullptr;
}
