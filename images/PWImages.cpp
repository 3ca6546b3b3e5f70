#include "PWImages.h"

#include <QDir>
#include <QHash>

static void initImageResources()
{
    // The resource lives in a static library; it must be registered by hand.
    Q_INIT_RESOURCE(PWImages);
}

QPixmap lxImage(const QString& name)
{
    static QHash<QString, QPixmap> cache;
    if (name.isEmpty())
        return QPixmap();
    const auto it = cache.constFind(name);
    if (it != cache.constEnd())
        return *it;
    static const bool registered = (initImageResources(), true);
    Q_UNUSED(registered);
    QPixmap pixmap(QStringLiteral(":/pw/") + name);
    if (!pixmap.isNull())
        cache.insert(name, pixmap);
    return pixmap;
}

QStringList lxImageNames()
{
    lxImage(QStringLiteral("PWlogic.png"));
    return QDir(QStringLiteral(":/pw")).entryList(QDir::Files, QDir::Name);
}
