#include "lxConnector.h"

#include "LxLibPassive.h"
#include "PWImages.h"

lxConnector::lxConnector(lxListBox* list, LxLibTable* table, int passiveType)
    : lxPassiveItem(list, table, passiveType, ConnectorItemType)
{
    setImage(lxImage(QStringLiteral("PWConnector.png")));
}

void lxConnector::storeItem()
{
    if (!isModified())
        return;
    setLibObject(buildComponent(false));
    setModified(false);
}
