#include "lxListBox.h"

#include "LxPrompter.h"
#include "LxUndoBinding.h"
#include "PWImages.h"
#include "lxListBoxDelegate.h"
#include "lxPassiveItem.h"

#include <QContextMenuEvent>
#include <QMenu>

lxListBox::lxListBox(QWidget* parent, const char* name)
    : QListWidget(parent)
{
    setObjectName(name ? QString::fromLatin1(name) : QStringLiteral("lxListBox"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new lxListBoxDelegate(this));
}

QMenu* lxListBox::createContextMenu()
{
    // An empty list offers no menu; Ctrl+Z still reaches its history.
    if (count() == 0)
        return nullptr;
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("lxListBoxMenu"));
    menu->addAction(tr("Rename ..."), this, &lxListBox::renameItem);
    QMenu* sort = menu->addMenu(tr("Sort"));
    sort->addAction(QIcon(lxImage(QStringLiteral("PWAscending.png"))), tr("Ascending"), this,
                    [this] { slotSort(1); });
    sort->addAction(QIcon(lxImage(QStringLiteral("PWDescending.png"))), tr("Descending"), this,
                    [this] { slotSort(0); });
    if (m_history)
        m_history->appendTo(menu);
    return menu;
}

void lxListBox::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createContextMenu();
    if (!menu) {
        event->ignore();
        return;
    }
    event->accept();
    // Opens wherever the user clicked; the actions work on the current entry.
    menu->exec(event->globalPos());
    delete menu;
}

void lxListBox::slotSort(int ascending)
{
    sortItems(ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void lxListBox::slotIsChanged(int, int)
{
    if (lxPassiveItem* item = lxPassiveItem::passiveItem(currentItem()))
        item->setModified(true);
}

void lxListBox::renameItem()
{
    lxPassiveItem* item = lxPassiveItem::passiveItem(currentItem());
    if (!item)
        return;
    bool ok = false;
    const QString name = lxPrompter().getText(this, tr("Partwright"), tr("Please type de name of the item:"),
                                              item->text(), &ok);
    if (!ok || name == item->text())
        return;
    for (int i = 0; i < count(); ++i) {
        const lxPassiveItem* other = lxPassiveItem::passiveItem(this->item(i));
        // The item itself may change the case of its own name.
        if (other && other != item && other->text().compare(name, Qt::CaseInsensitive) == 0) {
            //: %1 = the name typed
            const QString message = tr("Condition name \"%1\" is already used").arg(name);
            lxPrompter().information(this, tr("Partwright"), message);
            return;
        }
    }
    const QString oldName = item->text();
    item->setText(name);
    item->setModified(true);
    emit itemRenamed(item, oldName);
}
