#ifndef IOFIXTURE_H
#define IOFIXTURE_H

#include "LxLibInfo.h"

#include <QByteArray>
#include <memory>

// A document read from model text, held in memory.
inline std::unique_ptr<lxlib::LxLibInfo> documentOf(const QByteArray& text, bool* ok = nullptr)
{
    auto doc = std::make_unique<lxlib::LxLibInfo>(QStringLiteral("mem.model"));
    bool error = false;
    const bool read = doc->readFromData(text, true, false, &error);
    if (ok)
        *ok = read && !error;
    return doc;
}

#endif
