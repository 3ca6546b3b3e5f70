#ifndef CLIST_H
#define CLIST_H

#include "LxLibList.h"

// The owning list of the device model: index access, insert-at (false for a
// null item), remove-at (deletes), take (hands the item back).
template <typename T>
using CList = lxlib::LxLibList<T>;

#endif
