#ifndef PWREPORTCOMMAND_H
#define PWREPORTCOMMAND_H

#include "PWModelCommand.h"

// report --html|--text FILE -o OUT: the report the wizard's export writes.
class PWReportCommand : public PWModelCommand
{
public:
    QString name() const override { return QStringLiteral("report"); }
    QString synopsis() const override;
    QString help() const override;
    int run(const QStringList& args, QTextStream& out, QTextStream& err) override;

private:
    // The report of a read file; false (with the problem on err) when it fails the checks.
    static bool makeReport(lxlib::LxLibInfo& info, bool html, QString& report, QTextStream& err);
};

#endif
