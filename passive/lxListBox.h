#ifndef LXLISTBOX_H
#define LXLISTBOX_H

#include <QListWidget>

class LxUndoBinding;
class QListWidgetItem;
class QMenu;

// The part and condition lists of the passive page. Its entries are passive
// items (lxPassiveItem) that draw themselves through the list's delegate; other
// entries are drawn as plain text.
class lxListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit lxListBox(QWidget* parent = nullptr, const char* name = nullptr);

    // The popup of the context menu ("Rename ...", "Sort", then the history's
    // "Undo" and "Redo"); null on an empty list. The caller owns it.
    QMenu* createContextMenu();
    // The history whose entries the context menu offers (not owned).
    void setHistory(LxUndoBinding* history) { m_history = history; }

signals:
    // After renameItem() gave item a new name.
    void itemRenamed(QListWidgetItem* item, const QString& oldName);

public slots:
    // Asks for a new name of the current passive item through the prompter.
    void renameItem();
    void slotSort(int ascending);
    // Marks the current passive item as edited; the tables' valueChanged arrive here.
    void slotIsChanged(int row, int col);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    LxUndoBinding* m_history = nullptr;
};

#endif
