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

public slots:
    void slotDisableTypeStateChanged(int state);

protected:
    void prepareNew() override;
    void prepareEditor() override;
    void storePattern(int part, int index) override;
    void showPattern(int index) override;

private:
    QCheckBox* m_boxes[DisableTypeCount];
};

#endif
