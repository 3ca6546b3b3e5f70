#ifndef LXLIBSTATEMENT_H
#define LXLIBSTATEMENT_H

#include "LxLibCompactText.h"
#include "LxLibList.h"
#include "LxLibTypes.h"

#include <cstdint>
#include <utility>

namespace lxlib {

// A diagnostic rule: a stuck-at fault of one signal bit that a vector detects.
class LxLibDiagRuleStuckAt : public LxLibObject
{
public:
    LxLibDiagRuleStuckAt(int signalType, int bit, int stuckAt)
        : m_signal(signalType, bit), m_stuckAt(stuckAt)
    {
    }

    int GetSignalType() const { return m_signal.GetSignalType(); }
    int GetSignalBit() const { return m_signal.GetSignalBit(); }
    const LxLibSignalTypeBit& GetSignal() const { return m_signal; }
    int GetStuckAtType() const { return m_stuckAt; }
    QString GetStuckAtTypeAsStr() const { return stuckAtKeyword(m_stuckAt); }

    LxLibDiagRuleStuckAt* clone() const { return new LxLibDiagRuleStuckAt(*this); }

private:
    LxLibSignalTypeBit m_signal;
    int m_stuckAt;
};

using LxLibDiagRuleList = LxLibList<LxLibDiagRuleStuckAt>;

// The diagnostics of one vector: the faults it detects.
class LxLibDiagnose : public LxLibObject
{
public:
    LxLibDiagnose() = default;
    LxLibDiagnose(const LxLibDiagnose& other) : LxLibObject(other) { copyRulesFrom(other); }
    LxLibDiagnose& operator=(const LxLibDiagnose& other)
    {
        if (this != &other) {
            copySourcePosition(other);
            m_rules.clear();
            copyRulesFrom(other);
        }
        return *this;
    }

    void AddRule(LxLibDiagRuleStuckAt* rule) { m_rules.append(rule); }
    const LxLibDiagRuleList& GetRuleList() const { return m_rules; }
    LxLibDiagRuleList& GetRuleList() { return m_rules; }

    // A plain library copy, also of a derived diagnostic.
    LxLibDiagnose* cloneDiagnose() const { return new LxLibDiagnose(*this); }

private:
    void copyRulesFrom(const LxLibDiagnose& other)
    {
        for (const LxLibDiagRuleStuckAt* r : other.m_rules)
            m_rules.append(r->clone());
    }
    LxLibDiagRuleList m_rules;
};

class LxLibLogicStatement : public LxLibObject
{
public:
    enum Kind { TestVector = 1, TestLoop = 2, Wait = 3 };
    virtual int kind() const = 0;
    virtual LxLibLogicStatement* clone() const = 0;
};

class LxLibLogicStatement_testVector : public LxLibLogicStatement
{
public:
    explicit LxLibLogicStatement_testVector(const QString& vector) : m_vector(vector) {}
    explicit LxLibLogicStatement_testVector(LxLibCompactText&& vector) : m_vector(std::move(vector)) {}
    LxLibLogicStatement_testVector(const LxLibLogicStatement_testVector& o)
        : LxLibLogicStatement(o), m_vector(o.m_vector)
    {
        for (const LxLibDiagnose* d : o.m_diagnoses)
            m_diagnoses.append(d->cloneDiagnose());
    }

    int kind() const override { return TestVector; }
    LxLibLogicStatement_testVector* clone() const override { return new LxLibLogicStatement_testVector(*this); }

    QString GetVector() const { return m_vector.toString(); }
    const LxLibCompactText& GetVectorText() const { return m_vector; }
    // Leaves the vector empty: for a caller that moves the document's vectors elsewhere.
    LxLibCompactText takeVectorText() { return std::move(m_vector); }
    void SetVector(const QString& v) { m_vector.assign(v); }
    void AddDiagnose(LxLibDiagnose* d) { m_diagnoses.append(d); }
    const LxLibList<LxLibDiagnose>& GetDiagnoseList() const { return m_diagnoses; }
    LxLibList<LxLibDiagnose>& GetDiagnoseList() { return m_diagnoses; }

private:
    LxLibCompactText m_vector;
    LxLibList<LxLibDiagnose> m_diagnoses;
};

using LxLibTestVectorList = LxLibList<LxLibLogicStatement_testVector>;

class LxLibLogicStatement_wait : public LxLibLogicStatement
{
public:
    LxLibLogicStatement_wait() = default;
    LxLibLogicStatement_wait(uint32_t time, int unit) : m_time(time), m_unit(unit) {}

    int kind() const override { return Wait; }
    LxLibLogicStatement_wait* clone() const override { return new LxLibLogicStatement_wait(*this); }

    void SetWaitTime(uint32_t time, const QString& unitText)
    {
        m_time = time;
        m_unit.SetTimeUnit(unitText);
    }
    void SetWaitTime(uint32_t time, int unitCode)
    {
        m_time = time;
        m_unit.SetTimeUnit(unitCode);
    }
    uint32_t GetWaitTime() const { return m_time; }
    const LxLibTimeUnit& GetTimeUnit() const { return m_unit; }

private:
    uint32_t m_time = 0;
    LxLibTimeUnit m_unit;
};

class LxLibLogicStatement_testLoop : public LxLibLogicStatement
{
public:
    LxLibLogicStatement_testLoop(int64_t count, int breakMode) : m_count(count), m_break(breakMode) {}
    LxLibLogicStatement_testLoop(const LxLibLogicStatement_testLoop& o)
        : LxLibLogicStatement(o), m_count(o.m_count), m_break(o.m_break)
    {
        for (const LxLibLogicStatement_testVector* v : o.m_vectors)
            m_vectors.append(v->clone());
    }

    int kind() const override { return TestLoop; }
    LxLibLogicStatement_testLoop* clone() const override { return new LxLibLogicStatement_testLoop(*this); }

    int64_t GetCount() const { return m_count; }
    int GetBreakMode() const { return m_break; }
    void AddTestVector(LxLibLogicStatement_testVector* v) { m_vectors.append(v); }
    const LxLibTestVectorList& GetTestVectorList() const { return m_vectors; }
    LxLibTestVectorList& GetTestVectorList() { return m_vectors; }

private:
    int64_t m_count;
    int m_break;
    LxLibTestVectorList m_vectors;
};

using LxLibLogicStatementList = LxLibList<LxLibLogicStatement>;

// A named list of statements: one test sequence of a logic.
class LxLibLogicStatementLists : public LxLibObject
{
public:
    explicit LxLibLogicStatementLists(const QString& name = QString()) : m_name(name) {}

    QString GetName() const { return m_name; }
    void SetName(const QString& name) { m_name = name; }
    void AddStatement(LxLibLogicStatement* s) { m_statements.append(s); }
    const LxLibLogicStatementList& GetStatementList() const { return m_statements; }
    LxLibLogicStatementList& GetStatementList() { return m_statements; }

    LxLibLogicStatementLists* clone() const
    {
        auto* l = new LxLibLogicStatementLists(m_name);
        l->copySourcePosition(*this);
        for (const LxLibLogicStatement* s : m_statements)
            l->m_statements.append(s->clone());
        return l;
    }

private:
    QString m_name;
    LxLibLogicStatementList m_statements;
};

using LxLibLogicStatementListsList = LxLibList<LxLibLogicStatementLists>;

} // namespace lxlib

#endif
