#include "PWModelFile.h"

#include "LxLibInfo.h"
#include "LxPrompter.h"
#include "PWDeviceModel.h"
#include "PWFeatureWarnings.h"
#include "PWFolderPath.h"
#include "PWHeaderPage.h"
#include "PWLogicDocument.h"
#include "PWModelConverter.h"
#include "PWPassiveDocument.h"
#include "PWPassivePage.h"
#include "PWSaveRules.h"
#include "PWWizardContext.h"
#include "PartwrightDlg.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace lxlib;

PWModelFile::PWModelFile(PartwrightDlg* dialog) : QObject(dialog), m_dialog(dialog) {}

PWModelFile::~PWModelFile() = default;

void PWModelFile::showInformation(const QString& text) const
{
    m_dialog->showInformation(text);
}

QString PWModelFile::openFilter()
{
    return PartwrightDlg::tr("Model File") + QStringLiteral(" (*.model *.ibs *.abl);;") + PartwrightDlg::tr("Model")
           + QStringLiteral(" (*.model);;") + PartwrightDlg::tr("ABEL-HDL") + QStringLiteral(" (*.abl);;")
           + PartwrightDlg::tr("IBIS") + QStringLiteral(" (*.ibs);;") + PartwrightDlg::tr("All Files")
           + QStringLiteral(" (*.*)");
}

QString PWModelFile::saveFilter()
{
    return PartwrightDlg::tr("Model File") + QStringLiteral(" (*.model);;");
}

QString PWModelFile::openDialog()
{
    const QString lib = m_dialog->modelLibPath();
    const QString start = lib.isEmpty() ? QString() : QFileInfo(QDir::cleanPath(lib)).path();
    const QString name = lxPrompter().openFileName(m_dialog, QString(), start, openFilter());
    if (name.isEmpty())
        m_dialog->clearModelFile();
    else
        m_dialog->setProposedFilePath(name);
    return name;
}

bool PWModelFile::slotOpenFileDialog()
{
    const QString name = openDialog();
    if (name.isEmpty())
        return false;
    m_dialog->setModelFileName(name);
    return true;
}

void PWModelFile::newDocument(const QString& fileName)
{
    m_document = std::make_unique<LxLibInfo>(fileName);
    connect(m_document.get(), &LxLibInfo::message, this, &PWModelFile::slotSaveLxLibErrorMessage);
}

void PWModelFile::slotSaveLxLibErrorMessage(const Message& message)
{
    if (message.kind == Message::Error)
        m_libraryError = message.text;
}

bool PWModelFile::loadDocument(const QString& fileName)
{
    m_document.reset();
    newDocument(fileName);
    bool error = false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool read = m_document->read(true, false, &error);
    QApplication::restoreOverrideCursor();
    return read && !error;
}

bool PWModelFile::loadModelFile(const QString& fileName)
{
    if (!loadDocument(fileName))
        return false;
    PWWizardContext& context = m_dialog->context();
    context.enableConnectionChoices = PWDeviceModel::enableConnectionOperatorChoices();
    context.enableEqualChoices = PWDeviceModel::enableEqualOperatorChoices(m_document->GetFormatVersion());
    return true;
}

void PWModelFile::warnUnsupportedFeatures()
{
    for (const QString& text : PWFeatureWarnings::of(m_document.get(), m_dialog->viewOnly()))
        showInformation(text);
}

bool PWModelFile::convertDocument(QString& error)
{
    error.clear();
    if (!m_document)
        return false;
    PWWizardContext& context = m_dialog->context();
    context.loading = true;
    PWDeviceModel model;
    const bool converted = PWModelConverter::convert(*m_document, model, error);
    if (m_document->GetComponentList().count() == 1)
        warnUnsupportedFeatures();
    for (const PWDeviceModel::Notice& notice : model.notices())
        showInformation(notice.text);
    // What was converted is shown even after a failure: the user may load again.
    m_dialog->headerPage()->readHeader(*m_document);
    m_dialog->leDeviceId->setText(model.deviceId());
    context.replaceLogic(model.takeLogic());
    context.category = model.category();
    context.rebuildPinNames();
    if (model.category() == PWDeviceModel::Passive) {
        QList<const LxLibPassiveComponent*> components;
        components.reserve(model.passiveComponents().count());
        for (const LxLibPassiveComponent* component : model.passiveComponents())
            components.append(component);
        m_dialog->passivePage()->loadPassiveComponents(components);
    }
    m_dialog->takeLoadedCategory(model.category(), converted);
    emit modelLoaded();
    context.loading = false;
    return converted;
}

bool PWModelFile::loadAndConvert(const QString& fileName, QString& error)
{
    error.clear();
    if (!loadModelFile(fileName))
        return false;
    m_dialog->setModelFileName(fileName);
    m_dialog->resetModel();
    if (convertDocument(error))
        return true;
    if (error.isEmpty())
        //: %1 = Name of the model file
        error = PartwrightDlg::tr("Unable to parse file \"%1\"").arg(fileName);
    return false;
}

void PWModelFile::slotMenuFileOpen()
{
    const QString name = openDialog();
    if (name.isEmpty())
        return;
    if (!loadModelFile(name)) {
        //: %1 = Name of the model file
        showInformation(PartwrightDlg::tr("Error: Unable to load the file \"%1\"").arg(m_document->GetFileName()));
        return;
    }
    const QString clean = PWSaveRules::cleanName(name);
    m_dialog->setProposedFilePath(clean);
    m_dialog->setModelFileName(clean);
    m_dialog->resetModel();
    QString error;
    if (!convertDocument(error)) {
        //: %1 = Name of the model file
        showInformation(error.isEmpty() ? PartwrightDlg::tr("Unable to parse file \"%1\"").arg(name) : error);
        return;
    }
    m_dialog->showPage(m_dialog->wizardPage(m_dialog->deviceCategory() == PartwrightDlg::Passive
                                                ? PartwrightForm::PassivePage
                                                : PartwrightForm::PackagePage));
    m_dialog->backButton()->show();
    m_dialog->updateCaption();
}

bool PWModelFile::slotSaveModel()
{
    const QString start = PWSaveRules::startName(m_dialog->proposedFilePath(), m_dialog->modelLibPath(),
                                                 m_dialog->leModelName->text());
    const QString name =
        lxPrompter().saveFileName(m_dialog, PartwrightDlg::tr("Save Model As..."), start, saveFilter(), nullptr);
    if (name.isEmpty())
        return false;
    const QString clean = PWSaveRules::cleanName(name);
    m_dialog->setProposedFilePath(clean);
    m_dialog->setModelFileName(clean);
    m_dialog->leModelName->setText(clean);
    return true;
}

void PWModelFile::slotMenuFileSave()
{
    if (m_dialog->rbLogicDevice->isChecked() || m_dialog->rbMemoryTestDevice->isChecked()
        || m_dialog->rbMemoryProgramDevice->isChecked()) {
        emit storeEditors();
        QString error;
        if (!m_dialog->context().logic().validatePinLists(error)) {
            showInformation(error);
            return;
        }
    }
    if (buildAndSave())
        m_dialog->updateCaption();
}

void PWModelFile::slotMenuFileSaveAs()
{
    if (slotSaveModel())
        slotMenuFileSave();
}

bool PWModelFile::buildAndSave()
{
    if (m_dialog->rbPassiveDevice->isChecked())
        return m_dialog->buildPassiveModel() && saveModelFile();
    if (!m_dialog->rbLogicDevice->isChecked()) {
        showInformation(PartwrightDlg::tr("Unable to build model\nThere is no model information"));
        return false;
    }
    return saveLogicModel() && saveModelFile();
}

void PWModelFile::startSavedDocument()
{
    const LxLibAliasList aliases = PWLogicDocument::copyAliases(m_document.get());
    m_document.reset();
    newDocument(m_dialog->leModelName->text());
    PWLogicDocument::addAliases(aliases, *m_document);
    m_dialog->headerPage()->writeHeader(*m_document);
}

bool PWModelFile::buildPassiveModel(const QList<const LxLibPassiveComponent*>& parts)
{
    startSavedDocument();
    QString error;
    if (PWPassiveDocument::buildAndCheck(*m_document, parts, m_dialog->leDeviceId->text(), error))
        return true;
    if (!error.isEmpty())
        showInformation(error);
    return false;
}

bool PWModelFile::saveLogicModel()
{
    startSavedDocument();
    QString error;
    if (!PWLogicDocument::buildAndCheck(*m_document, m_dialog->context().logic(), m_dialog->leDeviceId->text(),
                                        error)) {
        showInformation(error);
        return false;
    }
    return true;
}

bool PWModelFile::saveModelFile()
{
    if (m_dialog->viewOnly())
        return true;
    PWSaveRules::Target target;
    QString error;
    if (!PWSaveRules::resolve(m_dialog->leModelName->text(), m_dialog->modelLibPath(), target, error)) {
        showInformation(error);
        return false;
    }
    if (!createFolderPath(QDir(target.folder), error)) {
        showInformation(error);
        return false;
    }
    if (!m_dialog->hostFile() && QFileInfo::exists(target.fullPath)) {
        switch (lxPrompter().yesNoCancel(m_dialog, PartwrightDlg::tr("Partwright"),
                                         PWSaveRules::replaceQuestion(target.fullPath))) {
        case LxPrompter::Yes:
            break;
        case LxPrompter::No:
            return true;
        case LxPrompter::Cancel:
            return false;
        }
    }
    if (!m_document)
        return false;
    m_libraryError.clear();
    if (!m_document->write(target.fullPath)) {
        showInformation(PWSaveRules::writeFailedText(target.fullPath, m_libraryError));
        return false;
    }
    showInformation(PWSaveRules::savedText(target.fullPath));
    m_dialog->leOpenExisistingModel->setText(target.fullPath);
    return true;
}
