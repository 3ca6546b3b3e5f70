#ifndef PWREPORTEXPORT_H
#define PWREPORTEXPORT_H

#include <QString>
#include <QStringList>

#include <functional>

class PartwrightDlg;

// Model > Export: writes the report of the model being edited as text or HTML.
class PWReportExport
{
public:
    explicit PWReportExport(PartwrightDlg* dialog) : m_dialog(dialog) {}

    // Builds the passive document into the dialog's document object; without
    // one a passive model cannot be reported.
    void setPassiveBuilder(std::function<bool()> builder) { m_passiveBuilder = std::move(builder); }

    void exportReport();
    // The text report of a logic device; one empty line when the pin lists fail.
    QStringList textReport();

    static QString htmlFilter();
    static QString textFilter();

private:
    bool buildPassive();
    void noModelInformation();
    QString startName() const;
    QStringList passiveTextReport();
    QString htmlReport();
    void write(const QString& fileName, const QString& text);

    PartwrightDlg* m_dialog;
    std::function<bool()> m_passiveBuilder;
};

#endif
