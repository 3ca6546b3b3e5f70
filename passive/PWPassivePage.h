#ifndef PWPASSIVEPAGE_H
#define PWPASSIVEPAGE_H

#include "PWPassiveConditionStep.h"

#include <QList>
#include <QWidget>

#include <memory>

class LxLibTable;
class LxUndoBinding;
class QListWidgetItem;
class QUndoStack;
class lxConnection;
class lxListBox;
class lxPassiveItem;

namespace Ui {
class PWPassivePage;
}

namespace lxlib {
class LxLibPassiveComponent;
}

// The passive page of the wizard: the part list, the pin combinations of the
// part shown and, for a connection, its conditions. The list items hold the
// model; this page adds, deletes and switches between them.
//
// Adding, renaming and deleting parts and conditions can be taken back
// (listHistory(), bound to both lists); each pin table has a history of its own
// that starts afresh whenever another part or condition is shown.
class PWPassivePage : public QWidget
{
    Q_OBJECT

public:
    explicit PWPassivePage(QWidget* parent = nullptr);
    ~PWPassivePage() override;

    Ui::PWPassivePage& ui() const { return *m_ui; }
    lxListBox* partList() const;
    lxListBox* conditionList() const;

    // The type every part of the device has; 0 while the part list is empty.
    int passiveType() const { return m_passiveType; }

    void preparePassivePage();
    void resetPassivePage();
    // Every item of list whose modified mark is set rebuilds its library object.
    void storeModifiedItems(lxListBox* list);
    // Both lists, as every save and every way of leaving the page does.
    void storeAllModifiedItems();
    // stem followed by the smallest n from 1 that no entry of list is called (ignoring case).
    static QString uniquePassiveName(const lxListBox* list, const QString& stem);
    bool addConditionItem();
    void showPassivePage(int type);
    void showPartNameLabel(const lxPassiveItem* item);
    // Appends a part read from a file. The page shows the first part only once
    // showCurrentPart() runs, so that loading stays linear in the number of parts.
    void loadPassiveComponent(const lxlib::LxLibPassiveComponent& component);
    // Every part of a file, then the first one shown.
    void loadPassiveComponents(const QList<const lxlib::LxLibPassiveComponent*>& components);
    void showCurrentPart();
    // The library objects of the part list, in list order (stored items only).
    QList<const lxlib::LxLibPassiveComponent*> libraryObjects() const;
    // View-only mode: no renaming from the lists' context menus.
    void setViewOnly(bool viewOnly);

    QUndoStack* listHistory() const;
    // Takes item out of the part list with everything it holds; the next part
    // (or none) is shown.
    std::unique_ptr<lxPassiveItem> takePart(lxPassiveItem* item);
    // Puts a taken part back at row and shows it.
    void putPart(int row, std::unique_ptr<lxPassiveItem> item);
    void renamePart(lxPassiveItem* item, const QString& name);
    // Whether item may carry name in the part list beside the others; shows the rule's message if not.
    bool allowsPart(const lxPassiveItem* item, const QString& name);
    // Copies of the connection's stored conditions.
    PWConditionSnapshot snapshotConditions(lxConnection* connection);
    // Gives the connection copies of conditions and shows it with condition row selected.
    void restoreConditions(lxConnection* connection, const PWConditionSnapshot& conditions, int row);

public slots:
    void slotAddPassivePart();
    void slotDeletePassiveParts();
    void slotAddCondition();
    void slotDeleteCondition();
    void slotAddConnectionPinDefinition();
    void slotDeleteConnectionPinDefinition();
    void slotAddResistorPinDefinition();
    void slotDeleteResistorPinDefinition();
    void slotAddNonConditionPinDefinition();
    void slotDeleteNonConditionPinDefinition();
    void slotPartListSelectionChanged(QListWidgetItem* item);
    void slotConditionListSelectionChanged(QListWidgetItem* item);
    void slotPassiveConnectionTableCurrentChanged(int row, int col);

signals:
    // Whether the wizard may leave the page: false while the condition table breaks the pin pair rule.
    void nextAllowed(bool allowed);

private:
    void connectSlots();
    static void prepareTable(LxLibTable* table, int kind);
    static bool hasName(const lxListBox* list, const QString& name);
    static void addPinRow(LxLibTable* table);
    static void deletePinRows(LxLibTable* table);
    void clearPinTables();
    // Creates the item of a type's class at the end of the part list; null for an unknown type.
    lxPassiveItem* makePartItem(int type, const QString& name, bool loaded);
    void setConditionNameLabel(const QString& name);
    // The current entry of list once the user agreed to question (%1 its name); null otherwise.
    QListWidgetItem* confirmedCurrent(lxListBox* list, const QString& question);
    static void takeQuietly(lxListBox* list, QListWidgetItem* item);
    void information(const QString& text);
    bool askYesNo(const QString& question);
    void setUpHistories();
    // The modified marks of the part and the condition shown follow their
    // tables' histories: once every edit is undone, as they were shown.
    void followHistories();
    // Shown items just stored: their histories' clean states move there.
    void settleStored();
    void resetTableHistories();
    void clearHistory();
    void slotItemRenamed(lxListBox* list, QListWidgetItem* item, const QString& oldName);
    // The connection shown, whose conditions the condition list holds; null for another part.
    lxConnection* shownConnection() const;

    std::unique_ptr<Ui::PWPassivePage> m_ui;
    int m_passiveType = 0;
    // The condition whose pin combinations the condition table holds.
    QListWidgetItem* m_previousCondition = nullptr;
    LxUndoBinding* m_partHistory = nullptr;
    LxUndoBinding* m_conditionHistory = nullptr;
    // Whether the part and the condition shown were modified when their tables' histories started.
    bool m_partModifiedAtShow = false;
    bool m_conditionModifiedAtShow = false;
};

#endif
