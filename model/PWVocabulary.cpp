#include "PWVocabulary.h"

#include <algorithm>

using namespace lxlib;

const QString SignalTypeNames[ST_COUNT] = {
    QString(), "DATA", "DATAI", "DATAO", "ADDR", "DATAA", "DATAB", "DIR", "IN", "OUT",
    "IO", "WE", "CE", "OE", "LE", "MODUS", "RYBY", "VPP", "RESETP", "WPROT",
    "MUX", "MUXI", "MUXO", "-", "PWR", "GND", "PWR_NEG", "PWR_REF", "PWR_SW"};

const QString PackagePinTypeNames[PPT_COUNT] = {
    QString(), "INPUT", "OUTPUT", "INOUT", "OUTPUT2", "OUTPUT_OD", "INOUT_OD", "GND", "PWR",
    "NC", "DU", "-", "OUTPUT_OS", "INOUT_OS", "INPUT_PU", "INPUT_PD", "OUTPUT_PU", "OUTPUT_PD",
    "INOUT_PU", "INOUT_PD", "OUTPUT_OD_PU", "OUTPUT_OS_PD", "INOUT_OD_PU", "INOUT_OS_PD",
    "PWR_NEG", "PWR_REF"};

const QString PackageDiePinTypeNames[DPT_COUNT] = {QString(), "EXTERN", "TIE0", "TIE1", "OPEN", "PAD"};

const QString PassiveComponentTypeNames[PCT_COUNT] = {
    QString(), "CONNECTOR", "CAPACITOR", "INDUCTOR", "RESISTOR", "CONNECTION", "RESONATOR",
    "BOARD_CONTACT"};

namespace {

template <int N>
QStringList toList(const QString (&table)[N])
{
    return QStringList(std::begin(table), std::end(table));
}

QStringList dayNumbers(int last)
{
    QStringList days;
    for (int d = 1; d <= last; ++d)
        days.append(QString::number(d));
    return days;
}

} // namespace

PackagePinDirection packagePinDirection(int packagePinType)
{
    switch (packagePinType) {
    case PPT_INPUT: case PPT_INPUT_PU: case PPT_INPUT_PD:
        return InputPin;
    case PPT_OUTPUT: case PPT_OUTPUT2: case PPT_OUTPUT_OD: case PPT_OUTPUT_OS: case PPT_OUTPUT_PU:
    case PPT_OUTPUT_PD: case PPT_OUTPUT_OD_PU: case PPT_OUTPUT_OS_PD:
        return OutputPin;
    case PPT_INOUT: case PPT_INOUT_OD: case PPT_INOUT_OS: case PPT_INOUT_PU: case PPT_INOUT_PD:
    case PPT_INOUT_OD_PU: case PPT_INOUT_OS_PD:
        return InoutPin;
    default:
        return NoDirection;
    }
}

QStringList PackagePinTypeChoices() { return toList(PackagePinTypeNames); }
QStringList SignalTypeChoices() { return toList(SignalTypeNames); }

const QStringList& ReservedPatternNames()
{
    static const QStringList names = {"Enabled", "Disabled", "Truth Table", "Test Sequence",
                                      "Activate Latching", "Activate Buffering",
                                      "Activate Transceiving"};
    return names;
}

const QStringList& DisableSignalTypeList()
{
    static const QStringList names = {"DATA", "DATAA", "DATAB", "DATAO", "OUT", "IO", "RYBY"};
    return names;
}

const QStringList& StuckAtTypeNames()
{
    static const QStringList names = {QString(), "SA1", "SA0", "SAX"};
    return names;
}

const QStringList& MonthNames()
{
    static const QStringList names = {"January", "February", "March", "April", "May", "June",
                                      "July", "August", "September", "October", "November",
                                      "December"};
    return names;
}

const QStringList& MonthNames30Days()
{
    static const QStringList names = {"April", "June", "September", "November"};
    return names;
}

const QStringList& MonthNames31Days()
{
    static const QStringList names = {"January", "March", "May", "July", "August", "October",
                                      "December"};
    return names;
}

const QStringList& MonthNamesFebruary()
{
    static const QStringList names = {"February"};
    return names;
}

const QList<QStringList>& DayLists()
{
    static const QList<QStringList> lists = {dayNumbers(28), dayNumbers(29), dayNumbers(30),
                                             dayNumbers(31)};
    return lists;
}

QStringList AllowedSignalTypes(int packagePinType, bool memoryCategory)
{
    static const QStringList inputTypes = {"CE", "OE", "LE", "DIR", "WE", "MODUS", "VPP",
                                           "RESETP", "WPROT", "ADDR", "IN", "DATAI"};
    static const QStringList outputTypes = {"OUT", "DATAO", "RYBY"};
    static const QStringList dataTypes = {"DATA", "DATAA", "DATAB", "IO"};

    QStringList types;
    switch (packagePinDirection(packagePinType)) {
    case InputPin:
        types = inputTypes;
        if (memoryCategory)
            types << "MUXI";
        break;
    case OutputPin:
        types = outputTypes;
        if (memoryCategory)
            types << "MUXO";
        break;
    case InoutPin:
        types = dataTypes + outputTypes + inputTypes;
        if (memoryCategory)
            types << "MUX" << "MUXI" << "MUXO";
        break;
    case NoDirection:
        break;
    }
    // Plain character-code order, as the choice lists show them.
    std::sort(types.begin(), types.end());
    types.prepend(QString());
    return types;
}

bool isReservedPatternName(const QString& name)
{
    const QString lowered = name.toLower();
    for (const QString& reserved : ReservedPatternNames())
        if (reserved.toLower() == lowered)
            return true;
    return false;
}

bool isGregorianLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

const QStringList& dayListFor(const QString& monthName, int year)
{
    const QList<QStringList>& lists = DayLists();
    if (MonthNamesFebruary().contains(monthName))
        return isGregorianLeapYear(year) ? lists[1] : lists[0];
    if (MonthNames30Days().contains(monthName))
        return lists[2];
    return lists[3];
}

QString defaultNameNumber(int n)
{
    return n < 10 ? QStringLiteral(" 0%1").arg(n) : QStringLiteral(" %1").arg(n);
}

QString firstFreeDefaultName(const QString& base, const std::function<bool(const QString&)>& isTaken)
{
    // Every list is bounded far below this, so the cap only guards a broken predicate.
    constexpr int kLimit = 100000;
    QString name;
    for (int n = 1; n <= kLimit; ++n) {
        name = base + defaultNameNumber(n);
        if (!isTaken(name))
            break;
    }
    return name;
}
