#include "PWReportCommand.h"

#include "CLogicChecks.h"
#include "LxLibInfo.h"
#include "PWDeviceModel.h"
#include "PWReportFile.h"
#include "PWReportHtml.h"
#include "PWReportText.h"

#include <QDir>

QString PWReportCommand::synopsis() const
{
    return QStringLiteral("report --html|--text FILE -o OUT   write the model report of FILE to OUT");
}

QString PWReportCommand::help() const
{
    return QStringLiteral(
        "Usage: partwright-model report --html|--text FILE -o OUT\n"
        "Writes the report of a logic or passive model file, the same report the\n"
        "wizard's Model > Export writes: --text gives the plain text report with its\n"
        "File Name, Device Name and category lines, --html the HTML report. OUT is\n"
        "written as given (no extension is added) and only once the whole report\n"
        "is made; a file that cannot be read or fails the library check or the\n"
        "pin list check leaves OUT untouched. Exit status 0 on success, 1 when the\n"
        "file has a problem or OUT cannot be written, 2 on a usage error.\n");
}

bool PWReportCommand::makeReport(lxlib::LxLibInfo& info, bool html, QString& report, QTextStream& err)
{
    QString first;
    if (info.check(&first) <= 0 || info.GetComponentList().isEmpty())
        return false;
    PWDeviceModel model;
    if (!convert(info, model, err))
        return false;
    const QString fileName = QDir::toNativeSeparators(QDir::cleanPath(info.GetFileName()));
    const QString category = model.categoryName();
    if (model.category() == PWDeviceModel::Passive) {
        report = html ? PWReportHtml(fileName, model.deviceId()).htmlReport(nullptr, &info, PWReportHtml::PassiveMode)
                      : PWReportText::passiveReport(info, fileName, category).join(QLatin1Char('\n'));
        return true;
    }
    QString text;
    CSourcePosition at;
    if (!CLogicChecks::validatePinLists(model.logic(), text, &at)) {
        error(err, info.GetFileName(), at, text);
        return false;
    }
    report = html ? PWReportHtml(fileName, model.deviceId()).htmlReport(&model.logic(), nullptr, PWReportHtml::LogicMode)
                  : PWReportText::logicReport(model.logic(), fileName, model.deviceId(), category)
                        .join(QLatin1Char('\n'));
    return true;
}

int PWReportCommand::run(const QStringList& args, QTextStream& out, QTextStream& err)
{
    int format = 0; // 1 text, 2 HTML
    QString file;
    QString output;
    QString problem;
    for (int i = 0; i < args.size() && problem.isEmpty(); ++i) {
        const QString& a = args.at(i);
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            out << help();
            return Success;
        }
        if (a == QLatin1String("--text") || a == QLatin1String("--html")) {
            if (format)
                problem = QStringLiteral("give one of --html and --text");
            format = a == QLatin1String("--html") ? 2 : 1;
        } else if (a == QLatin1String("-o")) {
            if (i + 1 >= args.size())
                problem = QStringLiteral("-o needs a file name");
            else
                output = args.at(++i);
        } else if (a.startsWith(QLatin1Char('-'))) {
            problem = QStringLiteral("unknown option ") + a;
        } else if (!file.isEmpty()) {
            problem = QStringLiteral("one model file at a time");
        } else {
            file = a;
        }
    }
    if (problem.isEmpty() && !format)
        problem = QStringLiteral("give --html or --text");
    if (problem.isEmpty() && file.isEmpty())
        problem = QStringLiteral("no model file given");
    if (problem.isEmpty() && output.isEmpty())
        problem = QStringLiteral("no output file given (-o OUT)");
    if (!problem.isEmpty()) {
        err << "partwright-model report: " << problem << '\n' << help();
        return Usage;
    }
    lxlib::LxLibInfo info(file);
    QString report;
    if (!load(info, file, err) || !makeReport(info, format == 2, report, err)) {
        err << "partwright-model report: " << file << ": no report written\n";
        return Problems;
    }
    if (report.isEmpty()) {
        err << "partwright-model report: " << file << ": the model holds nothing to report\n";
        return Problems;
    }
    QString why;
    if (!PWReportFile::write(output, report, &why)) {
        err << "partwright-model report: cannot write " << output << ": " << why << '\n';
        return Problems;
    }
    return Success;
}
