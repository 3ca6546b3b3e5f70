// The plug-in's exported entry points, under their plain names.

#include "PWHostAccess.h"
#include "PartwrightPIFactory.h"

extern "C" {

Q_DECL_EXPORT OrvikInterface::LxiCreateProc __CreateProc__ = nullptr;
Q_DECL_EXPORT void* __ModuleMngr__ = nullptr;

Q_DECL_EXPORT OrvikInterface::LxiClassFactory* getFactory()
{
    // Each call makes a new factory; the host keeps it for the life of the library.
    return new PartwrightPIFactory;
}

Q_DECL_EXPORT void __LxiInstallCreateHook__(void* moduleManager, OrvikInterface::LxiCreateProc createProc)
{
    __ModuleMngr__ = moduleManager;
    __CreateProc__ = createProc;
}

} // extern "C"
