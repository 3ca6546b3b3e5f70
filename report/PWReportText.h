#ifndef PWREPORTTEXT_H
#define PWREPORTTEXT_H

#include "CLogicPart.h"
#include "CPackage.h"

#include <QCoreApplication>
#include <QStringList>

class CLogic;
class CLogicDiagnose;

namespace lxlib {
class LxLibInfo;
class LxLibSetEnable;
class LxLibSetSignal;
} // namespace lxlib

// The plain text report, one list entry per output line. Works on the device
// model and the library document alone, so it is made headless as well.
class PWReportText
{
    Q_DECLARE_TR_FUNCTIONS(lxPrint)

public:
    static QStringList packagesText(const CPackageList& packages);
    static QStringList partsText(const CLogicPartList& parts);
    static QStringList pinListText(const CPinList& pinList);
    static QStringList truthTableText(const CLogicPart& part);
    static QStringList testSequenceText(const CLogicPart& part);
    static QStringList enableText(const CLogicPart& part);
    static QStringList disableText(const CLogicPart& part);
    static QStringList passiveText(const lxlib::LxLibInfo& document);

    // The whole report of a logic device with its three leading lines; empty
    // when the model has nothing to report.
    static QStringList logicReport(const CLogic& logic, const QString& fileName, const QString& deviceName,
                                   const QString& categoryName);
    // The whole report of a passive document with its two leading lines; empty
    // when the document has nothing to report.
    static QStringList passiveReport(const lxlib::LxLibInfo& document, const QString& fileName,
                                     const QString& categoryName);

    // The leading lines of the two reports.
    static QStringList logicHead(const QString& fileName, const QString& deviceName, const QString& categoryName);
    static QStringList passiveHead(const QString& fileName, const QString& categoryName);

    // Shared with the HTML report.
    static QString signalName(int signalType);
    // "TYPE = "VECTOR"<tab>" for a setting.
    static QString settingText(const lxlib::LxLibSetSignal& setting);
    // The text of one enable specification; empty for an unknown code.
    static QString enableSpecificationText(const lxlib::LxLibSetEnable& enable);
    // The stuck-at rules of a row diagnostic, "TYPE BIT KIND" joined with ", ".
    static QString diagnosticsText(const CLogicDiagnose* diagnose);
    static QString breakText(int breakMode);
};

#endif
