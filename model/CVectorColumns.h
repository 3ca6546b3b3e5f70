#ifndef CVECTORCOLUMNS_H
#define CVECTORCOLUMNS_H

#include <QList>
#include <QStringList>

class CLogicData;

// The signal columns of the vector tables of one logic part (truth table, test
// sequences): one per entry of the part's control per-bit list, highest bit
// first. A vector holds one character per column, in column order.
class CVectorColumns
{
public:
    // Which logic characters a column's cells take, by the direction of its signal.
    enum PinDirection { Input = 0, Output = 1, Bidirectional = 2, Any = 3 };

    struct Column
    {
        int signalType = 0; // a bit that no pin carries has none
        int bit = -1;
        QStringList pinNames;
    };

    CVectorColumns() = default;
    // The columns of a signal index; none without one.
    explicit CVectorColumns(const CLogicData* index);

    int count() const { return static_cast<int>(m_columns.size()); }
    bool isEmpty() const { return m_columns.isEmpty(); }
    const Column& at(int col) const { return m_columns.at(col); }
    // The header label: the pin names, one per line.
    QString label(int col) const { return m_columns.at(col).pinNames.join(QLatin1Char('\n')); }
    QStringList labels() const;
    int pinDirection(int col) const { return pinDirectionOf(m_columns.at(col).signalType); }
    // Per column, the characters its cells take, upper case.
    QStringList allowedChars() const;
    // The signal type of every column, lowest bit first.
    QList<int> signalTypesByBit() const;

    bool operator==(const CVectorColumns& other) const;

    static int pinDirectionOf(int signalType);
    static QString allowedChars(int pinDirection);
    // What the editors show while a cell of a column of this direction is current.
    static QString directionText(int pinDirection);

    // For each column of `to`, the column of `from` whose cells it takes over:
    // one that shares a pin with it (so cells follow pins moved to other bits),
    // else the one with the same signal; -1 for a column that is new.
    static QList<int> mapping(const CVectorColumns& from, const CVectorColumns& to);
    // A vector over the old columns laid over the new ones; new columns read "X".
    static QString realign(const QString& vector, const QList<int>& mapping);

private:
    QList<Column> m_columns;
};

inline bool operator==(const CVectorColumns::Column& a, const CVectorColumns::Column& b)
{
    return a.signalType == b.signalType && a.bit == b.bit && a.pinNames == b.pinNames;
}

#endif
