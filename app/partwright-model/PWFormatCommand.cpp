#include "PWFormatCommand.h"

#include "LxLibInfo.h"

#include <QIODevice>

QString PWFormatCommand::synopsis() const
{
    return QStringLiteral("format [-i] FILE     write the canonical form of a model file");
}

QString PWFormatCommand::help() const
{
    return QStringLiteral(
        "Usage: partwright-model format [-i] FILE\n"
        "Reads the model file and writes it in canonical form (fixed order,\n"
        "quoting and indentation) to standard output. With -i the file itself is\n"
        "rewritten, atomically, and only when it was read without errors.\n"
        "Exit status 0 on success, 1 when the file has errors or cannot be\n"
        "written, 2 on a usage error.\n");
}

int PWFormatCommand::run(const QStringList& args, QTextStream& out, QTextStream& err)
{
    bool inPlace = false;
    QStringList files;
    for (const QString& a : args) {
        if (a == QLatin1String("-i") || a == QLatin1String("--in-place")) {
            inPlace = true;
        } else if (a.startsWith(QLatin1Char('-'))) {
            err << "partwright-model format: unknown option " << a << '\n' << help();
            return Usage;
        } else {
            files.append(a);
        }
    }
    if (files.size() != 1) {
        err << "partwright-model format: expected exactly one model file\n" << help();
        return Usage;
    }
    lxlib::LxLibInfo info(files.first());
    if (!load(info, files.first(), err))
        return Problems;
    if (inPlace)
        return info.write(files.first()) ? Success : Problems;
    out.flush();
    out.device()->write(info.toText());
    return Success;
}
