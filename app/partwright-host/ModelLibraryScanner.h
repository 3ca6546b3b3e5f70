#ifndef MODELLIBRARYSCANNER_H
#define MODELLIBRARYSCANNER_H

#include <QCoreApplication>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

// One model file of the library as the host lists it.
struct ModelLibraryEntry
{
    QString filePath;
    QString name;      // relative to the library root, without ".model"
    QString deviceId;
    QString category;
    QDateTime modified;
    QString problem;   // first reading problem; empty when the file reads clean
};

// Finds the .model files under a library folder and reads what the list shows.
// Files whose size and time are unchanged since the last scan are not read again,
// so refreshing a large library after one edit stays quick.
class ModelLibraryScanner
{
    Q_DECLARE_TR_FUNCTIONS(ModelLibraryScanner)

public:
    QList<ModelLibraryEntry> scan(const QString& root);

    static ModelLibraryEntry readEntry(const QString& filePath, const QString& root);
    static QString categoryName(int descriptorKind);

private:
    struct Cached
    {
        qint64 size = -1;
        QDateTime modified;
        ModelLibraryEntry entry;
    };
    QHash<QString, Cached> m_cache;
};

#endif
