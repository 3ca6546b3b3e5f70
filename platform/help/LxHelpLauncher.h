#ifndef LXHELPLAUNCHER_H
#define LXHELPLAUNCHER_H

#include <QString>
#include <QStringList>

#include <functional>

class QObject;
class QProcess;

// Opens a page of the user guide in the platform's viewer. Every request gets
// a process of its own, so a second request never waits for the first viewer.
class LxHelpLauncher
{
public:
    struct Command
    {
        QString program;
        QStringList arguments;
    };
    // Starts a process whose program and arguments are set.
    using Starter = std::function<void(QProcess*)>;

    // The page, given relative to the help's root folder, as an absolute path with the
    // platform's separators: in the current folder when it is there, else beside the program.
    static QString pagePath(const QString& relativePage);
    // The command interpreter with "/c PAGE" where it exists, else the desktop's opener.
    static Command command(const QString& page);
    // Makes a process for the page (child of parent, with the object name given) and
    // starts it; a failed start is left unreported, as the viewer reports its own errors.
    static QProcess* launch(QObject* parent, const QString& objectName, const QString& relativePage);

    // Replaces the start of the viewer (tests record instead of starting); an empty
    // function restores the detached start.
    static void setStarter(Starter starter);
    // Replaces the check whether a program can be found on the search path.
    static void setProgramFinder(std::function<bool(const QString&)> finder);
};

#endif
