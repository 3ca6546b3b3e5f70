#include "PWPinPairs.h"

#include <QHash>

PWPinPairFault findPinPairFault(const QList<std::pair<QString, QString>>& rows)
{
    QHash<QString, QString> partners;
    for (int row = 0; row < rows.size(); ++row) {
        const QString& a = rows.at(row).first;
        const QString& b = rows.at(row).second;
        if (a.isEmpty() || b.isEmpty())
            continue;
        if (a == b)
            return {PWPinPairFault::WithItself, row, a, b};
        if (partners.value(a) == b)
            return {PWPinPairFault::UsedTwice, row, a, b};
        if (partners.value(b) == a)
            return {PWPinPairFault::UsedTwice, row, b, a};
        partners.insert(a, b);
    }
    return {};
}
