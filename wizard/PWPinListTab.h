#ifndef PWPINLISTTAB_H
#define PWPINLISTTAB_H

#include "PWLogicTab.h"
#include "PWUndoableList.h"

#include <QHash>

#include <functional>

class QListWidgetItem;
class QMenu;

namespace Ui {
class PWPinListTab;
}

// The "Pin List" tab: the pin lists of the current logic part, one edited at a
// time in the table until it is taken over into the model. Every change of a
// part's pin lists rebuilds its signal index and prunes its patterns.
class PWPinListTab : public PWLogicTab, public PWUndoableList
{
    Q_OBJECT
public:
    static constexpr int MaxPinLists = 100;

    PWPinListTab(PWWizardContext* context, QWidget* parent);
    ~PWPinListTab() override;

    Ui::PWPinListTab* form() const { return m_ui; }

    void storeTab(int part) override;
    void showTab(int part) override;
    void clearTab() override;
    void logicPartRemoved(int part) override;
    QList<int> partMarks(int part) const override;
    void logicPartInserted(int part, const QList<int>& marks) override;

    // Names the logic part record made when a pin list is stored into a gap.
    void setLogicPartNameProvider(std::function<QString()> provider) { m_partName = std::move(provider); }

    bool addPinList(const QString& name, bool makeUnique);
    void deletePinList(int part, int k);

    // Pin lists leave with their pins; the part's patterns are pruned meanwhile.
    std::unique_ptr<PWTakenItem> takeItem(int part, int pos) override;
    void putItem(int part, int pos, std::unique_ptr<PWTakenItem> item) override;
    QString refusal(int part, int pos, const QString& name, const PWTakenItem* returning) const override;
    void renameItem(int part, int pos, const QString& name) override;
    void selectItem(int part, int pos) override;

    void showPinList(int part, int k);
    void storePinList(int part, int k);
    // Stores the pin list whose widgets hold unstored edits.
    void takeOverEdited();
    int currentPinList() const;
    // The package page is left. Only when the table is marked for refresh do the
    // pin lists of the current logic part lose the pin names no package has any
    // more, and the pin list shown is refilled over the new choices.
    void packagesChanged();
    void updateEditable();

    QMenu* createPinListMenu(QListWidgetItem* item);

public slots:
    void slotAddPinList();
    void slotRenamePinList();
    void slotDelPinList();
    void slotInsertPinList(int value);
    void slotPinListListMenuRequested(QListWidgetItem* item, const QPoint& pos);
    void slotPinListLBoxSelectionChanged();
    void slotAddPinListPinDefinition();
    void slotDelPinListPinDefinition();
    void slotPinListTableValueChanged(int row, int col);
    void slotPinListChanged(int part);
    // Ctrl+V: rows of pin name, signal type and bit, checked as if typed.
    void slotPastePins(const QString& text);

signals:
    // The signal index of the part was rebuilt; tabs built on it refill.
    void signalIndexChanged(int part);

private:
    int currentPart() const;
    void markEdited();
    // Whether a pin list of the model, or an entry of the list not stored yet, has the name.
    bool pinListNameUsed(const QString& name) const;
    void appendEntry(const QString& name);
    // The list entry, mark and signal index follow a pin list gone from the model.
    void removeEntry(int part, int k);
    QString usedNameMessage(const QString& name) const;
    void selectEntry(int k);
    void setRow(int row, const QString& pinName, int pinType, const QString& signal, const QString& bit);
    const QStringList& allowedTypes(int pinType);

    Ui::PWPinListTab* m_ui;
    std::function<QString()> m_partName;
    // The part whose pin list the widgets hold, -1 when none.
    int m_shownPart = -1;
    // Signal choices per pin type, valid while one pin list is filled.
    QHash<int, QStringList> m_allowed;
};

#endif
