#ifndef PWPACKAGEPINCHECK_H
#define PWPACKAGEPINCHECK_H

#include "PWTableText.h"

#include <QHash>

// The rules a typed package pin obeys, applied to the rows of a paste: number
// required and unique (TIE0, TIE1 and OPEN may repeat, PAD compared without
// case), name unique when given, type a pin type keyword in any case or empty.
// It counts the numbers and names of the table and follows every row the paste
// takes, so a paste of n rows costs time linear in n.
class PWPackagePinCheck
{
public:
    // A check for one planPaste pass; it starts from the table it is first called with.
    PWTableText::RowCheck rowCheck();

private:
    QString check(QStringList& cells, int row, const QList<QStringList>& table);
    void start(const QList<QStringList>& table);
    void count(const QStringList& cells, int step);
    // How many rows other than `row` hold the number or name.
    int others(const QHash<QString, int>& counts, const QString& key, int row, int col,
               const QList<QStringList>& table) const;

    QHash<QString, int> m_numbers; // keyed by numberKey()
    QHash<QString, int> m_names;
    bool m_started = false;
};

#endif
