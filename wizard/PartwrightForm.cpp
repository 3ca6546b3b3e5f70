#include "PartwrightForm.h"

#include "ui_PWDevicePage.h"
#include "ui_PWFinishPage.h"
#include "ui_PWStartPage.h"

#include <QVBoxLayout>

namespace {

struct PageEntry
{
    const char* objectName;
    const char* title;
};

// Object names and initial titles; no page is titled "Page 4".
const PageEntry kPages[PartwrightForm::PageCount] = {
    {"wzpPage0", QT_TRANSLATE_NOOP("PartwrightDlg", "Page 1")},
    {"wzpPage1", QT_TRANSLATE_NOOP("PartwrightDlg", "Page 2")},
    {"wzpPage2", QT_TRANSLATE_NOOP("PartwrightDlg", "Page 3")},
    {"wzpPage4", QT_TRANSLATE_NOOP("PartwrightDlg", "Page 5")},
    {"wzpPage5", QT_TRANSLATE_NOOP("PartwrightDlg", "Page 6")},
    {"LogicSpec", QT_TRANSLATE_NOOP("PartwrightDlg", "Page 7")},
    {"wzpPageLast", QT_TRANSLATE_NOOP("PartwrightDlg", "Page 8")},
};

template <typename Form>
Form* fillPage(QWidget* page)
{
    auto* content = new QWidget(page);
    auto* form = new Form;
    form->setupUi(content);
    page->layout()->addWidget(content);
    return form;
}

} // namespace

PartwrightForm::PartwrightForm(QWidget* parent, const QString& name, bool modal, Qt::WindowFlags flags)
    : LxWizard(parent, flags)
{
    setObjectName(name.isEmpty() ? QStringLiteral("PartwrightForm") : name);
    setModal(modal);
    setWindowTitle(QCoreApplication::translate("PartwrightDlg", "Partwright Wizard"));
    resize(900, 640);
    for (const PageEntry& entry : kPages) {
        auto* page = new QWidget(this);
        page->setObjectName(QString::fromLatin1(entry.objectName));
        auto* layout = new QVBoxLayout(page);
        layout->setContentsMargins(0, 0, 0, 0);
        addPage(page, QCoreApplication::translate("PartwrightDlg", entry.title));
    }

    m_start = fillPage<Ui::PWStartPage>(page(StartPage));
    m_device = fillPage<Ui::PWDevicePage>(page(DevicePage));
    m_finish = fillPage<Ui::PWFinishPage>(page(LastPage));

    rbCreateNewModel = m_start->rbCreateNewModel;
    rbEditExisistModel = m_start->rbEditExisistModel;
    teOpenExisistAModel = m_start->teOpenExisistAModel;
    leOpenExisistingModel = m_start->leOpenExisistingModel;
    pbOpenExisistingModel = m_start->pbOpenExisistingModel;
    leDeviceId = m_device->leDeviceId;
    rbPassiveDevice = m_device->rbPassiveDevice;
    rbLogicDevice = m_device->rbLogicDevice;
    rbMemoryTestDevice = m_device->rbMemoryTestDevice;
    rbMemoryProgramDevice = m_device->rbMemoryProgramDevice;
    leModelName = m_finish->leModelName;
    pbSaveModel = m_finish->pbSaveModel;
    FinishLabel = m_finish->FinishLabel;
    showPage(page(StartPage));
}

PartwrightForm::~PartwrightForm()
{
    delete m_start;
    delete m_device;
    delete m_finish;
}

QVBoxLayout* PartwrightForm::pageLayout(PageIndex index) const
{
    QWidget* p = page(index);
    return p ? qobject_cast<QVBoxLayout*>(p->layout()) : nullptr;
}
