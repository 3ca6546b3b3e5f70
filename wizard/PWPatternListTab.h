#ifndef PWPATTERNLISTTAB_H
#define PWPATTERNLISTTAB_H

#include "LxListMenu.h"
#include "PWEditMarks.h"
#include "PWLogicTab.h"
#include "PWUndoableList.h"

#include <QListWidget>
#include <QPushButton>
#include <QSet>

#include <array>
#include <functional>

class CLogicPart;
namespace lxlib {
class LxLibObject;
}
class LxLibTable;
class LxTableHistory;
class QComboBox;
class QMenu;
class QStackedWidget;
class QVBoxLayout;

// The frame of the enable, disable and latch tabs: the named items of the
// current logic part in a list, one of them edited at a time on the editor
// page. The editor's widgets hold the item until it is stored: when another
// item is selected or added, and when the tab, the part or the page is left.
// Each tab connects the frame's widgets to its own slots, which call the
// frame's shared operations.
class PWPatternListTab : public PWLogicTab, public PWUndoableList
{
    Q_OBJECT
public:
    // What the tab lists, the object names of the frame's widgets and the
    // texts of its messages.
    struct ObjectNames
    {
        const char *list, *add, *remove, *stack, *editorPage, *invalidPage;
    };
    struct Setup
    {
        enum Kind { Enables, Disables, Latches } kind = Enables;
        ObjectNames names{};
        QString emptyText;
        QString icon;
        QString defaultBase;
        int limit = 100;
        QString cannotAdd, askAdd, limitReached, notAllowed;
        QString askRename, noRenameName;
        // With %1 for the item's name.
        QString askDelete;
        // Whether a renamed item takes the answer stripped of its blanks.
        bool stripRename = false;
        // Whether default names avoid the names of the other logic parts too.
        bool defaultsAcrossParts = true;
    };

    PWPatternListTab(const Setup& setup, PWWizardContext* context, QWidget* parent);

    void storeTab(int part) override;
    void showTab(int part) override;
    void clearTab() override;
    void logicPartRemoved(int part) override;
    QList<int> partMarks(int part) const override { return m_marks.kindMarks(part); }
    void logicPartInserted(int part, const QList<int>& marks) override;

    QListWidget* list() const { return m_list; }
    QPushButton* addButton() const { return m_add; }
    QPushButton* deleteButton() const { return m_delete; }
    QStackedWidget* stack() const { return m_stack; }
    int currentIndex() const;
    int mark(int part, int index) const { return m_marks.mark(index, part); }

    // Items leave with all their settings, by the part they belong to.
    std::unique_ptr<PWTakenItem> takeItem(int part, int pos) override;
    void putItem(int part, int pos, std::unique_ptr<PWTakenItem> item) override;
    QString refusal(int part, int pos, const QString& name, const PWTakenItem* returning) const override;
    void renameItem(int part, int pos, const QString& name) override;
    void selectItem(int part, int pos) override;

    // The tab's New, Rename and Delete slots on the entry under the pointer.
    QMenu* createListMenu(QListWidgetItem* item);

protected:
    // Connects the buttons and the list to the tab's slots for adding, renaming,
    // deleting, a selection change and a context menu request.
    template <class Tab>
    void connectList(Tab* tab, void (Tab::*add)(), void (Tab::*rename)(), void (Tab::*remove)(),
                     void (Tab::*changed)(), void (Tab::*menuRequested)(QListWidgetItem*, const QPoint&))
    {
        connect(m_add, &QPushButton::clicked, tab, add);
        connect(m_delete, &QPushButton::clicked, tab, remove);
        connect(m_list, &QListWidget::itemSelectionChanged, tab, changed);
        lxConnectListMenu(m_list, tab, [tab, menuRequested](QListWidgetItem* item, const QPoint& pos) {
            (tab->*menuRequested)(item, pos);
        });
        m_menuSlots = {[tab, add] { (tab->*add)(); }, [tab, rename] { (tab->*rename)(); },
                       [tab, remove] { (tab->*remove)(); }};
    }

    // What the tab's slots do: asks for a name and hands it to add; asks for
    // the current entry's new name; asks before handing the current entry to
    // remove; stores the edited item and shows the selected one; runs the menu.
    // Without remove, removePattern serves.
    void addItem(const std::function<bool(const QString&)>& add);
    void renameCurrent();
    void deleteCurrent(const std::function<void(int, int)>& remove = {});
    void selectionChanged();
    void execListMenu(QListWidgetItem* item, const QPoint& pos);

    // Adds an item under name, or under a default name for an empty one.
    bool addPattern(const QString& name);
    // Removes item index of part from list and model, as a step of the history when there is one.
    void removePattern(int part, int index);
    // Fills the list for part and shows its last item.
    void fillTab(int part);
    // Item index of part holds no edits the model lacks.
    void setStored(int part, int index) { m_marks.setMark(index, PWEditMarks::Stored, part); }

    int shownPart() const { return m_shownPart; }
    const CLogicPart* shownRecord() const;
    // The record of part, made under the logic part's list name when missing.
    CLogicPart& record(int part);
    QVBoxLayout* editorLayout() const { return m_editorLayout; }
    void markEdited();
    // The item's mark follows the history of the editor's table: once every
    // edit is undone, the item is as it was shown.
    void followHistory(LxTableHistory* history);
    bool editable() const;
    static void setChoices(QComboBox* box, const QStringList& choices);
    // Where new rows go: above the selected current row, else at the end.
    static int insertionRow(const LxLibTable* table);
    // The non-blank lines of a clipboard text, keyed by their line number from 1.
    static QList<QPair<int, QString>> pastedLines(const QString& text);
    // Selects the signal name; a name the part does not offer is listed before
    // the closing empty entry, so that it is kept as it was read.
    static void showSignal(QComboBox* box, const QString& name);
    bool readOnly() const;

    int patternCount(const CLogicPart& part) const;
    QString patternName(const CLogicPart& part, int index) const;
    // Whether the shown part has the signals an item needs; set by prepareEditor.
    void setAddable(bool addable) { m_addable = addable; }

    // Empties the editor for a new item.
    virtual void prepareNew() { clearEditor(); }
    // Builds the editor's columns and choices for the shown part.
    virtual void prepareEditor() = 0;
    // Takes the editor's widgets into item index of the part, replacing it.
    virtual void storePattern(int part, int index) = 0;
    // Shows item index of the shown part in the editor.
    virtual void showPattern(int index) = 0;
    virtual void clearEditor() = 0;

private:
    // The names a default name must avoid.
    QSet<QString> takenNames() const;
    QString defaultName(int n) const;
    void appendEntry(const QString& name);
    void selectEntry(int index);
    void emptyWidgets();
    void storeEdited();
    void updateDeleteButton();

    // Removes the item at once, leaving nothing to take back.
    void deletePattern(int part, int index);
    lxlib::LxLibObject* takeModelPattern(CLogicPart& part, int index);
    void insertModelPattern(CLogicPart& part, int index, lxlib::LxLibObject* pattern);
    // The list entry and marks follow an item gone from the model.
    void removeEntry(int part, int index);

    Setup m_setup;
    bool m_addable = false;
    QListWidget* m_list;
    QPushButton* m_add;
    QPushButton* m_delete;
    QStackedWidget* m_stack;
    QWidget* m_editorPage;
    QWidget* m_invalidPage;
    QVBoxLayout* m_editorLayout;
    // Position: item; kind: logic part.
    PWEditMarks m_marks{PWEditMarks::Positions};
    // New, Rename and Delete of the list's menu.
    std::array<std::function<void()>, 3> m_menuSlots;
    int m_shownPart = -1;
    LxTableHistory* m_history = nullptr;
};

#endif
