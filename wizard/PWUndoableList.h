#ifndef PWUNDOABLELIST_H
#define PWUNDOABLELIST_H

#include <QString>

#include <memory>

// An item taken out of its list, kept by the history until it goes back.
struct PWTakenItem
{
    virtual ~PWTakenItem() = default;
    QString name;
    // The edit mark the item's position held.
    int mark = 0;
};

// The model record travels with the item; nothing is copied.
template <typename T>
struct PWTakenRecord : PWTakenItem
{
    std::unique_ptr<T> record;
};

// A list of whole items (packages, logic parts, pin lists, ...) whose adding,
// renaming and deleting the page's history takes back. `part` is the logic
// part a tab's list belongs to; lists of the device ignore it.
class PWUndoableList
{
public:
    // Takes item pos out of the widgets and the model, with its edit mark;
    // what the widgets held is stored first, so the item is complete.
    virtual std::unique_ptr<PWTakenItem> takeItem(int part, int pos) = 0;
    // Puts the item back at pos and selects it.
    virtual void putItem(int part, int pos, std::unique_ptr<PWTakenItem> item) = 0;
    // The message of the rule (limit, uniqueness, reserved name) that putting
    // `returning` back at pos would break or, with no item returning, renaming
    // item pos to name; empty when nothing would be.
    virtual QString refusal(int part, int pos, const QString& name, const PWTakenItem* returning) const = 0;
    virtual void renameItem(int part, int pos, const QString& name) = 0;
    // Shows the list (of the part) and selects the entry at pos.
    virtual void selectItem(int part, int pos) = 0;

protected:
    ~PWUndoableList() = default;
};

#endif
