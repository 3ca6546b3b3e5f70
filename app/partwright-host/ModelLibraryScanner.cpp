#include "ModelLibraryScanner.h"

#include "LxLibDescriptor.h"
#include "LxLibInfo.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

QString ModelLibraryScanner::categoryName(int descriptorKind)
{
    switch (descriptorKind) {
    case lxlib::DK_LOGIC:
        return tr("Logic");
    case lxlib::DK_PASSIVE:
        return tr("Passive");
    case lxlib::DK_MEMORY_TEST:
        return tr("Memory test");
    case lxlib::DK_MEMORY_PROGRAM:
        return tr("Memory program");
    default:
        return tr("Unknown");
    }
}

ModelLibraryEntry ModelLibraryScanner::readEntry(const QString& filePath, const QString& root)
{
    const QFileInfo info(filePath);
    ModelLibraryEntry entry;
    entry.filePath = info.absoluteFilePath();
    entry.modified = info.lastModified();
    const QString relative = QDir(root).relativeFilePath(entry.filePath);
    entry.name = relative.endsWith(QLatin1String(".model")) ? relative.chopped(6) : relative;

    lxlib::LxLibInfo document(entry.filePath);
    QObject::connect(&document, &lxlib::LxLibInfo::message, [&entry](const lxlib::Message& m) {
        if (m.kind == lxlib::Message::Error && entry.problem.isEmpty())
            entry.problem = m.text;
    });
    const bool read = document.read(false, true);
    if (!read && entry.problem.isEmpty())
        entry.problem = tr("The file cannot be read.");
    if (document.GetComponentList().isEmpty()) {
        if (entry.problem.isEmpty())
            entry.problem = tr("The file holds no device.");
        return entry;
    }
    const lxlib::LxLibComponent* component = document.GetComponent();
    entry.deviceId = component->GetName();
    const auto& descriptors = component->GetDescriptorList();
    entry.category = descriptors.isEmpty() ? categoryName(lxlib::DK_NONE) : categoryName(descriptors.first()->kind());
    return entry;
}

QList<ModelLibraryEntry> ModelLibraryScanner::scan(const QString& root)
{
    QList<ModelLibraryEntry> entries;
    QHash<QString, Cached> seen;
    QDirIterator it(root, {QStringLiteral("*.model")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString path = info.absoluteFilePath();
        Cached cached = m_cache.value(path);
        if (cached.size != info.size() || cached.modified != info.lastModified()) {
            cached.size = info.size();
            cached.modified = info.lastModified();
            cached.entry = readEntry(path, root);
        }
        entries.append(cached.entry);
        seen.insert(path, cached);
    }
    m_cache.swap(seen);
    std::sort(entries.begin(), entries.end(), [](const ModelLibraryEntry& a, const ModelLibraryEntry& b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return entries;
}
