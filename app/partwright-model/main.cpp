#include "PWModelTool.h"

#include <QCoreApplication>
#include <QFile>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QFile outFile;
    QFile errFile;
    if (!outFile.open(stdout, QIODevice::WriteOnly) || !errFile.open(stderr, QIODevice::WriteOnly))
        return 2;
    QTextStream out(&outFile);
    QTextStream err(&errFile);
    const int code = PWModelTool().run(app.arguments().mid(1), out, err);
    out.flush();
    err.flush();
    return code;
}
