#include "PartwrightDlg.h"

#include "LxHelpLauncher.h"
#include "LxLibTable.h"
#include "LxPrompter.h"
#include "CLogicChecks.h"
#include "PWAboutForm.h"
#include "PWDeviceModel.h"
#include "PWHeaderPage.h"
#include "PWListHistory.h"
#include "PWLogicPartsPage.h"
#include "PWModelFile.h"
#include "PWPackagePage.h"
#include "PWPassivePage.h"
#include "PWPinListTab.h"
#include "PWReportExport.h"
#include "PWSaveRules.h"
#include "PWWizardContext.h"
#include "PWImages.h"
#include "ui_PWPassivePage.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

std::function<QString()>& databasePathProvider()
{
    static std::function<QString()> provider;
    return provider;
}

QString cleanName(const QString& file)
{
    return file.isEmpty() ? file : QDir::toNativeSeparators(QDir::cleanPath(file));
}

} // namespace

PartwrightDlg::PartwrightDlg(QWidget* parent, const QString& name, const QString& fileName, Qt::WindowFlags flags)
    : PartwrightForm(parent, name, !fileName.isNull(), flags), m_proposedFilePath(fileName),
      m_reportExport(std::make_unique<PWReportExport>(this))
{
    buildMenuBar();
    createLogicPages();
    createPassivePage();
    setPassiveReportBuilder([this] { return buildPassiveModel(); });
    connectModelFile();

    connect(rbPassiveDevice, &QRadioButton::toggled, this, &PartwrightDlg::slotDeviceSelected);
    connect(rbLogicDevice, &QRadioButton::toggled, this, &PartwrightDlg::slotDeviceSelected);
    connect(rbMemoryTestDevice, &QRadioButton::toggled, this, &PartwrightDlg::slotDeviceSelected);
    connect(rbMemoryProgramDevice, &QRadioButton::toggled, this, &PartwrightDlg::slotDeviceSelected);
    connect(rbEditExisistModel, &QRadioButton::toggled, this, &PartwrightDlg::slotModelTypeChanged);
    connect(rbCreateNewModel, &QRadioButton::toggled, this, &PartwrightDlg::slotModelTypeChanged);
    connect(leOpenExisistingModel, &QLineEdit::textChanged, this, &PartwrightDlg::slotOpenExistingTextChanged);
    connect(leDeviceId, &QLineEdit::textChanged, this, &PartwrightDlg::slotDeviceIdTextChanged);

    m_editState.addField(leDeviceId);
    m_editState.addField(leModelName);
    m_editState.addControl(pbSaveModel);

    setNextEnabled(wizardPage(StartPage), false);
    setNextEnabled(wizardPage(DevicePage), false);
    setNextEnabled(wizardPage(HeaderPage), true);
    teOpenExisistAModel->hide();
    resetModel();
    rbEditExisistModel->setChecked(true);
    helpButton()->hide();
    backButton()->hide();
    backButton()->setText(tr("< &Back"));
    nextButton()->setText(tr("&Next >"));
    finishButton()->setText(tr("&Finish"));
    cancelButton()->setText(tr("&Cancel"));
    setWindowFlags(windowFlags() & ~Qt::WindowStaysOnTopHint);
}

PartwrightDlg::~PartwrightDlg() = default;

void PartwrightDlg::setPassiveReportBuilder(std::function<bool()> builder)
{
    m_reportExport->setPassiveBuilder(std::move(builder));
}

QStringList PartwrightDlg::textReport()
{
    return m_reportExport->textReport();
}

void PartwrightDlg::slotMenuFileExport()
{
    m_reportExport->exportReport();
}

void PartwrightDlg::createLogicPages()
{
    m_headerPage = new PWHeaderPage(wizardPage(HeaderPage));
    pageLayout(HeaderPage)->addWidget(m_headerPage);
    m_headerPage->registerEditState(m_editState);
    connect(this, &PartwrightDlg::modelReset, m_headerPage, &PWHeaderPage::reset);

    m_context = std::make_unique<PWWizardContext>(this, &m_editState);
    m_packagePage = new PWPackagePage(m_context.get(), wizardPage(PackagePage));
    pageLayout(PackagePage)->addWidget(m_packagePage);
    m_logicPage = new PWLogicPartsPage(m_context.get(), wizardPage(LogicPage));
    pageLayout(LogicPage)->addWidget(m_logicPage);
    connect(m_logicPage, &PWLogicPartsPage::finishAllowed, this,
            [this](bool allowed) { setFinishEnabled(wizardPage(LastPage), allowed); });
    connect(m_packagePage, &PWPackagePage::pinListsDeleted, m_logicPage, &PWLogicPartsPage::showCurrentTab);
    // Those pin lists went outside the logic page's history, which no longer fits the model.
    connect(m_packagePage, &PWPackagePage::pinListsDeleted, m_logicPage->listHistory(), &PWListHistory::clear);
    connect(this, &PartwrightDlg::modelReset, this, [this] {
        m_packagePage->clear();
        m_logicPage->clear();
        m_context->logic().clear();
        m_context->rebuildPinNames();
    });
}

void PartwrightDlg::createPassivePage()
{
    m_passivePage = new PWPassivePage(wizardPage(PassivePage));
    pageLayout(PassivePage)->addWidget(m_passivePage);
    m_passivePage->preparePassivePage();
    connect(this, &PartwrightDlg::modelReset, m_passivePage, &PWPassivePage::resetPassivePage);
    connect(m_passivePage, &PWPassivePage::nextAllowed, this,
            [this](bool allowed) { setNextEnabled(currentPage(), allowed); });
    const Ui::PWPassivePage& ui = m_passivePage->ui();
    QWidget* const buttons[] = {ui.AddPassiveParts,
                                ui.DeletePassiveParts,
                                ui.AddCondition,
                                ui.DeleteCondition,
                                ui.AddResistorPinDefinition,
                                ui.DeleteResistorPinDefinition,
                                ui.AddNonConditionPinDefinition,
                                ui.DeleteNonConditionPinDefinition,
                                ui.AddConnectionPinDefinition,
                                ui.DeleteConnectionPinDefinition};
    for (QWidget* button : buttons)
        m_editState.addControl(button, PWEditState::Passive);
    for (LxLibTable* table : {ui.PassiveResistorTable, ui.lxNonConditionalTable, ui.PassiveConnectionTable})
        m_editState.addField(table, PWEditState::Passive);
}

bool PartwrightDlg::buildPassiveModel()
{
    commitEdits();
    m_passivePage->storeAllModifiedItems();
    return m_modelFile->buildPassiveModel(m_passivePage->libraryObjects());
}

void PartwrightDlg::connectModelFile()
{
    m_modelFile = new PWModelFile(this);
    connect(pbOpenExisistingModel, &QPushButton::clicked, m_modelFile, &PWModelFile::slotOpenFileDialog);
    connect(pbSaveModel, &QPushButton::clicked, m_modelFile, &PWModelFile::slotSaveModel);
    connect(m_menuItems[MenuOpen], &QAction::triggered, m_modelFile, &PWModelFile::slotMenuFileOpen);
    connect(m_menuItems[MenuSave], &QAction::triggered, m_modelFile, &PWModelFile::slotMenuFileSave);
    connect(m_menuItems[MenuSaveAs], &QAction::triggered, m_modelFile, &PWModelFile::slotMenuFileSaveAs);
    connect(m_modelFile, &PWModelFile::storeEditors, this, &PartwrightDlg::storeEditors);
    connect(m_modelFile, &PWModelFile::modelLoaded, this, [this] {
        syncContext();
        m_packagePage->showModel();
        m_logicPage->showModel();
    });
}

void PartwrightDlg::storeEditors()
{
    commitEdits();
    m_packagePage->takeOverEdited();
    m_logicPage->storeCurrentTab();
}

void PartwrightDlg::leavePackagePage()
{
    m_packagePage->takeOverEdited();
    m_logicPage->pinListTab()->packagesChanged();
}

void PartwrightDlg::syncContext()
{
    m_context->category = m_deviceCategory;
    m_context->viewOnly = m_viewOnly;
}

bool PartwrightDlg::leaveLogicPage()
{
    m_logicPage->storeCurrentTab();
    if (m_deviceCategory != Passive && m_deviceCategory != Logic)
        return true;
    const CLogic& logic = m_context->logic();
    QString error;
    if (CLogicChecks::validateLogicPage(logic, error) && logic.checkPinListsMatch(error)
        && logic.validatePinLists(error))
        return true;
    setFinishEnabled(wizardPage(LastPage), m_viewOnly);
    showInformation(error);
    return false;
}

void PartwrightDlg::setDatabasePathProvider(std::function<QString()> provider)
{
    databasePathProvider() = std::move(provider);
}

void PartwrightDlg::buildMenuBar()
{
    m_menuBar = new QMenuBar(this);
    m_menuBar->setObjectName(QStringLiteral("fipMenuBar"));
    layout()->setMenuBar(m_menuBar);

    QMenu* model = m_menuBar->addMenu(tr("&Model"));
    m_menuItems[MenuNew] = model->addAction(lxImage(QStringLiteral("PWfilenew.png")), tr("&New"),
                                            QKeySequence(tr("Ctrl+Shift+N")), this, &PartwrightDlg::slotMenuFileNew);
    m_menuItems[MenuOpen] = model->addAction(lxImage(QStringLiteral("PWfileopen.png")), tr("&Open"));
    m_menuItems[MenuOpen]->setShortcut(QKeySequence(tr("Ctrl+Shift+O")));
    model->addSeparator();
    m_menuItems[MenuSave] = model->addAction(lxImage(QStringLiteral("PWfilesave.png")), tr("&Save"));
    m_menuItems[MenuSave]->setShortcut(QKeySequence(tr("Ctrl+Shift+S")));
    m_menuItems[MenuSaveAs] = model->addAction(tr("&Save As..."));
    model->addSeparator();
    m_menuItems[MenuExport] = model->addAction(tr("&Export..."), this, &PartwrightDlg::slotMenuFileExport);
    m_menuItems[MenuExport]->setShortcut(QKeySequence(tr("Ctrl+Shift+E")));
    m_menuItems[MenuExport]->setEnabled(false);
    model->addSeparator();
    model->addAction(tr("&Quit"), QKeySequence(tr("Ctrl+Shift+Q")), this, &PartwrightDlg::slotMenuFileQuit);

    QMenu* help = m_menuBar->addMenu(tr("&Help"));
    help->addAction(tr("&Contents..."), this, &PartwrightDlg::slotMenuHelpContents);
    help->addAction(tr("&Index..."), this, &PartwrightDlg::slotMenuHelpIndex);
    help->addSeparator();
    help->addAction(tr("&About..."), this, &PartwrightDlg::slotMenuHelpAbout);
}

void PartwrightDlg::showInformation(const QString& text)
{
    lxPrompter().information(this, tr("Partwright"), text);
}

bool PartwrightDlg::askYesNo(const QString& question)
{
    return lxPrompter().yesNo(this, tr("Partwright"), question);
}

void PartwrightDlg::setModelFileName(const QString& file)
{
    m_modelFileName = cleanName(file);
    leOpenExisistingModel->setText(m_modelFileName);
    const bool named = !m_modelFileName.isEmpty();
    m_menuItems[MenuSave]->setEnabled(named && !PWSaveRules::isReadOnly(m_modelFileName));
    m_menuItems[MenuSaveAs]->setEnabled(named);
    leModelName->setText(m_proposedFilePath);
    if (m_hostFile || m_viewOnly) {
        for (MenuItem item : {MenuNew, MenuOpen, MenuSave, MenuSaveAs})
            m_menuItems[item]->setEnabled(false);
        pbSaveModel->hide();
        rbEditExisistModel->hide();
    }
}

void PartwrightDlg::slotModelTypeChanged()
{
    resetModel();
    QWidget* start = wizardPage(StartPage);
    if (rbEditExisistModel->isChecked()) {
        m_editMode = EditExisting;
        pbOpenExisistingModel->show();
        leOpenExisistingModel->show();
        teOpenExisistAModel->show();
        if (leOpenExisistingModel->text().isEmpty())
            setNextEnabled(start, false);
    } else if (rbCreateNewModel->isChecked()) {
        m_editMode = CreateNew;
        pbOpenExisistingModel->hide();
        leOpenExisistingModel->hide();
        teOpenExisistAModel->hide();
        setNextEnabled(start, true);
    } else {
        setNextEnabled(start, false);
    }
    m_modelFileName = QString();
    updateCategoryButtons(NoCategory);
}

void PartwrightDlg::slotOpenExistingTextChanged(const QString& text)
{
    setNextEnabled(wizardPage(StartPage), !text.isEmpty());
}

void PartwrightDlg::slotDeviceSelected()
{
    updatePageSet();
    checkDevicePageComplete();
}

void PartwrightDlg::slotDeviceIdTextChanged(const QString&)
{
    checkDevicePageComplete();
}

void PartwrightDlg::checkDevicePageComplete()
{
    const bool complete = proposeFileName(leDeviceId->text()) && readDeviceCategory();
    setNextEnabled(wizardPage(DevicePage), complete);
    if (complete)
        setAllPageTitles(QString());
}

void PartwrightDlg::setAllPageTitles(const QString& title)
{
    for (int i = 0; i < pageCount(); ++i)
        setTitle(page(i), title);
}

void PartwrightDlg::takeLoadedCategory(int category, bool converted)
{
    // The radios cannot say it: a device id that is empty or starts with a
    // blank never completes the device page, and File New leaves them unchecked.
    if (converted)
        m_editMode = EditExisting;
    if (category == NoCategory)
        return;
    updateCategoryButtons(category);
    m_deviceCategory = category;
    m_deviceCategoryName = PWDeviceModel::categoryName(category);
    syncContext();
}

bool PartwrightDlg::proposeFileName(const QString& deviceId)
{
    if (deviceId.isEmpty() || deviceId.startsWith(QLatin1Char(' ')))
        return false;
    if (!m_modelFileName.isEmpty()) {
        m_proposedFilePath = QDir::cleanPath(m_modelFileName);
        return true;
    }
    QString folder;
    if (const auto& provider = databasePathProvider()) {
        const QString database = provider();
        if (!database.isEmpty())
            folder = database + QDir::separator() + QStringLiteral("Modellib");
    }
    if (folder.isEmpty())
        folder = m_modelLibPath;
    if (folder.isEmpty())
        folder = QDir::currentPath();
    m_proposedFilePath = QDir::cleanPath(folder + QDir::separator() + deviceId + QStringLiteral(".model"));
    return true;
}

bool PartwrightDlg::readDeviceCategory()
{
    const struct
    {
        QRadioButton* radio;
        int category;
        const char* name;
    } order[] = {
        {rbMemoryTestDevice, MemoryTest, QT_TR_NOOP("Memory test")},
        {rbMemoryProgramDevice, MemoryProgram, QT_TR_NOOP("Memory program")},
        {rbLogicDevice, Logic, QT_TR_NOOP("Logic")},
        {rbPassiveDevice, Passive, QT_TR_NOOP("Passive")},
    };
    for (const auto& entry : order) {
        if (entry.radio->isChecked()) {
            m_deviceCategory = entry.category;
            m_deviceCategoryName = tr(entry.name);
            return true;
        }
    }
    return false;
}

void PartwrightDlg::updatePageSet()
{
    bool passive = rbPassiveDevice->isChecked();
    bool logic = rbLogicDevice->isChecked() || rbMemoryTestDevice->isChecked() || rbMemoryProgramDevice->isChecked();
    if (!passive && !logic)
        return;
    setAppropriate(wizardPage(PassivePage), passive);
    setAppropriate(wizardPage(PackagePage), logic);
    setAppropriate(wizardPage(LogicPage), logic);
}

void PartwrightDlg::setCategoryRadio(QRadioButton* radio, bool enabled, bool checked)
{
    radio->setEnabled(enabled);
    if (radio->isChecked() != checked) {
        // An exclusive radio button cannot be unchecked directly.
        radio->setAutoExclusive(false);
        radio->setChecked(checked);
        radio->setAutoExclusive(true);
    }
}

void PartwrightDlg::updateCategoryButtons(int category)
{
    const bool e = !m_viewOnly;
    QRadioButton* radios[] = {rbPassiveDevice, rbLogicDevice, rbMemoryTestDevice, rbMemoryProgramDevice};
    if (m_editMode == EditExisting) {
        for (int i = 0; i < 4; ++i) {
            if (category == NoCategory)
                setCategoryRadio(radios[i], e, false);
            else
                setCategoryRadio(radios[i], category == i + 1 && e, category == i + 1);
        }
    } else if (m_editMode == CreateNew) {
        for (int i = 0; i < 4; ++i)
            setCategoryRadio(radios[i], i < 2 && e, false);
    }
    updateEditState(category);
}

void PartwrightDlg::updateEditState(int category)
{
    const bool openable = (m_editMode == EditExisting && !m_hostFile && !m_viewOnly) || m_editMode == CreateNew;
    m_menuItems[MenuNew]->setEnabled(openable);
    m_menuItems[MenuOpen]->setEnabled(openable);

    if (category == MemoryTest || category == MemoryProgram) {
        FinishLabel->setText(tr("Current model file can not be altered (read-only)."));
        m_menuItems[MenuSave]->setEnabled(false);
        m_menuItems[MenuSaveAs]->setEnabled(false);
        m_editState.apply(true, m_viewOnly);
        finishButton()->setText(tr("&Close"));
        return;
    }
    FinishLabel->setText(m_viewOnly ? tr("Current view mode is read-only. Please use the Partwright or Partvault to "
                                         "edit a model file.")
                                    : tr("Click Finish to save it."));
    const bool savable = m_editMode == CreateNew
                         || (m_editMode == EditExisting && !m_hostFile && !m_viewOnly && !leModelName->text().isEmpty());
    m_menuItems[MenuSave]->setEnabled(savable && !PWSaveRules::isReadOnly(leModelName->text()));
    m_menuItems[MenuSaveAs]->setEnabled(savable);
    m_editState.apply(m_viewOnly, m_viewOnly);
    if (m_passivePage)
        m_passivePage->setViewOnly(m_viewOnly);
    leModelName->setReadOnly(m_hostFile || m_viewOnly);
    finishButton()->setText(m_viewOnly ? tr("&Close") : tr("&Finish"));
}

void PartwrightDlg::updateCaption()
{
    QString file;
    if (!m_modelFileName.isEmpty()) {
        const QFileInfo fi(m_modelFileName);
        const QString suffix = fi.suffix().isEmpty() ? QStringLiteral("model") : fi.suffix().toLower();
        file = QStringLiteral("- [%1.%2 (%3)]")
                   .arg(fi.completeBaseName(), suffix, QDir::toNativeSeparators(fi.path()));
    }
    //: %1 = device id, %2 = the model file, when there is one
    setWindowTitle(tr("%1 - Partwright %2").arg(leDeviceId->text(), file));
}

void PartwrightDlg::resetModel()
{
    m_deviceCategory = NoCategory;
    m_deviceCategoryName.clear();
    emit modelReset();
    setWindowTitle(tr("Partwright Wizard"));
    leDeviceId->clear();
    updateCategoryButtons(NoCategory);
}

void PartwrightDlg::next()
{
    const int index = currentIndex();
    syncContext();
    if (index == PackagePage)
        leavePackagePage();
    switch (index) {
    case StartPage:
        backButton()->show();
        if (rbEditExisistModel->isChecked()) {
            const QString name = leOpenExisistingModel->text();
            QString error;
            if (!loadAndConvert(name, &error)) {
                //: %1 = Name of the model file
                showInformation(error.isEmpty() ? tr("Error: Unable to load the file \"%1\"").arg(name) : error);
                return;
            }
            LxWizard::next();
        } else if (rbCreateNewModel->isChecked()) {
            LxWizard::next();
        }
        m_menuItems[MenuExport]->setEnabled(true);
        updateCaption();
        return;
    case DevicePage:
    case HeaderPage:
        LxWizard::next();
        break;
    case PackagePage:
        m_logicPage->updateButtons();
        LxWizard::next();
        break;
    case PassivePage:
        m_passivePage->storeAllModifiedItems();
        setFinishEnabled(wizardPage(LastPage), true);
        LxWizard::next();
        break;
    case LogicPage:
        if (!leaveLogicPage())
            return;
        if (m_deviceCategory >= Passive && m_deviceCategory <= MemoryProgram) {
            setFinishEnabled(wizardPage(LastPage), true);
            showPage(wizardPage(LastPage));
        } else {
            LxWizard::next();
        }
        break;
    case LastPage:
        break;
    default:
        //: %1 = Number of the page the wizard does not know
        showInformation(tr("Unknown wizard %1").arg(index + 1));
        return;
    }
    updateCaption();
}

void PartwrightDlg::back()
{
    if (currentIndex() == DevicePage && !m_hostFile && !m_viewOnly) {
        if (!askYesNo(tr("Any possible made settings will be lost.\nAre you sure that you want to continue?")))
            return;
        m_finished = true;
        done(Accepted);
        return;
    }
    if (currentIndex() == LogicPage)
        m_logicPage->storeCurrentTab();
    if (currentIndex() == PackagePage || currentIndex() == LogicPage)
        m_packagePage->takeOverEdited();
    if (currentIndex() != StartPage)
        LxWizard::back();
}

void PartwrightDlg::accept()
{
    if (m_viewOnly) {
        m_closed = true;
        done(Rejected);
        return;
    }
    switch (m_deviceCategory) {
    case Passive:
    case Logic:
        if (buildAndSave()) {
            m_finished = true;
            done(Accepted);
        }
        break;
    case MemoryTest:
    case MemoryProgram:
        //: %1 = Name of the model file
        showInformation(tr("Warning: File \"%1\" is in ReadOnly mode and cannot be changed or saved")
                            .arg(m_modelFileName));
        m_closed = true;
        done(Rejected);
        break;
    default:
        break;
    }
}

void PartwrightDlg::reject()
{
    if (!m_viewOnly && !askYesNo(tr("Do you want to close this wizard and discard changes ?") + QLatin1Char('\n')))
        return;
    m_closed = true;
    done(Rejected);
}

void PartwrightDlg::slotMenuFileNew()
{
    resetModel();
    rbCreateNewModel->setChecked(true);
    backButton()->show();
    m_editMode = CreateNew;
    updateCategoryButtons(NoCategory);
    showPage(wizardPage(DevicePage));
    m_menuItems[MenuSave]->setEnabled(true);
    m_menuItems[MenuSaveAs]->setEnabled(true);
}

void PartwrightDlg::slotMenuFileQuit()
{
    reject();
}

QProcess* PartwrightDlg::helpProcess() const
{
    return m_helpProcess;
}

void PartwrightDlg::openHelpPage(const QString& relativePage)
{
    m_helpProcess = LxHelpLauncher::launch(this, tr("Orvik Lodestar Help"), QDir::toNativeSeparators(relativePage));
}

void PartwrightDlg::slotMenuHelpContents()
{
    openHelpPage(QStringLiteral("userassistance/Help/Pages/6.1.0.0.htm"));
}

void PartwrightDlg::slotMenuHelpIndex()
{
    openHelpPage(QStringLiteral("userassistance/Help/Navigation/HelpSite.htm"));
}

void PartwrightDlg::slotMenuHelpAbout()
{
    PWAboutForm about(this, tr("About..."));
    about.PWVersionNumber->setText(PWAboutForm::versionText());
    lxPrompter().execDialog(&about);
}

void PartwrightDlg::keyPressEvent(QKeyEvent* event)
{
    PartwrightForm::keyPressEvent(event);
}

void PartwrightDlg::done(int result)
{
    PartwrightForm::done(result);
}

bool PartwrightDlg::buildAndSave()
{
    return m_modelFile->buildAndSave();
}

bool PartwrightDlg::loadAndConvert(const QString& fileName, QString* error)
{
    QString text;
    const bool ok = m_modelFile->loadAndConvert(fileName, text);
    if (error)
        *error = text;
    return ok;
}
