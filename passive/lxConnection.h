#ifndef LXCONNECTION_H
#define LXCONNECTION_H

#include "lxPassiveItem.h"

namespace lxlib {
class LxLibPassiveCompConnection;
}

// A connection: non-conditional pin combinations in their own table, and named
// conditions shown as lxCondition items in the condition list.
class lxConnection : public lxPassiveItem
{
public:
    // The base shows conditionTable; edits of nonConditionalTable mark the item as well.
    lxConnection(lxListBox* list, LxLibTable* conditionTable, LxLibTable* nonConditionalTable, int passiveType);

    // A connection or condition item, or null.
    static lxConnection* connectionItem(QListWidgetItem* item);

    LxLibTable* nonConditionalTable() const { return m_nonConditionalTable; }
    // The library object as a connection, or null.
    lxlib::LxLibPassiveCompConnection* connectionObject() const;

    // Stores the modified condition items of the list and empties it, then makes a
    // condition item for each condition of the object, in order, and fills the
    // non-conditional table.
    bool showItem() override;
    // Keeps the object: renames it, lets its condition items store themselves and
    // takes the non-conditional rows. A connection without an object gets one.
    void storeItem() override;
    virtual void setConditionList(lxListBox* list);

protected:
    lxConnection(lxListBox* list, LxLibTable* conditionTable, LxLibTable* nonConditionalTable, int passiveType,
                 int itemType);

private:
    LxLibTable* m_nonConditionalTable;
};

#endif
