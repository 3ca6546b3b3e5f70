#ifndef LXLIBTYPES_H
#define LXLIBTYPES_H

#include "LxLibPool.h"

#include <QString>
#include <QStringList>

namespace lxlib {

// Codes of the model file vocabulary. Code 0 always means "no value".
enum SignalType {
    ST_NONE = 0, ST_DATA, ST_DATAI, ST_DATAO, ST_ADDR, ST_DATAA, ST_DATAB, ST_DIR, ST_IN, ST_OUT,
    ST_IO, ST_WE, ST_CE, ST_OE, ST_LE, ST_MODUS, ST_RYBY, ST_VPP, ST_RESETP, ST_WPROT,
    ST_MUX, ST_MUXI, ST_MUXO, ST_DASH, ST_PWR, ST_GND, ST_PWR_NEG, ST_PWR_REF, ST_PWR_SW,
    ST_COUNT
};

enum PackagePinType {
    PPT_NONE = 0, PPT_INPUT, PPT_OUTPUT, PPT_INOUT, PPT_OUTPUT2, PPT_OUTPUT_OD, PPT_INOUT_OD,
    PPT_GND, PPT_PWR, PPT_NC, PPT_DU, PPT_DASH, PPT_OUTPUT_OS, PPT_INOUT_OS, PPT_INPUT_PU,
    PPT_INPUT_PD, PPT_OUTPUT_PU, PPT_OUTPUT_PD, PPT_INOUT_PU, PPT_INOUT_PD, PPT_OUTPUT_OD_PU,
    PPT_OUTPUT_OS_PD, PPT_INOUT_OD_PU, PPT_INOUT_OS_PD, PPT_PWR_NEG, PPT_PWR_REF,
    PPT_COUNT
};

enum PackageDiePinType { DPT_NONE = 0, DPT_EXTERN, DPT_TIE0, DPT_TIE1, DPT_OPEN, DPT_PAD, DPT_COUNT };

enum PassiveComponentType {
    PCT_NONE = 0, PCT_CONNECTOR, PCT_CAPACITOR, PCT_INDUCTOR, PCT_RESISTOR, PCT_CONNECTION,
    PCT_RESONATOR, PCT_BOARD_CONTACT, PCT_COUNT
};

enum TimeUnitCode { TU_NONE = 0, TU_NS, TU_US, TU_MS, TU_S, TU_TCK, TU_COUNT };

enum StuckAtType { SA_NONE = 0, SA_1, SA_0, SA_X, SA_COUNT };

enum HeaderType { HT_NONE = 0, HT_GENERAL = 1, HT_HISTORY = 2, HT_WARNING = 3, HT_NOTE = 4 };

// Kinds of the descriptors a component holds.
enum DescriptorKind { DK_NONE = 0, DK_MEMORY_PROGRAM = 1, DK_MEMORY_TEST = 2, DK_LOGIC = 3, DK_PASSIVE = 4 };

// What a set-enable entry of an enable pattern states.
enum EnableType {
    ET_NONE = 0, ET_CHIP_ENABLE = 1, ET_OUTPUT_ENABLE = 2, ET_CONNECTION = 3, ET_EQUATION = 4,
    ET_OUTPUT_DISABLE = 5, ET_POWER_CONTROL = 6
};

// Break modes of a test loop.
enum BreakMode { BM_NONE = 0, BM_ON_NO_ERROR = 1, BM_ON_ERROR = 2 };

// Keywords of the codes above. Out-of-range codes give an empty string; the
// reverse lookups compare case-insensitively and give 0 for an unknown word.
QString signalTypeKeyword(int code);
int signalTypeCode(const QString& keyword);
QString packagePinTypeKeyword(int code);
int packagePinTypeCode(const QString& keyword);
QString diePinTypeKeyword(int code);
int diePinTypeCode(const QString& keyword);
// Accepts "BOARDCONTACT" as well as "BOARD_CONTACT".
QString passiveTypeKeyword(int code);
int passiveTypeCode(const QString& keyword);
QString timeUnitKeyword(int code);
int timeUnitCode(const QString& keyword);
QString stuckAtKeyword(int code);
int stuckAtCode(const QString& keyword);

// A problem reported by the library; kind 2 is an error, 1 a warning.
struct Message
{
    enum Kind { Info = 0, Warning = 1, Error = 2 };
    int kind = Info;
    QString text;
};

// Every library object remembers where it was read from (0 when built in memory),
// so a check can point at the line of the object concerned.
class LxLibObject
{
public:
    static void* operator new(std::size_t size) { return LxLibPool::allocate(size); }
    static void* operator new(std::size_t, void* where) noexcept { return where; }
    static void operator delete(void* p, std::size_t size) noexcept { LxLibPool::release(p, size); }
    static void operator delete(void*, void*) noexcept {}

    virtual ~LxLibObject() = default;
    int sourceLine() const { return m_line; }
    int sourceColumn() const { return m_column; }
    void setSourcePosition(int line, int column)
    {
        m_line = line;
        m_column = column;
    }
    void copySourcePosition(const LxLibObject& other)
    {
        m_line = other.m_line;
        m_column = other.m_column;
    }

private:
    int m_line = 0;
    int m_column = 0;
};

// A signal type with its bit; an unset bit is -1.
class LxLibSignalTypeBit
{
public:
    LxLibSignalTypeBit() = default;
    LxLibSignalTypeBit(int type, int bit) : m_type(type), m_bit(bit) {}

    int GetSignalType() const { return m_type; }
    int GetSignalBit() const { return m_bit; }
    void SetSignalType(int type) { m_type = type; }
    void SetSignalBit(int bit) { m_bit = bit; }
    bool operator==(const LxLibSignalTypeBit& o) const { return m_type == o.m_type && m_bit == o.m_bit; }

    static int ConvertSignalToType(const QString& name) { return signalTypeCode(name); }
    static QString ConvertSignalToString(int type) { return signalTypeKeyword(type); }

private:
    int m_type = ST_NONE;
    int m_bit = -1;
};

class LxLibTimeUnit
{
public:
    LxLibTimeUnit() = default;
    explicit LxLibTimeUnit(int code) : m_code(code) {}

    void SetTimeUnit(int code) { m_code = code; }
    // Case-insensitive; an unknown word leaves code 0.
    void SetTimeUnit(const QString& text) { m_code = timeUnitCode(text); }
    int GetTimeUnit() const { return m_code; }
    QString GetTimeUnitAsStr() const { return timeUnitKeyword(m_code); }

private:
    int m_code = TU_NONE;
};

} // namespace lxlib

#endif
