#include "PWFolderPath.h"

#include <QCoreApplication>

bool createFolderPath(const QDir& dir, QString& message)
{
    const QString path = dir.path();
    const bool backslashes = path.contains(QLatin1Char('\\'));
    if (!backslashes && !path.contains(QLatin1Char('/')))
        return true;
    const QChar separator = backslashes ? QLatin1Char('\\') : QLatin1Char('/');
    QDir current(path.startsWith(separator) ? QDir::rootPath() : QDir::currentPath());
    for (const QString& element : path.split(separator)) {
        if (element.isEmpty())
            continue;
        // A regular file of that name is as much in the way as a refused mkdir.
        if ((!current.exists(element) && !current.mkdir(element)) || !current.cd(element)) {
            //: %1 = Name of the folder that could not be created
            message = QCoreApplication::translate("PartwrightDlg", "Unable to create folder name '%1'").arg(element);
            return false;
        }
    }
    return true;
}
