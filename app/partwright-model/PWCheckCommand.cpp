#include "PWCheckCommand.h"

#include "CLogicChecks.h"
#include "LxLibInfo.h"
#include "PWDeviceModel.h"

QString PWCheckCommand::synopsis() const
{
    return QStringLiteral("check FILE...        read each model file and check it");
}

QString PWCheckCommand::help() const
{
    return QStringLiteral(
        "Usage: partwright-model check FILE...\n"
        "Reads each model file and checks the model it holds. A logic model is\n"
        "also converted and checked as the wizard checks it before leaving the\n"
        "logic part page and before saving. Every problem is printed as\n"
        "FILE:LINE:COLUMN: error: text (FILE: error: text for the wizard's\n"
        "checks). Exit status 0 when every file\n"
        "passes, 1 when any file has a problem, 2 on a usage error.\n");
}

bool PWCheckCommand::checkLogic(const lxlib::LxLibInfo& info, QTextStream& err)
{
    PWDeviceModel model;
    if (!convert(info, model, err))
        return false;
    if (model.category() == PWDeviceModel::Passive)
        return true;
    QStringList problems;
    for (auto check : {&CLogicChecks::validateLogicPage, &CLogicChecks::checkPinListsMatch,
                       &CLogicChecks::validatePinLists}) {
        QString text;
        // The page check ends with the pin list match: report that once.
        if (!check(model.logic(), text) && !problems.contains(text))
            problems.append(text);
    }
    for (const QString& text : problems)
        error(err, info.GetFileName(), text);
    return problems.isEmpty();
}

int PWCheckCommand::run(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QStringList files;
    for (const QString& a : args) {
        if (a.startsWith(QLatin1Char('-')) && a != QLatin1String("-")) {
            err << "partwright-model check: unknown option " << a << '\n' << help();
            return Usage;
        }
        files.append(a);
    }
    if (files.isEmpty()) {
        err << "partwright-model check: no model file given\n" << help();
        return Usage;
    }
    int failed = 0;
    for (const QString& file : files) {
        lxlib::LxLibInfo info(file);
        bool ok = load(info, file, err);
        if (ok) {
            QString first;
            ok = info.check(&first) > 0;
            ok = checkLogic(info, err) && ok;
        }
        err.flush();
        if (!ok)
            ++failed;
    }
    out << files.size() - failed << " of " << files.size() << " model files passed\n";
    return failed ? Problems : Success;
}
