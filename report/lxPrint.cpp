#include "lxPrint.h"

#include "PWReportHtml.h"
#include "PWReportText.h"

lxPrint::lxPrint(QWidget* parent, const char* name) : ViewModelForm(parent, name) {}

lxPrint::lxPrint(const QString& fileName, const QString& deviceName)
    : ViewModelForm(nullptr, nullptr), m_fileName(fileName), m_deviceName(deviceName)
{
}

const QStringList& lxPrint::packagesText(const CPackageList& packages)
{
    m_lines += PWReportText::packagesText(packages);
    return m_lines;
}

const QStringList& lxPrint::partsText(const CLogicPartList& parts)
{
    m_lines += PWReportText::partsText(parts);
    return m_lines;
}

const QStringList& lxPrint::passiveText(const lxlib::LxLibInfo& document)
{
    m_lines = PWReportText::passiveText(document);
    return m_lines;
}

QString lxPrint::htmlReport(const CLogic* logic, const lxlib::LxLibInfo* document, int mode)
{
    m_mode = mode;
    m_html = PWReportHtml(m_fileName, m_deviceName).htmlReport(logic, document, mode);
    return m_html;
}
