#ifndef PARTWRIGHTFORM_H
#define PARTWRIGHTFORM_H

#include "LxWizard.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace Ui {
class PWStartPage;
class PWDevicePage;
class PWFinishPage;
} // namespace Ui

// The wizard's seven pages. Each page's content comes from its own form; pages
// whose editors live elsewhere are filled through pageLayout().
class PartwrightForm : public LxWizard
{
    Q_OBJECT
public:
    enum PageIndex { StartPage = 0, DevicePage, HeaderPage, PassivePage, PackagePage, LogicPage, LastPage, PageCount };

    PartwrightForm(QWidget* parent, const QString& name, bool modal, Qt::WindowFlags flags);
    ~PartwrightForm() override;

    QWidget* wizardPage(PageIndex index) const { return page(index); }
    // The layout that holds a page's content.
    QVBoxLayout* pageLayout(PageIndex index) const;

    // Page 0
    QRadioButton* rbCreateNewModel;
    QRadioButton* rbEditExisistModel;
    QLabel* teOpenExisistAModel;
    QLineEdit* leOpenExisistingModel;
    QPushButton* pbOpenExisistingModel;
    // Page 1
    QLineEdit* leDeviceId;
    QRadioButton* rbPassiveDevice;
    QRadioButton* rbLogicDevice;
    QRadioButton* rbMemoryTestDevice;
    QRadioButton* rbMemoryProgramDevice;
    // Last page
    QLineEdit* leModelName;
    QPushButton* pbSaveModel;
    QLabel* FinishLabel;

private:
    Ui::PWStartPage* m_start;
    Ui::PWDevicePage* m_device;
    Ui::PWFinishPage* m_finish;
};

#endif
