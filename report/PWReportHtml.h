#ifndef PWREPORTHTML_H
#define PWREPORTHTML_H

#include "CPackage.h"

#include <QCoreApplication>
#include <QString>

class CLogic;
class CLogicPart;

namespace lxlib {
class LxLibInfo;
class LxLibPassiveComponent;
} // namespace lxlib

// The HTML report of a logic model or of a passive document. Widget-free, so
// the command line tool makes the same report as the wizard's export.
class PWReportHtml
{
    Q_DECLARE_TR_FUNCTIONS(lxPrint)

public:
    enum Mode { LogicMode = 1, PassiveMode = 2 };

    PWReportHtml(const QString& fileName, const QString& deviceName)
        : m_fileName(fileName), m_deviceName(deviceName)
    {
    }

    // Mode 1 reports the logic model, mode 2 the document; anything else, or
    // the source the mode needs missing, gives an empty text.
    QString htmlReport(const CLogic* logic, const lxlib::LxLibInfo* document, int mode);

private:
    void logicHtml(const CLogic& logic);
    void packagesHtml(const CPackageList& packages);
    void packageHtml(const CPackage& package);
    void partsHtml(const CLogic& logic);
    void pinListsHtml(const CLogicPart& part);
    void truthTableHtml(const CLogicPart& part, const QStringList& headers);
    void testSequenceHtml(const CLogicPart& part, const QStringList& headers);
    void enableHtml(const CLogicPart& part);
    void disableHtml(const CLogicPart& part);
    void passiveHtml(const lxlib::LxLibInfo& document);
    void passivePartHtml(const lxlib::LxLibPassiveComponent& passive);

    // The heading row and the opening of the cell that holds a part's section.
    void sectionStart(const QString& title, const QString& table);
    void headerRow(const QStringList& headers);
    // One row of a vector, one centred cell per character.
    void vectorCells(const QString& vector);
    // A row of two plain cells.
    void pairRow(const QString& left, const QString& right);

    QString m_fileName;
    QString m_deviceName;
    QString m_html;
};

#endif
