#ifndef PWLOGICPARTSPAGE_H
#define PWLOGICPARTSPAGE_H

#include "PWUndoableList.h"

#include <QList>
#include <QWidget>

class PWDisableTab;
class PWListHistory;
class PWEnableTab;
class PWLatchTab;
class PWLogicTab;
class PWPinListTab;
class PWTruthTableTab;
class PWTestSequenceTab;
class PWWizardContext;
class QListWidgetItem;
class QMenu;

namespace Ui {
class PWLogicPage;
}

// The logic part page: the device's logic parts and, for the selected one,
// its tabs. The tab left is stored into the model, the tab entered refilled.
// One history holds the whole-item steps of the part list and of the tabs' lists.
class PWLogicPartsPage : public QWidget, public PWUndoableList
{
    Q_OBJECT
public:
    static constexpr int MaxLogicParts = 100;
    enum Tab { PinListTab, TruthTableTab, TestSequenceTab, EnableTab, DisableTab, LatchTab, TabCount };

    PWLogicPartsPage(PWWizardContext* context, QWidget* parent = nullptr);
    ~PWLogicPartsPage() override;

    Ui::PWLogicPage* form() const { return m_ui; }
    PWListHistory* listHistory() const { return m_history; }
    PWPinListTab* pinListTab() const { return m_pinListTab; }
    PWTruthTableTab* truthTableTab() const { return m_truthTableTab; }
    PWTestSequenceTab* testSequenceTab() const { return m_testSequenceTab; }
    PWLogicTab* tab(int index) const { return m_tabs[index]; }
    PWEnableTab* enableTab() const { return m_enableTab; }
    PWDisableTab* disableTab() const { return m_disableTab; }
    PWLatchTab* latchTab() const { return m_latchTab; }

    bool addLogicPart(const QString& name);
    bool deleteLogicPart(int pos);
    int currentLogicPart() const;
    // The tab the part showed when it was left, -1 for a part never shown.
    int lastTab(int part) const { return m_lastTab.value(part, -1); }

    // Stores what the current tab holds for the current part (leaving the page, saving).
    void storeCurrentTab();
    void showCurrentTab();
    // Lists the model's logic parts (after a load) and shows the first.
    void showModel();
    void clear();
    // Follows the device category and the read-only mode.
    void updateButtons();

    QMenu* createLogicPartMenu(QListWidgetItem* item);

    std::unique_ptr<PWTakenItem> takeItem(int part, int pos) override;
    void putItem(int part, int pos, std::unique_ptr<PWTakenItem> item) override;
    QString refusal(int part, int pos, const QString& name, const PWTakenItem* returning) const override;
    void renameItem(int part, int pos, const QString& name) override;
    void selectItem(int part, int pos) override;

public slots:
    void slotAddLogicPart();
    void slotRenameLogicPart();
    void slotDeleteLogicPart();
    void slotLogicPartLBoxSelectionChanged();
    void slotLogicPartLBoxPopppMenu(QListWidgetItem* item, const QPoint& pos);
    void slotlogicPartTWidgetCurrentChanged(int index);

signals:
    // Whether Finish may be pressed: every part has pin lists, or the view is read-only.
    void finishAllowed(bool allowed);

private:
    bool nameTaken(const QString& name) const;
    bool editable() const;
    void selectPart(int pos, bool withSignals);
    // Removes the list entry and what the tabs keep for a part whose record is gone.
    void removePartEntry(int pos);
    // Shows the part and the tab, so that a step of the tab's list is seen taken back.
    void revealTab(PWLogicTab* tab, int part);

    PWWizardContext* m_context;
    Ui::PWLogicPage* m_ui;
    PWPinListTab* m_pinListTab;
    PWTruthTableTab* m_truthTableTab;
    PWTestSequenceTab* m_testSequenceTab;
    PWLogicTab* m_tabs[TabCount];
    PWEnableTab* m_enableTab;
    PWDisableTab* m_disableTab;
    PWLatchTab* m_latchTab;
    int m_previousPart = -1;
    int m_shownTab = PinListTab;
    // By part position; as long as the model's list of parts, not the adding limit.
    QList<int> m_lastTab;
    PWListHistory* m_history;
};

#endif
