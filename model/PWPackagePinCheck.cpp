#include "PWPackagePinCheck.h"

#include "PWVocabulary.h"

#include <QCoreApplication>

namespace {

// PAD, pad and Pad are one number; every other number is compared exactly.
QString numberKey(const QString& number)
{
    return number.compare(QLatin1String("PAD"), Qt::CaseInsensitive) == 0 ? QStringLiteral("PAD") : number;
}

bool mayRepeat(const QString& number)
{
    const QString upper = number.toUpper();
    return upper == QLatin1String("TIE0") || upper == QLatin1String("TIE1") || upper == QLatin1String("OPEN");
}

// The pin type code of a keyword in any case, -1 for none.
int pinTypeCode(const QString& keyword)
{
    static const QHash<QString, int> codes = [] {
        QHash<QString, int> table;
        for (int code = 1; code < lxlib::PPT_COUNT; ++code)
            table.insert(PackagePinTypeNames[code].toUpper(), code);
        return table;
    }();
    return codes.value(keyword.toUpper(), -1);
}

} // namespace

bool PWPackagePinCheck::isSupplyType(int packagePinType)
{
    switch (packagePinType) {
    case lxlib::PPT_GND:
    case lxlib::PPT_PWR:
    case lxlib::PPT_PWR_NEG:
    case lxlib::PPT_PWR_REF:
    case lxlib::PPT_NC:
    case lxlib::PPT_DU:
        return true;
    default:
        return false;
    }
}

PWTableText::RowCheck PWPackagePinCheck::rowCheck()
{
    m_started = false;
    return [this](QStringList& cells, int row, const QList<QStringList>& table) { return check(cells, row, table); };
}

void PWPackagePinCheck::setNameApart(bool nameApart)
{
    m_nameApart = nameApart;
    m_started = false;
}

void PWPackagePinCheck::start(const QList<QStringList>& table)
{
    m_numbers.clear();
    m_names.clear();
    m_numbers.reserve(table.size());
    m_names.reserve(table.size());
    for (const QStringList& cells : table)
        count(cells, 1);
    m_repeatedSupplyPins = 0;
    // A pass that names supply pins apart needs the names the pass before it found.
    if (!m_nameApart)
        m_repeatedSupplyNames.clear();
    m_started = true;
}

void PWPackagePinCheck::count(const QStringList& cells, int step)
{
    const QString number = cells.value(0);
    const QString name = cells.value(1);
    if (!number.isEmpty())
        m_numbers[numberKey(number)] += step;
    if (!name.isEmpty())
        m_names[name] += step;
}

int PWPackagePinCheck::others(const QHash<QString, int>& counts, const QString& key, int row, int col,
                              const QList<QStringList>& table) const
{
    int n = counts.value(key);
    if (row < table.size()) {
        const QString own = table[row].value(col);
        if (!own.isEmpty() && (col == 0 ? numberKey(own) : own) == key)
            --n;
    }
    return n;
}

QString PWPackagePinCheck::check(QStringList& cells, int row, const QList<QStringList>& table)
{
    if (!m_started)
        start(table);
    if (cells[0].isEmpty())
        return QCoreApplication::translate("PartwrightDlg", "the pin number is empty");
    if (!mayRepeat(cells[0]) && others(m_numbers, numberKey(cells[0]), row, 0, table) > 0) {
        //: %1 = Number of the package pin
        return QCoreApplication::translate("PartwrightDlg", "pin number \"%1\" is already used in this package")
            .arg(cells[0]);
    }
    const int type = cells[2].isEmpty() ? 0 : pinTypeCode(cells[2]);
    const bool supply = isSupplyType(type);
    if (supply && m_nameApart && m_repeatedSupplyNames.contains(cells[1]))
        cells[1] += QLatin1Char('_') + cells[0];
    if (!cells[1].isEmpty() && others(m_names, cells[1], row, 1, table) > 0) {
        if (supply && !m_nameApart) {
            ++m_repeatedSupplyPins;
            m_repeatedSupplyNames.insert(cells[1]);
        }
        //: %1 = Name of the package pin
        return QCoreApplication::translate("PartwrightDlg", "pin name \"%1\" is already used in this package")
            .arg(cells[1]);
    }
    if (type < 0) {
        //: %1 = The pasted pin type
        return QCoreApplication::translate("PartwrightDlg", "\"%1\" is no pin type").arg(cells[2]);
    }
    if (type > 0)
        cells[2] = PackagePinTypeNames[type];
    // planPaste takes every row the check accepts.
    if (row < table.size())
        count(table[row], -1);
    count(cells, 1);
    return QString();
}
