#ifndef PWHOSTACCESS_H
#define PWHOSTACCESS_H

#include "LxiInterfaces.h"

// The host's creation hook as the host installed it; both null until then.
extern "C" {
extern OrvikInterface::LxiCreateProc __CreateProc__;
extern void* __ModuleMngr__;
}

// Asks the host for one of its interfaces; null when the host has no hook or
// refuses. The caller releases what it gets.
template <typename T>
T* requestHostInterface(const QString& name)
{
    if (!__CreateProc__)
        return nullptr;
    void* object = nullptr;
    if (__CreateProc__(__ModuleMngr__, name, &object, QString()) != OrvikInterface::LxiOk || !object)
        return nullptr;
    return static_cast<T*>(object);
}

#endif
