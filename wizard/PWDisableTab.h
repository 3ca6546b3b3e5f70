#ifndef PWDISABLETAB_H
#define PWDISABLETAB_H

#include "PWPatternTab.h"

class QCheckBox;

// The "Disable Control" tab: the disable patterns of the current logic part,
// each with its signal settings and the signal types it disables.
class PWDisableTab : public PWPatternTab
{
    Q_OBJECT
public:
    static constexpr int MaxDisables = 21;
    static constexpr int DisableTypeCount = 7;

    PWDisableTab(PWWizardContext* context, QWidget* parent);

    // The box of a signal type of the disable type list, null for other types.
    QCheckBox* typeBox(const QString& signalTypeName) const;

    // "All" or a signal type name.
    void enableDisableTypeChecks(const QString& name, bool enable);
    void setDisableTypeChecks(const QString& name, bool on);
    // Enables exactly the boxes of the types the shown part has.
    void updateDisableTypeChecks();

    // An empty name takes the next default name.
    bool addDisablePattern(const QString& name);
    void removeDisablePattern(int part, int index);
    bool storeDisablePattern(int part, int index);
    // Pattern index of the current logic part.
    void showDisablePattern(int index);
    // For the current logic part.
    void fillDisableTab();
    void showTab(int part) override;

public slots:
    void slotAddDisable();
    void slotDeleteDisable();
    void slotRenameDisable();
    void slotDisableLBoxSelectionChanged();
    void slotDisableLBoxContextMenuRequested(QListWidgetItem* item, const QPoint& pos);
    void slotAddDisableItem();
    void slotDeleteDisableItem();
    void slotDisableTableValueChanged(int row, int col);
    void slotDisableTableComboBoxItemActivated(int index);
    void slotDisableTypeStateChanged(int state);
    // The tab has no type selectors to connect them to; they only mark the pattern.
    void slotDisableTypeCBoxActivated(int index);
    void slotDisableEqualConnectionCBoxActivated(int index);

protected:
    void prepareNew() override;
    void prepareEditor() override;
    void storePattern(int part, int index) override { storeDisablePattern(part, index); }
    void showPattern(int index) override { showDisablePattern(index); }

private:
    QCheckBox* m_boxes[DisableTypeCount];
};

#endif
