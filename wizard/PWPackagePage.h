#ifndef PWPACKAGEPAGE_H
#define PWPACKAGEPAGE_H

#include <QWidget>

class CPackage;
class PWWizardContext;
class QListWidgetItem;
class QMenu;

namespace Ui {
class PWPackagePage;
}

// The packages page: the device's packages, their ids, TAP flag and pin table.
// Edits stay in the widgets until the package is taken over into the model.
class PWPackagePage : public QWidget
{
    Q_OBJECT
public:
    static constexpr int MaxPackages = 100;

    PWPackagePage(PWWizardContext* context, QWidget* parent = nullptr);
    ~PWPackagePage() override;

    Ui::PWPackagePage* form() const { return m_ui; }

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
    void fillTable(const CPackage* package);
    void setPinTypeChoice(int row, int type);
    QStringList columnTexts(int col) const;
    // Fits the Number and Name columns to their texts, up to a maximum.
    void fitTextColumns(bool mayShrink);
    void selectPackage(int pos);

    PWWizardContext* m_context;
    Ui::PWPackagePage* m_ui;
};

#endif
