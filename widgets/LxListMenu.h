#ifndef LXLISTMENU_H
#define LXLISTMENU_H

#include <QPoint>

#include <functional>

class QListWidget;
class QListWidgetItem;
class QMenu;
class QObject;

// Routes a list's context menu requests as (entry under the pointer or null,
// global position), the form the editors' menu slots take.
void lxConnectListMenu(QListWidget* list, QObject* receiver,
                       const std::function<void(QListWidgetItem*, const QPoint&)>& slot);
// Runs a popup menu at pos, if there is one, and disposes of it afterwards.
void lxExecPopup(QMenu* menu, const QPoint& pos);

#endif
