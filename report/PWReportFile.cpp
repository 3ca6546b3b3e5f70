#include "PWReportFile.h"

#include <QFileInfo>
#include <QSaveFile>

QString PWReportFile::withExtension(const QString& fileName, bool html)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (html)
        return suffix == QLatin1String("htm") || suffix == QLatin1String("html") ? fileName
                                                                                 : fileName + QLatin1String(".htm");
    return suffix == QLatin1String("txt") ? fileName : fileName + QLatin1String(".txt");
}

bool PWReportFile::write(const QString& fileName, const QString& text, QString* error)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    file.write((text + QLatin1Char('\n')).toLatin1());
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
