#ifndef LXLIBMODELDUMP_H
#define LXLIBMODELDUMP_H

#include <QString>

namespace lxlib {
class LxLibInfo;
}

// Every value a document holds, walked through the getters and printed one per
// line, so that two documents can be compared without trusting the writer.
QString dumpModel(const lxlib::LxLibInfo& info);

// A document with random content of every kind, built through the object model.
void buildRandomModel(lxlib::LxLibInfo& info, unsigned seed);

#endif
