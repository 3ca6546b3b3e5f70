#include "lxCondition.h"

#include "LxLibPassive.h"
#include "LxLibTable.h"
#include "PWImages.h"
#include "lxPinRows.h"

lxCondition::lxCondition(lxListBox* list, LxLibTable* conditionTable, LxLibTable* nonConditionalTable,
                         int passiveType)
    : lxConnection(list, conditionTable, nonConditionalTable, passiveType, ConditionItemType)
{
    setImage(lxImage(QStringLiteral("PWConditional.png")));
    setConditionList(list);
}

lxCondition* lxCondition::conditionItem(QListWidgetItem* item)
{
    return item && item->type() == ConditionItemType ? static_cast<lxCondition*>(item) : nullptr;
}

bool lxCondition::showItem()
{
    if (!pinTable() || !nonConditionalTable())
        return false;
    static const lxlib::LxLibPinCombinationList none;
    lxFillPinRows(pinTable(), m_condition ? m_condition->GetPinCombinationList() : none);
    select();
    return true;
}

void lxCondition::storeItem()
{
    if (!isModified())
        return;
    if (lxlib::LxLibPassiveCompConnection* connection = connectionObject()) {
        auto* fresh = new lxlib::LxLibCondition(text());
        if (pinTable())
            lxReadPinRows(pinTable(), fresh->GetPinCombinationList());
        lxlib::LxLibConditionList& conditions = connection->GetConditionList();
        // An edited condition goes to the end of its connection's list, like a new one.
        if (m_condition)
            conditions.remove(m_condition);
        connection->AddCondition(fresh);
        m_condition = fresh;
    }
    setModified(false);
}
