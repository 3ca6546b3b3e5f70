#include "lxConnection.h"

#include "LxLibPassive.h"
#include "LxLibTable.h"
#include "PWImages.h"
#include "lxCondition.h"
#include "lxListBox.h"
#include "lxPinRows.h"

lxConnection::lxConnection(lxListBox* list, LxLibTable* conditionTable, LxLibTable* nonConditionalTable,
                           int passiveType)
    : lxConnection(list, conditionTable, nonConditionalTable, passiveType, ConnectionItemType)
{
    setImage(lxImage(QStringLiteral("PWConnection.png")));
}

lxConnection::lxConnection(lxListBox* list, LxLibTable* conditionTable, LxLibTable* nonConditionalTable,
                           int passiveType, int itemType)
    : lxPassiveItem(list, conditionTable, passiveType, itemType)
    , m_nonConditionalTable(nonConditionalTable)
{
    if (list && nonConditionalTable)
        QObject::connect(nonConditionalTable, &LxLibTable::valueChanged, list, &lxListBox::slotIsChanged,
                         Qt::UniqueConnection);
}

lxConnection* lxConnection::connectionItem(QListWidgetItem* item)
{
    return item && (item->type() == ConnectionItemType || item->type() == ConditionItemType)
               ? static_cast<lxConnection*>(item)
               : nullptr;
}

lxlib::LxLibPassiveCompConnection* lxConnection::connectionObject() const
{
    return dynamic_cast<lxlib::LxLibPassiveCompConnection*>(libObject());
}

void lxConnection::setConditionList(lxListBox* list)
{
    setConditionListPointer(list);
}

bool lxConnection::showItem()
{
    if (!libObject())
        return false;
    if (lxListBox* conditions = conditionList()) {
        // Whatever the list still holds is written back before it goes.
        for (int i = 0; i < conditions->count(); ++i) {
            if (lxPassiveItem* item = lxPassiveItem::passiveItem(conditions->item(i)))
                item->storeItem();
        }
        conditions->clear();
        if (lxlib::LxLibPassiveCompConnection* connection = connectionObject()) {
            for (lxlib::LxLibCondition* condition : connection->GetConditionList()) {
                auto* item = new lxCondition(conditions, pinTable(), m_nonConditionalTable, passiveType());
                item->setText(condition->GetConditionId());
                item->setLink(sharedLibObject());
                item->setCondition(condition);
                item->showItem();
            }
        }
    }
    if (m_nonConditionalTable)
        lxFillPinRows(m_nonConditionalTable, libObject()->GetPinCombinationList());
    select();
    return true;
}

void lxConnection::storeItem()
{
    if (!isModified())
        return;
    lxlib::LxLibPassiveCompConnection* connection = connectionObject();
    if (!connection) {
        connection = new lxlib::LxLibPassiveCompConnection(text());
        setLibObject(connection);
    }
    if (connection->GetName() != text())
        connection->SetName(text());
    if (lxListBox* conditions = conditionList()) {
        for (int i = 0; i < conditions->count(); ++i) {
            lxConnection* item = connectionItem(conditions->item(i));
            if (item && item != this && item->libObject() == connection)
                item->storeItem();
        }
    }
    connection->GetPinCombinationList().clear();
    if (m_nonConditionalTable)
        lxReadPinRows(m_nonConditionalTable, connection->GetPinCombinationList());
    setModified(false);
}
