#include "CVectorColumns.h"

#include "CLogicData.h"

#include <QCoreApplication>
#include <QHash>

using namespace lxlib;

CVectorColumns::CVectorColumns(const CLogicData* index)
{
    if (!index)
        return;
    const CSignalSpecList& bits = index->controlBits();
    m_columns.reserve(bits.count());
    for (int b = bits.count() - 1; b >= 0; --b) {
        const CSignalSpec* entry = bits.at(b);
        Column column;
        if (!entry->isEmpty()) {
            column.signalType = entry->signal().GetSignalType();
            column.bit = entry->signal().GetSignalBit();
            column.pinNames = entry->pinNames();
        }
        m_columns.append(column);
    }
}

QStringList CVectorColumns::labels() const
{
    QStringList texts;
    texts.reserve(count());
    for (int c = 0; c < count(); ++c)
        texts.append(label(c));
    return texts;
}

QStringList CVectorColumns::allowedChars() const
{
    QStringList chars;
    chars.reserve(count());
    for (int c = 0; c < count(); ++c)
        chars.append(allowedChars(pinDirection(c)));
    return chars;
}

QList<int> CVectorColumns::signalTypesByBit() const
{
    QList<int> types;
    types.reserve(count());
    for (int c = count() - 1; c >= 0; --c)
        types.append(m_columns.at(c).signalType);
    return types;
}

bool CVectorColumns::operator==(const CVectorColumns& other) const { return m_columns == other.m_columns; }

int CVectorColumns::pinDirectionOf(int signalType)
{
    switch (signalType) {
    case ST_DATAI: case ST_ADDR: case ST_DIR: case ST_IN: case ST_WE: case ST_CE: case ST_OE: case ST_LE:
    case ST_MODUS: case ST_VPP: case ST_RESETP: case ST_WPROT: case ST_MUXI:
        return Input;
    case ST_DATAO: case ST_OUT: case ST_RYBY: case ST_MUXO:
        return Output;
    case ST_DATA: case ST_DATAA: case ST_DATAB: case ST_IO: case ST_MUX:
        return Bidirectional;
    default:
        return Any;
    }
}

QString CVectorColumns::allowedChars(int pinDirection)
{
    switch (pinDirection) {
    case Input:
        return QStringLiteral("01UDNZ");
    case Output:
        return QStringLiteral("01LHXT");
    case Bidirectional:
        return QStringLiteral("UDHLNXZT");
    default:
        return QStringLiteral("01UDHLNXZT");
    }
}

QString CVectorColumns::directionText(int pinDirection)
{
    switch (pinDirection) {
    case Input:
        return QCoreApplication::translate("PartwrightDlg", "Input: 0 1 U D N Z");
    case Output:
        return QCoreApplication::translate("PartwrightDlg", "Output: 0 1 L H X T");
    case Bidirectional:
        return QCoreApplication::translate("PartwrightDlg", "IO: U D H L N X Z T");
    default:
        return QStringLiteral("01XHLTUDNZ");
    }
}

QList<int> CVectorColumns::mapping(const CVectorColumns& from, const CVectorColumns& to)
{
    QHash<quint64, int> bySignal;
    QHash<QString, int> byPin;
    for (int c = from.count() - 1; c >= 0; --c) {
        const Column& column = from.at(c);
        if (column.pinNames.isEmpty())
            continue;
        bySignal.insert((quint64(quint32(column.signalType)) << 32) | quint32(column.bit), c);
        for (const QString& pin : column.pinNames)
            byPin.insert(pin, c);
    }
    QList<int> map;
    map.reserve(to.count());
    for (const Column& column : to.m_columns) {
        int source = -1;
        if (!column.pinNames.isEmpty()) {
            for (int i = 0; source < 0 && i < column.pinNames.size(); ++i)
                source = byPin.value(column.pinNames.at(i), -1);
            if (source < 0)
                source = bySignal.value((quint64(quint32(column.signalType)) << 32) | quint32(column.bit), -1);
        }
        map.append(source);
    }
    return map;
}

QString CVectorColumns::realign(const QString& vector, const QList<int>& mapping)
{
    QString result(mapping.size(), QLatin1Char('X'));
    for (int c = 0; c < mapping.size(); ++c) {
        const int source = mapping.at(c);
        if (source >= 0 && source < vector.size())
            result[c] = vector.at(source);
    }
    return result;
}
