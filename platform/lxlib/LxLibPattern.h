#ifndef LXLIBPATTERN_H
#define LXLIBPATTERN_H

#include "LxLibList.h"
#include "LxLibTypes.h"

namespace lxlib {

// A signal setting: the vector applied to all bits of a signal type, or, when a
// bit is given (a bit value specification), to that single bit.
class LxLibSetSignal : public LxLibObject
{
public:
    LxLibSetSignal(int signalType, const QString& vector, int bit = -1)
        : m_type(signalType), m_vector(vector), m_bit(bit)
    {
    }

    int GetSignalType() const { return m_type; }
    QString GetVector() const { return m_vector; }
    int GetSignalBit() const { return m_bit; }
    bool HasBitValue() const { return m_bit >= 0; }

    LxLibSetSignal* clone() const { return new LxLibSetSignal(*this); }

private:
    int m_type;
    QString m_vector;
    int m_bit;
};

class LxLibSetSignalList : public LxLibList<LxLibSetSignal>
{
public:
    LxLibSetSignalList* clone() const
    {
        auto* l = new LxLibSetSignalList;
        for (const LxLibSetSignal* s : *this)
            l->append(s->clone());
        return l;
    }
};

using LxLibSetSignalListList = LxLibList<LxLibSetSignalList>;

// One enable specification. Plain entries (chip enable, output enable, power
// control) carry only their type.
class LxLibSetEnable : public LxLibObject
{
public:
    explicit LxLibSetEnable(int enableType) : m_type(enableType) {}

    int GetEnableType() const { return m_type; }
    virtual bool IsDifferential() const { return false; }
    virtual LxLibSetEnable* clone() const { return new LxLibSetEnable(*this); }

private:
    int m_type;
};

// A relation between two signals: the base of equations and connections.
// Flag bit 0 is invert, bit 1 latch. A differential signal (-1 when none) names
// the signal type that the signal is paired with.
class LxLibSetEnableRelation : public LxLibSetEnable
{
public:
    static constexpr int InvertFlag = 1;
    static constexpr int LatchFlag = 2;

    LxLibSetEnableRelation(int enableType, int signal1, int signal2, int bit1, int bit2, int invert,
                           int latch, int differential1, int differential2)
        : LxLibSetEnable(enableType), m_first(signal1, bit1), m_second(signal2, bit2),
          m_flags((invert ? InvertFlag : 0) | (latch ? LatchFlag : 0)), m_diff1(differential1),
          m_diff2(differential2)
    {
    }

    const LxLibSignalTypeBit& GetFirstSignal() const { return m_first; }
    const LxLibSignalTypeBit& GetSecondSignal() const { return m_second; }
    int GetFlags() const { return m_flags; }
    void SetFlags(int flags) { m_flags = flags & (InvertFlag | LatchFlag); }
    bool IsInvert() const { return m_flags & InvertFlag; }
    bool IsLatch() const { return m_flags & LatchFlag; }
    int GetFirstDifferential() const { return m_diff1; }
    int GetSecondDifferential() const { return m_diff2; }
    bool IsDifferential() const override { return m_diff1 >= 0 || m_diff2 >= 0; }

private:
    LxLibSignalTypeBit m_first;
    LxLibSignalTypeBit m_second;
    int m_flags;
    int m_diff1;
    int m_diff2;
};

class LxLibSetEnableEqual : public LxLibSetEnableRelation
{
public:
    LxLibSetEnableEqual(int signal1, int signal2, int bit1 = -1, int bit2 = -1, int invert = 0,
                        int latch = 0, int differential1 = -1, int differential2 = -1)
        : LxLibSetEnableRelation(ET_EQUATION, signal1, signal2, bit1, bit2, invert, latch,
                                 differential1, differential2)
    {
    }
    LxLibSetEnableEqual* clone() const override { return new LxLibSetEnableEqual(*this); }
};

class LxLibSetEnableConnection : public LxLibSetEnableRelation
{
public:
    LxLibSetEnableConnection(int signal1, int signal2, int bit1 = -1, int bit2 = -1, int invert = 0,
                             int latch = 0, int differential1 = -1, int differential2 = -1)
        : LxLibSetEnableRelation(ET_CONNECTION, signal1, signal2, bit1, bit2, invert, latch,
                                 differential1, differential2)
    {
    }
    LxLibSetEnableConnection* clone() const override { return new LxLibSetEnableConnection(*this); }
};

// An output disable entry: the outputs of one signal type switched off.
class LxLibSetEnableDisable : public LxLibSetEnable
{
public:
    explicit LxLibSetEnableDisable(int signalType, int bit = -1)
        : LxLibSetEnable(ET_OUTPUT_DISABLE), m_signal(signalType, bit)
    {
    }
    const LxLibSignalTypeBit& GetSignal() const { return m_signal; }
    LxLibSetEnableDisable* clone() const override { return new LxLibSetEnableDisable(*this); }

private:
    LxLibSignalTypeBit m_signal;
};

using LxLibSetEnableList = LxLibList<LxLibSetEnable>;

// A signal type (or, with a bit, one signal bit) that a disable pattern disables.
class LxLibSetDisable : public LxLibObject
{
public:
    LxLibSetDisable(int signalType, int bit = -1) : m_signal(signalType, bit) {}
    int GetSignalType() const { return m_signal.GetSignalType(); }
    int GetSignalBit() const { return m_signal.GetSignalBit(); }
    const LxLibSignalTypeBit& GetSignal() const { return m_signal; }
    LxLibSetDisable* clone() const { return new LxLibSetDisable(*this); }

private:
    LxLibSignalTypeBit m_signal;
};

using LxLibSetDisableList = LxLibList<LxLibSetDisable>;

class LxLibEnablePattern : public LxLibObject
{
public:
    explicit LxLibEnablePattern(const QString& name = QString()) : m_name(name) {}

    QString GetName() const { return m_name; }
    void SetName(const QString& name) { m_name = name; }
    void AddSetSignal(LxLibSetSignal* s) { m_signals.append(s); }
    const LxLibSetSignalList& GetSetSignalList() const { return m_signals; }
    LxLibSetSignalList& GetSetSignalList() { return m_signals; }
    void AddSetEnable(LxLibSetEnable* e) { m_enables.append(e); }
    const LxLibSetEnableList& GetSetEnableList() const { return m_enables; }
    LxLibSetEnableList& GetSetEnableList() { return m_enables; }

    LxLibEnablePattern* clone() const
    {
        auto* p = new LxLibEnablePattern(m_name);
        p->copySourcePosition(*this);
        for (const LxLibSetSignal* s : m_signals)
            p->m_signals.append(s->clone());
        for (const LxLibSetEnable* e : m_enables)
            p->m_enables.append(e->clone());
        return p;
    }

private:
    QString m_name;
    LxLibSetSignalList m_signals;
    LxLibSetEnableList m_enables;
};

using LxLibEnablePatternList = LxLibList<LxLibEnablePattern>;

class LxLibDisablePattern : public LxLibObject
{
public:
    explicit LxLibDisablePattern(const QString& name = QString()) : m_name(name) {}

    QString GetName() const { return m_name; }
    void SetName(const QString& name) { m_name = name; }
    void AddSetSignal(LxLibSetSignal* s) { m_signals.append(s); }
    const LxLibSetSignalList& GetSetSignalList() const { return m_signals; }
    LxLibSetSignalList& GetSetSignalList() { return m_signals; }
    void AddSetDisable(LxLibSetDisable* d) { m_disables.append(d); }
    const LxLibSetDisableList& GetSetDisableList() const { return m_disables; }

    LxLibDisablePattern* clone() const
    {
        auto* p = new LxLibDisablePattern(m_name);
        p->copySourcePosition(*this);
        for (const LxLibSetSignal* s : m_signals)
            p->m_signals.append(s->clone());
        for (const LxLibSetDisable* d : m_disables)
            p->m_disables.append(d->clone());
        return p;
    }

private:
    QString m_name;
    LxLibSetSignalList m_signals;
    LxLibSetDisableList m_disables;
};

using LxLibDisablePatternList = LxLibList<LxLibDisablePattern>;

// A latch sequence: its latch condition(s) and one list of signal settings per vector.
class LxLibLatchSequence : public LxLibObject
{
public:
    explicit LxLibLatchSequence(const QString& name = QString()) : m_name(name) {}

    QString GetName() const { return m_name; }
    void SetName(const QString& name) { m_name = name; }
    void AddSetEnable(LxLibSetEnable* condition) { m_conditions.append(condition); }
    const LxLibSetEnableList& GetSetEnableList() const { return m_conditions; }
    void AddSetSignalList(LxLibSetSignalList* list) { m_vectors.append(list); }
    const LxLibSetSignalListList& GetSetSignalListList() const { return m_vectors; }

    LxLibLatchSequence* clone() const
    {
        auto* p = new LxLibLatchSequence(m_name);
        p->copySourcePosition(*this);
        for (const LxLibSetEnable* e : m_conditions)
            p->m_conditions.append(e->clone());
        for (const LxLibSetSignalList* l : m_vectors)
            p->m_vectors.append(l->clone());
        return p;
    }

private:
    QString m_name;
    LxLibSetEnableList m_conditions;
    LxLibSetSignalListList m_vectors;
};

using LxLibLatchSequenceList = LxLibList<LxLibLatchSequence>;

} // namespace lxlib

#endif
