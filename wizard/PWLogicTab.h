#ifndef PWLOGICTAB_H
#define PWLOGICTAB_H

#include <QWidget>

class PWWizardContext;

// One tab of the logic part page. The page stores the tab it leaves and shows
// the tab it enters; the tab keeps what is being edited in its widgets between.
class PWLogicTab : public QWidget
{
    Q_OBJECT
public:
    PWLogicTab(PWWizardContext* context, QWidget* parent) : QWidget(parent), m_context(context) {}

    // Takes the item the tab shows into logic part `part` when it holds edits.
    virtual void storeTab(int part) = 0;
    // Refills the tab from logic part `part`; a position without a part shows it empty.
    virtual void showTab(int part) = 0;
    virtual void clearTab() = 0;
    // A logic part was removed; edits kept for the parts behind it move up.
    virtual void logicPartRemoved(int part) { Q_UNUSED(part); }

protected:
    PWWizardContext* context() const { return m_context; }

private:
    PWWizardContext* m_context;
};

#endif
