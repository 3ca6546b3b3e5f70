#include "PWCheckCommand.h"

#include "LxLibInfo.h"

QString PWCheckCommand::synopsis() const
{
    return QStringLiteral("check FILE...        read each model file and check it");
}

QString PWCheckCommand::help() const
{
    return QStringLiteral(
        "Usage: partwright-model check FILE...\n"
        "Reads each model file and checks the model it holds. Every problem is\n"
        "printed as FILE:LINE:COLUMN: error: text. Exit status 0 when every file\n"
        "passes, 1 when any file has a problem, 2 on a usage error.\n");
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
        }
        err.flush();
        if (!ok)
            ++failed;
    }
    out << files.size() - failed << " of " << files.size() << " model files passed\n";
    return failed ? Problems : Success;
}
