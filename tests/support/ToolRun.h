#ifndef TOOLRUN_H
#define TOOLRUN_H

#include <QByteArray>
#include <QProcess>
#include <QStringList>

// One run of a command-line program: exit code (-1 when it crashed or hung) and output.
struct ToolRun
{
    int code = -1;
    QByteArray out;
    QByteArray err;
};

inline ToolRun runTool(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    ToolRun r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

#endif
