#ifndef PWPACKAGEPAGE_H
#define PWPACKAGEPAGE_H

#include "PWUndoableList.h"

#include <QWidget>

class CPackage;
class PWListHistory;
class PWWizardContext;
class QListWidgetItem;
class QMenu;

namespace Ui {
class PWPackagePage;
}

// The packages page: the device's packages, their ids, TAP flag and pin table.
// Edits stay in the widgets until the package is taken over into the model.
// Adding, renaming and deleting packages can be taken back (listHistory).
class PWPackagePage : public QWidget, public PWUndoableList
{
    Q_OBJECT
public:
    static constexpr int MaxPackages = 100;

    PWPackagePage(PWWizardContext* context, QWidget* parent = nullptr);
    ~PWPackagePage() override;

    Ui::PWPackagePage* form() const { return m_ui; }
    PWListHistory* listHistory() const { return m_history; }

    // Adds a list entry for a package the model already has (loading) or will get.
    void appendPackageEntry(const QString& name);
    void showPackage(int pos);
    void storePackage(int pos);
    // Stores the first package whose widgets hold unstored edits.
    void takeOverEdited();
    int currentPackage() const;
    // Lists the model's packages (after a load) and shows the first.
    void showModel();
    // Empties the page; the model is emptied by its owner.
    void clear();
    // Follows the device category and the read-only mode.
    void updateEditable();

    // The context menu of the list, for an entry (or none) under the pointer.
    QMenu* createPackageMenu(QListWidgetItem* item);

    std::unique_ptr<PWTakenItem> takeItem(int part, int pos) override;
    void putItem(int part, int pos, std::unique_ptr<PWTakenItem> item) override;
    QString refusal(int part, int pos, const QString& name, const PWTakenItem* returning) const override;
    void renameItem(int part, int pos, const QString& name) override;
    void selectItem(int part, int pos) override;

    // Whether column col of row may hold text t next to the other rows.
    static bool isUniqueCellText(const QStringList& column, int row, int col, const QString& t);

public slots:
    void slotAddPackage();
    void slotRenamePackage();
    void slotDelPackage();
    void slotInsertPackage(int pos);
    void slotPackageListMenuRequested(QListWidgetItem* item, const QPoint& pos);
    void slotPackageLBoxSelectionChanged();
    void slotAddPackageId();
    void slotDelPackageId();
    void slotPackageIdListCBoxActivated();
    void slotSetPackageHasTap(int state);
    void slotAddPackagePinDefinition();
    void slotDelPackagePinDefinition();
    void slotPackageTableValueChanged(int row, int col);
    void slotPackageTableCurrentChanged(int row, int col);
    // Ctrl+V: rows of number, name and type, checked as if typed.
    void slotPastePins(const QString& text);

signals:
    // The current logic part lost its pin lists because its last package went.
    void pinListsDeleted();

private:
    void setUpHistory();
    // The package shown starts a fresh history.
    void resetHistory();
    void markEdited();
    bool refuseUsedId(const QString& id, bool withIdInEmptyText);
    // The message for an id another package has, empty when none has it.
    // The package at position except (-1: none) does not count.
    QString usedIdMessage(const QString& id, bool withIdInEmptyText, int except = -1) const;
    // Selects and shows the entry that is current after one was removed.
    void showAfterRemoval();
    void fillTable(const CPackage* package);
    void setPinTypeChoice(int row, int type);
    QStringList columnTexts(int col) const;
    // Fits the Number and Name columns to their texts, up to a maximum.
    void fitTextColumns(bool mayShrink);
    void selectPackage(int pos);

    PWWizardContext* m_context;
    Ui::PWPackagePage* m_ui;
    PWListHistory* m_history;
};

#endif
