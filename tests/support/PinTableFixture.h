#ifndef PINTABLEFIXTURE_H
#define PINTABLEFIXTURE_H

#include <QHash>
#include <QString>

// Pin tables as a test engineer pastes them from a datasheet or a symbol
// library: tab-separated rows of ball number, pin name and pin type.
namespace PinTableFixture {

// A 1 156-ball FPGA with 1 056 pins in use. Power, ground and unconnected
// names repeat (GND 255 times, VCCINT 49, NC 67, every VCCO_n bank 6 times),
// the I/O names are long (IO_L3P_T0_DQS_PUDC_B_14) and scattered over the
// balls as on a real package.
QString fpga();

// How often each name of fpga() occurs.
QHash<QString, int> fpgaNameCounts();

// rows pins numbered 1.. with distinct I/O names.
QString numbered(int rows);

} // namespace PinTableFixture

#endif
