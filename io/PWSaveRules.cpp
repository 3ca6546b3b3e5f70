#include "PWSaveRules.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Where a name without a folder goes: the model library, else the current folder
// (never the file system root).
QString defaultFolder(const QString& modelLibPath)
{
    return modelLibPath.isEmpty() ? QDir::currentPath() : modelLibPath;
}

} // namespace

bool PWSaveRules::isReadOnly(const QString& file)
{
    const QFileInfo info(file);
    return !file.isEmpty() && info.exists() && !info.isDir()
           && !(info.permissions() & (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther));
}

QString PWSaveRules::cleanName(const QString& name)
{
    return QDir::toNativeSeparators(QDir::cleanPath(name));
}

QString PWSaveRules::startName(const QString& proposedFilePath, const QString& modelLibPath, const QString& modelName)
{
    if (!proposedFilePath.isEmpty())
        return proposedFilePath;
    const QString file = QFileInfo(modelName).fileName();
    const int dot = file.lastIndexOf(QLatin1Char('.'));
    return QStringLiteral("%1/%2.model").arg(defaultFolder(modelLibPath), dot < 0 ? file : file.left(dot));
}

bool PWSaveRules::resolve(const QString& name, const QString& modelLibPath, Target& target, QString& error)
{
    if (name.isEmpty()) {
        error = tr("There is no model file name specified");
        return false;
    }
    if (isReadOnly(name)) {
        error = QDir::cleanPath(name) + QLatin1Char('\n') + tr("The above model file is read only");
        return false;
    }
    // QFileInfo takes the folder from '/' only; the typed name may use either separator.
    const QString typed = QDir::fromNativeSeparators(name);
    const int slash = typed.lastIndexOf(QLatin1Char('/'));
    QString folder = slash < 0 ? QString() : QDir::cleanPath(typed.left(slash + 1));
    if (folder.isEmpty() || folder == QLatin1String("."))
        folder = defaultFolder(modelLibPath);
    const QString file = slash < 0 ? typed : typed.mid(slash + 1);
    const int dot = file.lastIndexOf(QLatin1Char('.'));
    const QString base = dot < 0 ? file : file.left(dot);
    if (base.isEmpty() || base == QLatin1String(".")) {
        error = base + QLatin1Char('\n') + tr("The above model file name is invalid");
        return false;
    }
    const QString full = cleanName(QStringLiteral("%1/%2%3").arg(folder, base, QStringLiteral(".model")));
    for (QChar c : {u'*', u'?', u'<', u'>', u'|'}) {
        if (full.contains(c)) {
            error = full + QLatin1Char('\n') + tr("The above model file name is invalid");
            return false;
        }
    }
    target.folder = folder;
    target.fullPath = full;
    return true;
}

QString PWSaveRules::replaceQuestion(const QString& fullPath)
{
    //: %1 = the model file
    return tr("%1 already exists\n Do you want to replace it?").arg(QDir::cleanPath(fullPath));
}

QString PWSaveRules::savedText(const QString& fullPath)
{
    return tr("Model file is saved") + QLatin1Char('\n') + fullPath;
}

QString PWSaveRules::writeFailedText(const QString& fullPath, const QString& libraryError)
{
    return tr("Unable to save model file") + QLatin1Char('\n') + fullPath + QStringLiteral("\n\n") + libraryError;
}
