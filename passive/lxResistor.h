#ifndef LXRESISTOR_H
#define LXRESISTOR_H

#include "lxPassiveItem.h"

// A two-terminal part: capacitor, inductor, resistor or resonator, drawn with
// the picture of its type.
class lxResistor : public lxPassiveItem
{
public:
    lxResistor(lxListBox* list, LxLibTable* table, int passiveType);

    // The picture name of a two-terminal type; empty for any other type.
    static QString imageName(int passiveType);
};

#endif
