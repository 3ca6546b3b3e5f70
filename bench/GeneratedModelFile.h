#ifndef GENERATEDMODELFILE_H
#define GENERATEDMODELFILE_H

#include "ModelGenerator.h"

#include <QFile>
#include <QTemporaryDir>

#include <map>

// A generated model of about the given size, written once per size into a
// folder that lives as long as the benchmark program.
inline const QString& generatedModelFile(int megabytes)
{
    static QTemporaryDir folder;
    static std::map<int, QString> files;
    auto it = files.find(megabytes);
    if (it != files.end())
        return it->second;
    ModelGenerator::Options o;
    o.megabytes = megabytes;
    const QString path = folder.filePath(QStringLiteral("gen%1.model").arg(megabytes));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        ModelGenerator(o).write(f);
    return files.emplace(megabytes, path).first->second;
}

#endif
