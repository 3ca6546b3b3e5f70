#include "PWCheckCommand.h"

#include "CLogicChecks.h"
#include "LxLibInfo.h"
#include "LxLibPool.h"
#include "PWDeviceModel.h"

#include <memory>

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
        "FILE:LINE:COLUMN: error: text, at the record it is about; the further\n"
        "lines of a message follow as FILE:LINE:COLUMN: note: text. Exit status\n"
        "0 when every file passes, 1 when any file has a problem, 2 on a usage\n"
        "error.\n");
}

bool PWCheckCommand::checkLogic(lxlib::LxLibInfo& info, PWDeviceModel& model, QTextStream& err)
{
    // The library check has said all there is to say about a file without a component.
    if (info.GetComponentList().isEmpty())
        return false;
    // The library check has run: the test sequences are not read again.
    if (!convertTaking(info, model, err))
        return false;
    if (model.category() == PWDeviceModel::Passive)
        return true;
    QStringList problems;
    for (auto check : {&CLogicChecks::validateLogicPage, &CLogicChecks::checkPinListsMatch,
                       &CLogicChecks::validatePinLists}) {
        QString text;
        CSourcePosition at;
        if (check(model.logic(), text, &at))
            continue;
        // The page check ends with the pin list match: report that once.
        const QString problem = diagnostic(info.GetFileName(), at, lxlib::Message::Error, text);
        if (!problems.contains(problem))
            problems.append(problem);
    }
    for (const QString& problem : problems)
        err << problem;
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
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString& file = files.at(i);
        auto info = std::make_unique<lxlib::LxLibInfo>(file);
        auto model = std::make_unique<PWDeviceModel>();
        bool ok = load(*info, file, err);
        if (ok) {
            QString first;
            ok = info->check(&first) > 0;
            ok = checkLogic(*info, *model, err) && ok;
        }
        err.flush();
        if (!ok)
            ++failed;
        // The end of the process takes back the last file's hundreds of thousands
        // of objects at once, faster than freeing them one by one. Where the pool
        // is bypassed for a sanitizer, they are freed so that leak checks stay exact.
        if (i + 1 == files.size() && !lxlib::LxLibPool::bypassed()) {
            (void)info.release();
            (void)model.release();
        }
    }
    out << files.size() - failed << " of " << files.size() << " model files passed\n";
    return failed ? Problems : Success;
}
