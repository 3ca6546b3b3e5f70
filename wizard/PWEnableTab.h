#ifndef PWENABLETAB_H
#define PWENABLETAB_H

#include "PWPatternTab.h"

#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QStackedWidget;

namespace lxlib {
class LxLibSetEnable;
}

// The "Enable Control" tab: the enable patterns of the current logic part, each
// with its signal settings, its kind of enable and the power control flag.
class PWEnableTab : public PWPatternTab
{
    Q_OBJECT
public:
    static constexpr int MaxEnables = 100;
    // Positions of EnableTypeCBox. OutputDisable is listed only while a pattern
    // read with such an enable setting is shown.
    enum EnableType { TypeNone, TypeEquation, TypeConnection, TypeOutputEnable, TypeChipEnable, TypeOutputDisable };

    PWEnableTab(PWWizardContext* context, QWidget* parent);
    ~PWEnableTab() override;

    void showEnableType(int type);

    // An empty name takes the next default name.
    bool addEnablePattern(const QString& name);
    void removeEnablePattern(int part, int index);
    bool storeEnablePattern(int part, int index);
    // Pattern index of the current logic part.
    void showEnablePattern(int index);
    // For the current logic part.
    void fillEnableTab();
    void showTab(int part) override;

public slots:
    void slotAddEnable();
    void slotDeleteEnable();
    void slotRenameEnable();
    void slotEnableLBoxSelectionChanged();
    void slotEnableLBoxContextMenuRequested(QListWidgetItem* item, const QPoint& pos);
    void slotEnableTypeCBoxActivated(int index);
    void slotEnableEqualConnectionCBoxActivated(int index);
    void slotSetPowerControl();
    void slotAddEnableItem();
    void slotDeleteEnableItem();
    void slotEnableTableValueChanged(int row, int col);
    void slotEnableTableComboBoxItemActivated(int index);

protected:
    // Also forgets the output disable kept from the pattern shown.
    void clearEditor() override;
    void prepareEditor() override;
    void storePattern(int part, int index) override { storeEnablePattern(part, index); }
    void showPattern(int index) override { showEnablePattern(index); }

private:
    void setUpHistory();
    QGroupBox* relationGroup(const QString& name, const QString& title, const QString& relation,
                             QComboBox* boxes[3]);
    void fillSignalChoices();
    void showRelation(const lxlib::LxLibSetEnable& setEnable, int type);
    lxlib::LxLibSetEnable* shownSetEnable() const;
    void setOutputDisable(const lxlib::LxLibSetEnable* setEnable);

    QComboBox* m_type;
    QCheckBox* m_powerControl;
    QStackedWidget* m_typeStack;
    QComboBox* m_equal[3];
    QComboBox* m_connection[3];
    // An output disable read from a file, kept as it was while its pattern is shown.
    std::unique_ptr<lxlib::LxLibSetEnable> m_outputDisable;
};

#endif
