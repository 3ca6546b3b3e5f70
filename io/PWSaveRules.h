#ifndef PWSAVERULES_H
#define PWSAVERULES_H

#include <QCoreApplication>
#include <QString>

// The rules that turn the name typed on the last page into the file that is
// written, without any widget.
class PWSaveRules
{
    Q_DECLARE_TR_FUNCTIONS(PartwrightDlg)

public:
    struct Target
    {
        QString folder;   // cleaned; when the name has none, the model-library folder, else the current one
        QString fullPath; // cleaned, native separators, always ending in ".model"
    };

    // False with the message to show when the name cannot be saved under.
    static bool resolve(const QString& name, const QString& modelLibPath, Target& target, QString& error);

    // An existing file without write permission. The permission bits decide, not
    // access(): a user who may write anything must not replace a read-only model either.
    static bool isReadOnly(const QString& file);

    // The file name a save dialog starts with.
    static QString startName(const QString& proposedFilePath, const QString& modelLibPath, const QString& modelName);
    static QString cleanName(const QString& name);
    static QString replaceQuestion(const QString& fullPath);
    static QString savedText(const QString& fullPath);
    static QString writeFailedText(const QString& fullPath, const QString& libraryError);
};

#endif
