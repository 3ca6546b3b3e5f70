#ifndef PWPINPAIRS_H
#define PWPINPAIRS_H

#include <QList>
#include <QString>

#include <utility>

// The rule of the passive pin tables: rows with both pins named are pin
// combinations; no pin may combine with itself and no pair may be used twice,
// in either order. Only the latest partner of each first pin counts.
struct PWPinPairFault
{
    enum Kind { None, WithItself, UsedTwice };
    Kind kind = None;
    int row = -1;
    // For UsedTwice in the order the earlier row named them.
    QString first;
    QString second;
};

PWPinPairFault findPinPairFault(const QList<std::pair<QString, QString>>& rows);

#endif
