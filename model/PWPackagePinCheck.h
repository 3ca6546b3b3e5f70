#ifndef PWPACKAGEPINCHECK_H
#define PWPACKAGEPINCHECK_H

#include "PWTableText.h"

#include <QHash>
#include <QSet>

// The rules a typed package pin obeys, applied to the rows of a paste: number
// required and unique (TIE0, TIE1 and OPEN may repeat, PAD compared without
// case), name unique when given, type a pin type keyword in any case or empty.
// It counts the numbers and names of the table and follows every row the paste
// takes, so a paste of n rows costs time linear in n.
//
// Supply pins (power, ground and unconnected types) often share one name in a
// datasheet. A first pass counts those refused for a repeated name; a second
// pass with nameApart set renames every pasted supply pin of such a name to
// NAME_NUMBER (GND_A1), the first of them included.
class PWPackagePinCheck
{
public:
    // GND, PWR, PWR_NEG, PWR_REF, NC and DU.
    static bool isSupplyType(int packagePinType);

    // A check for one planPaste pass; it starts from the table it is first called with.
    PWTableText::RowCheck rowCheck();
    // Pasted supply pins the last pass refused because their name repeats.
    int repeatedSupplyPins() const { return m_repeatedSupplyPins; }
    // Sets how the next pass names supply pins whose name the last pass found repeated.
    void setNameApart(bool nameApart);

private:
    QString check(QStringList& cells, int row, const QList<QStringList>& table);
    void start(const QList<QStringList>& table);
    void count(const QStringList& cells, int step);
    // How many rows other than `row` hold the number or name.
    int others(const QHash<QString, int>& counts, const QString& key, int row, int col,
               const QList<QStringList>& table) const;

    QHash<QString, int> m_numbers; // keyed by numberKey()
    QHash<QString, int> m_names;
    QSet<QString> m_repeatedSupplyNames;
    int m_repeatedSupplyPins = 0;
    bool m_started = false;
    bool m_nameApart = false;
};

#endif
