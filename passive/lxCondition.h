#ifndef LXCONDITION_H
#define LXCONDITION_H

#include "lxConnection.h"

namespace lxlib {
class LxLibCondition;
}

// A condition of a connection in the condition list. Its library object is its
// connection's object, shared (setLink); its own LxLibCondition lives in that
// connection's condition list, which owns it.
class lxCondition : public lxConnection
{
public:
    lxCondition(lxListBox* list, LxLibTable* conditionTable, LxLibTable* nonConditionalTable, int passiveType);

    // A condition item, or null.
    static lxCondition* conditionItem(QListWidgetItem* item);

    void setLink(std::shared_ptr<lxlib::LxLibPassiveComponent> connection) { setSharedLibObject(std::move(connection)); }
    // Null until first stored or given.
    lxlib::LxLibCondition* condition() const { return m_condition; }
    // The condition must belong to the linked connection (not owned here).
    void setCondition(lxlib::LxLibCondition* condition) { m_condition = condition; }

    // Fills the condition table from the own condition; false without both tables.
    bool showItem() override;
    // Replaces the own condition in the connection by one made from the table,
    // appended at the end of the connection's list.
    void storeItem() override;

private:
    lxlib::LxLibCondition* m_condition = nullptr;
};

#endif
