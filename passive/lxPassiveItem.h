#ifndef LXPASSIVEITEM_H
#define LXPASSIVEITEM_H

#include <QListWidgetItem>
#include <QPixmap>

#include <memory>

class LxLibTable;
class lxListBox;
class QPainter;

namespace lxlib {
class LxLibPassiveComponent;
}

// One passive part in the part list: its name (the item text), its passive type,
// the table that shows its pin combinations and the library object it stands for,
// rebuilt from the table whenever the item was edited.
//
// The item owns its library object. Condition items share the object of their
// connection (lxCondition::setLink), so a connection and its conditions stay
// valid until the last of the connection's item and its condition items is gone.
class lxPassiveItem : public QListWidgetItem
{
public:
    // Type ids of the passive items; every id from PassiveItemType to
    // ConditionItemType is a passive item.
    enum ItemType {
        PassiveItemType = QListWidgetItem::UserType + 1,
        ResistorItemType,
        ConnectorItemType,
        ConnectionItemType,
        ConditionItemType
    };

    // Appends the item to list; edits of table mark the list's current item modified.
    lxPassiveItem(lxListBox* list, LxLibTable* table, int passiveType);
    ~lxPassiveItem() override;

    // The item as a passive item, or null when it is none.
    static lxPassiveItem* passiveItem(QListWidgetItem* item);
    static const lxPassiveItem* passiveItem(const QListWidgetItem* item);

    // Null until first built.
    lxlib::LxLibPassiveComponent* libObject() const { return m_libObject.get(); }
    const std::shared_ptr<lxlib::LxLibPassiveComponent>& sharedLibObject() const { return m_libObject; }
    // Takes ownership of object (null frees the current one).
    void setLibObject(lxlib::LxLibPassiveComponent* object);

    LxLibTable* pinTable() const { return m_pinTable; }
    lxListBox* conditionList() const { return m_conditionList; }
    int passiveType() const { return m_passiveType; }
    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }
    const QPixmap& image() const { return m_image; }

    virtual int height(const QListWidget* list) const;
    // Image, gap and name, so that a long name widens the list's contents.
    virtual int width(const QListWidget* list) const;
    // Draws the image and the name into the 16 pixel high row at the painter's origin.
    virtual void paint(QPainter* painter) const;
    // Fills the item's table from its library object and makes it the list's
    // current entry; false when there is nothing to show.
    virtual bool showItem();
    // Rebuilds the library object from the table, only when the item is modified.
    virtual void storeItem();

    // Plain comparison of the names, for sorting.
    bool operator<(const QListWidgetItem& other) const override;

protected:
    lxPassiveItem(lxListBox* list, LxLibTable* table, int passiveType, int itemType);

    void setImage(const QPixmap& image) { m_image = image; }
    void setConditionListPointer(lxListBox* list) { m_conditionList = list; }
    void setSharedLibObject(std::shared_ptr<lxlib::LxLibPassiveComponent> object) { m_libObject = std::move(object); }
    // Makes the component from the name, the type and, with a table, its pin combinations.
    lxlib::LxLibPassiveComponent* buildComponent(bool withPins) const;
    // Marks this item the current one of its list.
    void select();

private:
    std::shared_ptr<lxlib::LxLibPassiveComponent> m_libObject;
    LxLibTable* m_pinTable;
    lxListBox* m_conditionList = nullptr;
    int m_passiveType;
    bool m_modified = false;
    QPixmap m_image;
};

#endif
