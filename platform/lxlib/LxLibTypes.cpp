#include "LxLibTypes.h"

#include <QHash>

namespace lxlib {

namespace {

const char* const kSignalTypes[ST_COUNT] = {
    "", "DATA", "DATAI", "DATAO", "ADDR", "DATAA", "DATAB", "DIR", "IN", "OUT",
    "IO", "WE", "CE", "OE", "LE", "MODUS", "RYBY", "VPP", "RESETP", "WPROT",
    "MUX", "MUXI", "MUXO", "-", "PWR", "GND", "PWR_NEG", "PWR_REF", "PWR_SW"};

const char* const kPackagePinTypes[PPT_COUNT] = {
    "", "INPUT", "OUTPUT", "INOUT", "OUTPUT2", "OUTPUT_OD", "INOUT_OD", "GND", "PWR", "NC",
    "DU", "-", "OUTPUT_OS", "INOUT_OS", "INPUT_PU", "INPUT_PD", "OUTPUT_PU", "OUTPUT_PD",
    "INOUT_PU", "INOUT_PD", "OUTPUT_OD_PU", "OUTPUT_OS_PD", "INOUT_OD_PU", "INOUT_OS_PD",
    "PWR_NEG", "PWR_REF"};

const char* const kDiePinTypes[DPT_COUNT] = {"", "EXTERN", "TIE0", "TIE1", "OPEN", "PAD"};

const char* const kPassiveTypes[PCT_COUNT] = {
    "", "CONNECTOR", "CAPACITOR", "INDUCTOR", "RESISTOR", "CONNECTION", "RESONATOR", "BOARD_CONTACT"};

const char* const kTimeUnits[TU_COUNT] = {"", "ns", "us", "ms", "s", "tck"};

const char* const kStuckAt[SA_COUNT] = {"", "SA1", "SA0", "SAX"};

template <int N>
QString keyword(const char* const (&table)[N], int code)
{
    return (code >= 0 && code < N) ? QString::fromLatin1(table[code]) : QString();
}

// Upper-cased keyword -> code, built once per table.
template <int N>
QHash<QString, int> buildIndex(const char* const (&table)[N])
{
    QHash<QString, int> index;
    for (int i = 1; i < N; ++i)
        index.insert(QString::fromLatin1(table[i]).toUpper(), i);
    return index;
}

// One instance, and so one index, per table: tables of equal length must not share it.
template <const auto& table>
int lookup(const QString& word)
{
    static const QHash<QString, int> index = buildIndex(table);
    return index.value(word.toUpper(), 0);
}

} // namespace

QString signalTypeKeyword(int code) { return keyword(kSignalTypes, code); }
int signalTypeCode(const QString& word) { return lookup<kSignalTypes>(word); }
QString packagePinTypeKeyword(int code) { return keyword(kPackagePinTypes, code); }
int packagePinTypeCode(const QString& word) { return lookup<kPackagePinTypes>(word); }
QString diePinTypeKeyword(int code) { return keyword(kDiePinTypes, code); }
int diePinTypeCode(const QString& word) { return lookup<kDiePinTypes>(word); }
QString passiveTypeKeyword(int code) { return keyword(kPassiveTypes, code); }
int passiveTypeCode(const QString& word)
{
    if (word.compare(QLatin1String("BOARDCONTACT"), Qt::CaseInsensitive) == 0)
        return PCT_BOARD_CONTACT;
    return lookup<kPassiveTypes>(word);
}
QString timeUnitKeyword(int code) { return keyword(kTimeUnits, code); }
int timeUnitCode(const QString& word) { return lookup<kTimeUnits>(word); }
QString stuckAtKeyword(int code) { return keyword(kStuckAt, code); }
int stuckAtCode(const QString& word) { return lookup<kStuckAt>(word); }

} // namespace lxlib
