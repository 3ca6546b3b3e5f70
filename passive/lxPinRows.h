#ifndef LXPINROWS_H
#define LXPINROWS_H

namespace lxlib {
class LxLibPinCombinationList;
}
class LxLibTable;

// Replaces the rows of a two-column pin table with the combinations, quietly:
// the table's valueChanged stays silent, so the shown item is not marked edited.
void lxFillPinRows(LxLibTable* table, const lxlib::LxLibPinCombinationList& combinations);
// Appends every row of the table whose two pin ids are both filled; rows with
// an empty cell are not combinations.
void lxReadPinRows(const LxLibTable* table, lxlib::LxLibPinCombinationList& combinations);

#endif
