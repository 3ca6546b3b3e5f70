#include "LxListMenu.h"

#include <QListWidget>
#include <QMenu>

void lxConnectListMenu(QListWidget* list, QObject* receiver,
                       const std::function<void(QListWidgetItem*, const QPoint&)>& slot)
{
    QObject::connect(list, &QWidget::customContextMenuRequested, receiver, [list, slot](const QPoint& pos) {
        slot(list->itemAt(pos), list->viewport()->mapToGlobal(pos));
    });
}

void lxExecPopup(QMenu* menu, const QPoint& pos)
{
    if (!menu)
        return;
    menu->exec(pos);
    menu->deleteLater();
}
