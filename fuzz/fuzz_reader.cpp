// Feeds arbitrary bytes to the model reader. Beyond "no crash, no hang, no
// unbounded allocation", every document that reads clean must write a text
// that reads clean again and writes back identically.

#include "LxLibInfo.h"

#include <cstdio>
#include <cstdlib>

namespace {

bool readClean(lxlib::LxLibInfo& info, const QByteArray& text)
{
    bool error = false;
    return info.readFromData(text, true, false, &error) && !error;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    lxlib::LxLibInfo info(QStringLiteral("fuzz.model"));
    if (!readClean(info, input))
        return 0;
    QString first;
    info.check(&first);
    const QByteArray written = info.toText();

    lxlib::LxLibInfo again(QStringLiteral("fuzz.model"));
    if (!readClean(again, written)) {
        std::fprintf(stderr, "canonical text does not read back:\n%s\n", written.constData());
        std::abort();
    }
    if (again.toText() != written) {
        std::fprintf(stderr, "writing is not stable:\n%s\n---\n%s\n", written.constData(), again.toText().constData());
        std::abort();
    }
    return 0;
}
