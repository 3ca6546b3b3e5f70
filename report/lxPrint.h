#ifndef LXPRINT_H
#define LXPRINT_H

#include "CLogicPart.h"
#include "CPackage.h"
#include "ViewModelForm.h"

#include <QStringList>

class CLogic;

namespace lxlib {
class LxLibInfo;
}

// Collects the text or the HTML report of a model.
class lxPrint : public ViewModelForm
{
    Q_OBJECT

public:
    enum Mode { NoMode = 0, LogicMode = 1, PassiveMode = 2 };

    // For a text report.
    lxPrint(QWidget* parent, const char* name);
    // For an HTML report, with the names its header rows show.
    lxPrint(const QString& fileName, const QString& deviceName);

    // Each appends its section to the text report and returns all of it.
    const QStringList& packagesText(const CPackageList& packages);
    const QStringList& partsText(const CLogicPartList& parts);
    // The passive text report of the document; it replaces what was collected.
    const QStringList& passiveText(const lxlib::LxLibInfo& document);
    QString htmlReport(const CLogic* logic, const lxlib::LxLibInfo* document, int mode);

    const QStringList& lines() const { return m_lines; }
    QString html() const { return m_html; }
    QString fileName() const { return m_fileName; }
    QString deviceName() const { return m_deviceName; }
    int mode() const { return m_mode; }

private:
    QString m_html;
    QStringList m_lines;
    QString m_fileName;
    QString m_deviceName;
    int m_mode = NoMode;
};

#endif
