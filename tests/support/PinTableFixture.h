#ifndef PINTABLEFIXTURE_H
#define PINTABLEFIXTURE_H

#include <QString>

// Pin tables as a test engineer pastes them from a datasheet or a symbol
// library: tab-separated rows of ball number, pin name and pin type.
namespace PinTableFixture {

// rows pins numbered 1.. with distinct I/O names.
QString numbered(int rows);

} // namespace PinTableFixture

#endif
