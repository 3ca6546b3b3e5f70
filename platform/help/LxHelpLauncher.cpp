#include "LxHelpLauncher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

LxHelpLauncher::Starter& starter()
{
    static LxHelpLauncher::Starter start;
    return start;
}

std::function<bool(const QString&)>& programFinder()
{
    static std::function<bool(const QString&)> finder;
    return finder;
}

bool programExists(const QString& program)
{
    const auto& finder = programFinder();
    return finder ? finder(program) : !QStandardPaths::findExecutable(program).isEmpty();
}

// Detached, so that the viewer outlives the wizard that asked for it. A viewer
// that cannot be started is left unreported: there is nothing the user could do.
void startDetached(QProcess* process)
{
    process->startDetached();
}

} // namespace

QString LxHelpLauncher::pagePath(const QString& relativePage)
{
    const QString relative = QDir::fromNativeSeparators(relativePage);
    const QString inCurrent = QDir::current().absoluteFilePath(relative);
    QString path = inCurrent;
    if (!QFileInfo::exists(inCurrent) && QCoreApplication::instance())
        path = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(relative);
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

LxHelpLauncher::Command LxHelpLauncher::command(const QString& page)
{
    const QString interpreter = QStringLiteral("cmd");
    if (programExists(interpreter))
        return {interpreter, {QStringLiteral("/c"), page}};
    return {QStringLiteral("xdg-open"), {page}};
}

QProcess* LxHelpLauncher::launch(QObject* parent, const QString& objectName, const QString& relativePage)
{
    auto* process = new QProcess(parent);
    process->setObjectName(objectName);
    const Command cmd = command(pagePath(relativePage));
    process->setProgram(cmd.program);
    process->setArguments(cmd.arguments);
    if (const Starter& start = starter())
        start(process);
    else
        startDetached(process);
    return process;
}

void LxHelpLauncher::setStarter(Starter start)
{
    starter() = std::move(start);
}

void LxHelpLauncher::setProgramFinder(std::function<bool(const QString&)> finder)
{
    programFinder() = std::move(finder);
}
