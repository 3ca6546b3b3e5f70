#include "PWCheckCommand.h"

#include "CLogicChecks.h"
#include "LxLibInfo.h"
#include "LxLibPool.h"
#include "PWDeviceModel.h"
#include "PWPinPairs.h"

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
        "logic part page and before saving; the pin pairs of each condition of\n"
        "a passive model are checked as the passive editor checks them. Every\n"
        "problem is printed as FILE:LINE:COLUMN: error: text, at the record it\n"
        "is about; the further lines of a message follow as\n"
        "FILE:LINE:COLUMN: note: text. Exit status 0 when every file passes, 1\n"
        "when any file has a problem, 2 on a usage error.\n");
}

bool PWCheckCommand::checkPassive(const PWDeviceModel& model, const QString& file, QTextStream& err)
{
    // The editor refuses to leave a condition whose pin pairs break the rule.
    bool ok = true;
    for (const lxlib::LxLibPassiveComponent* part : model.passiveComponents()) {
        const auto* connection = dynamic_cast<const lxlib::LxLibPassiveCompConnection*>(part);
        if (!connection)
            continue;
        for (const lxlib::LxLibCondition* condition : connection->GetConditionList()) {
            const lxlib::LxLibPinCombinationList& pins = condition->GetPinCombinationList();
            QList<std::pair<QString, QString>> rows;
            for (const lxlib::LxLibPinCombination* c : pins)
                rows.append({c->GetPinA(), c->GetPinB()});
            const PWPinPairFault fault = findPinPairFault(rows);
            if (fault.kind == PWPinPairFault::None)
                continue;
            const QString text = fault.kind == PWPinPairFault::WithItself
                                     ? QStringLiteral("Pin  \"%1\" should not combine with itself").arg(fault.first)
                                     : QStringLiteral("Pin combination \"%1 - %2\" is already used")
                                           .arg(fault.first, fault.second);
            error(err, file, CSourcePosition(*pins.at(fault.row)), text);
            ok = false;
        }
    }
    return ok;
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
        return checkPassive(model, info.GetFileName(), err);
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
