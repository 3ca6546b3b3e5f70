#ifndef PWPASTECHECKS_H
#define PWPASTECHECKS_H

#include "PWTableText.h"

class CLogic;

// The rules a typed cell obeys, applied to rows pasted into the package and
// pin list tables, so a paste can never put in what typing could not. The
// package rows are checked by PWPackagePinCheck.
namespace PWPasteChecks {

// Whether column col (0 pin number, 1 pin name) of a package may hold t in
// row `row` beside the other rows; TIE0, TIE1 and OPEN may repeat as numbers,
// PAD is compared without case.
bool isUniquePackageText(const QStringList& column, int row, int col, const QString& t);

// Pin list pins: a pin name every package has, a signal type that pin may
// carry, a bit from 0 to 9999 (or empty, as a new row has).
PWTableText::RowCheck pinListRow(const CLogic& logic, const QStringList& pinNames, bool memoryCategory);

} // namespace PWPasteChecks

#endif
