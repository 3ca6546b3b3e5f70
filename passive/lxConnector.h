#ifndef LXCONNECTOR_H
#define LXCONNECTOR_H

#include "lxPassiveItem.h"

// A connector or a board contact: a part without pin combinations.
class lxConnector : public lxPassiveItem
{
public:
    lxConnector(lxListBox* list, LxLibTable* table, int passiveType);

    // Name and type only; the table it may have been given is never read.
    void storeItem() override;
};

#endif
