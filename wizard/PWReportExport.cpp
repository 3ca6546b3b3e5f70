#include "PWReportExport.h"

#include "LxPrompter.h"
#include "PWLogicPartsPage.h"
#include "PWModelFile.h"
#include "PWReportFile.h"
#include "PWReportText.h"
#include "PWWizardContext.h"
#include "PartwrightDlg.h"
#include "lxPrint.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

QString PWReportExport::htmlFilter()
{
    return PartwrightDlg::tr("Html Format") + QLatin1String(" (*.htm *.html)");
}

QString PWReportExport::textFilter()
{
    return PartwrightDlg::tr("Text Format") + QLatin1String(" (*.txt)");
}

void PWReportExport::noModelInformation()
{
    m_dialog->showInformation(PartwrightDlg::tr("Unable to build model\nThere is no model information"));
}

bool PWReportExport::buildPassive()
{
    return m_passiveBuilder && m_passiveBuilder() && m_dialog->modelFile()->document();
}

QString PWReportExport::startName() const
{
    const QString path = m_dialog->proposedFilePath();
    return QFileInfo(path.isEmpty() ? m_dialog->leModelName->text() : path).completeBaseName();
}

void PWReportExport::exportReport()
{
    if (m_dialog->deviceCategory() == PartwrightDlg::NoCategory) {
        noModelInformation();
        return;
    }
    m_dialog->storeEditors();
    QString chosen;
    QString fileName = lxPrompter().saveFileName(m_dialog, PartwrightDlg::tr("Export to..."), startName(),
                                                 htmlFilter() + QLatin1String(";;") + textFilter(), &chosen);
    if (fileName.isEmpty())
        return;
    const bool passive = m_dialog->deviceCategory() == PartwrightDlg::Passive;
    if (chosen == textFilter()) {
        const QStringList lines = passive ? passiveTextReport() : textReport();
        // A failed check leaves one empty line: nothing to write.
        if (lines.isEmpty() || (lines.size() == 1 && lines.first().isEmpty()))
            return;
        write(PWReportFile::withExtension(fileName, false), lines.join(QLatin1Char('\n')));
    } else if (chosen == htmlFilter()) {
        const QString html = htmlReport();
        if (html.isEmpty())
            return;
        write(PWReportFile::withExtension(fileName, true), html);
    }
}

QStringList PWReportExport::textReport()
{
    m_dialog->logicPage()->storeCurrentTab();
    QString error;
    if (!m_dialog->context().logic().validatePinLists(error)) {
        m_dialog->showInformation(error);
        return QStringList(QString());
    }
    lxPrint printer(m_dialog, "printer");
    printer.packagesText(m_dialog->context().logic().packages());
    const QStringList& lines = printer.partsText(m_dialog->context().logic().logicParts());
    if (lines.isEmpty())
        return lines;
    return PWReportText::logicHead(m_dialog->modelFileName(), m_dialog->leDeviceId->text(),
                                   m_dialog->deviceCategoryName())
           + lines;
}

QStringList PWReportExport::passiveTextReport()
{
    if (!buildPassive()) {
        noModelInformation();
        return {};
    }
    lxPrint printer(m_dialog, "printer");
    const QStringList& lines = printer.passiveText(*m_dialog->modelFile()->document());
    if (lines.isEmpty())
        return lines;
    return PWReportText::passiveHead(m_dialog->modelFileName(), m_dialog->deviceCategoryName()) + lines;
}

QString PWReportExport::htmlReport()
{
    lxPrint printer(m_dialog->leOpenExisistingModel->text(), m_dialog->leDeviceId->text());
    if (m_dialog->deviceCategory() == PartwrightDlg::Passive) {
        if (!buildPassive()) {
            noModelInformation();
            return QString();
        }
        return printer.htmlReport(nullptr, m_dialog->modelFile()->document(), lxPrint::PassiveMode);
    }
    m_dialog->logicPage()->storeCurrentTab();
    QString error;
    if (!m_dialog->context().logic().validatePinLists(error)) {
        m_dialog->showInformation(error);
        return QString();
    }
    return printer.htmlReport(&m_dialog->context().logic(), nullptr, lxPrint::LogicMode);
}

void PWReportExport::write(const QString& fileName, const QString& text)
{
    if (!m_dialog->hostFile() && QFile::exists(fileName)) {
        //: %1 = Name of the report file
        const QString question = PartwrightDlg::tr("%1 already exists\n Do you want to replace it?")
                                     .arg(QDir::toNativeSeparators(QDir::cleanPath(fileName)));
        if (!m_dialog->askYesNo(question))
            return;
    }
    // A file that cannot be written is left alone, as the export has always done.
    PWReportFile::write(fileName, text);
}
