#include "PinTableFixture.h"

#include <QList>
#include <QStringList>

namespace PinTableFixture {

namespace {

constexpr int FpgaPins = 1056;
constexpr int GridSize = 34;

struct Pin
{
    QString name;
    QString type;
};

// The row letters of a BGA grid: no I, O, Q, S, X or Z, then doubled letters.
QStringList gridRows()
{
    const QString letters = QStringLiteral("ABCDEFGHJKLMNPRTUVWY");
    QStringList rows;
    for (const QChar c : letters)
        rows << QString(c);
    for (int i = 0; rows.size() < GridSize; ++i)
        rows << QStringLiteral("A") + letters.at(i);
    return rows;
}

// An I/O pin of pair n (1..24), P or N side: nibble, clock and strobe functions.
QString ioName(int bank, int n, bool positive)
{
    QString function;
    if (n == 11 || n == 12)
        function = QStringLiteral("_SRCC");
    else if (n == 13 || n == 14)
        function = QStringLiteral("_MRCC");
    else if ((n - 1) % 6 == 2)
        function = QStringLiteral("_DQS");
    else if (n % 6 == 0 && !positive)
        function = QStringLiteral("_VREF");
    if (bank == 14 && n == 3 && positive)
        function += QStringLiteral("_PUDC_B");
    return QStringLiteral("IO_L%1%2_T%3%4_%5")
        .arg(n)
        .arg(positive ? QLatin1Char('P') : QLatin1Char('N'))
        .arg((n - 1) / 6)
        .arg(function)
        .arg(bank);
}

QList<Pin> fpgaPins()
{
    QList<Pin> pins;
    const auto repeat = [&pins](const QString& name, const char* type, int count) {
        for (int i = 0; i < count; ++i)
            pins.append({name, QLatin1String(type)});
    };
    const QList<int> banks{12, 13, 14, 15, 16, 32, 33, 34, 35, 36, 17, 18};
    repeat(QStringLiteral("GND"), "GND", 255);
    repeat(QStringLiteral("VCCINT"), "PWR", 49);
    repeat(QStringLiteral("VCCAUX"), "PWR", 12);
    repeat(QStringLiteral("VCCBRAM"), "PWR", 4);
    for (int b = 0; b < 10; ++b)
        repeat(QStringLiteral("VCCO_%1").arg(banks[b]), "PWR", 6);
    repeat(QStringLiteral("NC"), "NC", 67);
    const char* const singles[][2] = {
        {"VCCO_0", "PWR"},       {"VCCADC_0", "PWR"},      {"GNDADC_0", "GND"},   {"VREFP_0", "PWR_REF"},
        {"VREFN_0", "PWR_REF"},  {"VP_0", "INPUT"},        {"VN_0", "INPUT"},     {"DXP_0", "INPUT"},
        {"DXN_0", "INPUT"},      {"TCK_0", "INPUT"},       {"TMS_0", "INPUT"},    {"TDI_0", "INPUT"},
        {"TDO_0", "OUTPUT"},     {"PROGRAM_B_0", "INPUT"}, {"INIT_B_0", "INOUT_OD"}, {"DONE_0", "INOUT_OD"},
        {"CCLK_0", "INOUT"},     {"M0_0", "INPUT"},        {"M1_0", "INPUT"},     {"M2_0", "INPUT"},
        {"CFGBVS_0", "INPUT"}};
    for (const auto& single : singles)
        repeat(QLatin1String(single[0]), single[1], 1);
    for (int bank : banks) {
        repeat(QStringLiteral("IO_0_%1").arg(bank), "INOUT", 1);
        for (int n = 1; n <= 24; ++n) {
            repeat(ioName(bank, n, true), "INOUT", 1);
            repeat(ioName(bank, n, false), "INOUT", 1);
        }
        repeat(QStringLiteral("IO_25_%1").arg(bank), "INOUT", 1);
    }
    pins.resize(FpgaPins);
    return pins;
}

} // namespace

QString fpga()
{
    const QList<Pin> pins = fpgaPins();
    const QStringList rows = gridRows();
    QString text;
    // Balls in grid order, names spread over them as a package spreads its supplies.
    for (int i = 0; i < FpgaPins; ++i) {
        const Pin& pin = pins[(i * 389) % FpgaPins];
        text += QStringLiteral("%1%2\t%3\t%4\n").arg(rows[i / GridSize]).arg(i % GridSize + 1).arg(pin.name, pin.type);
    }
    return text;
}

QHash<QString, int> fpgaNameCounts()
{
    QHash<QString, int> counts;
    for (const Pin& pin : fpgaPins())
        ++counts[pin.name];
    return counts;
}

QString numbered(int rows)
{
    const char* const types[] = {"INPUT", "OUTPUT", "INOUT"};
    QString text;
    for (int i = 0; i < rows; ++i)
        text += QStringLiteral("%1\tIO_L%2P_T%3_%4\t%5\n")
                    .arg(i + 1)
                    .arg(i % 24 + 1)
                    .arg(i % 24 / 6)
                    .arg(i / 24)
                    .arg(QLatin1String(types[i % 3]));
    return text;
}

} // namespace PinTableFixture
