#ifndef LXLIBPASSIVE_H
#define LXLIBPASSIVE_H

#include "LxLibDescriptor.h"

namespace lxlib {

class LxLibPinCombination : public LxLibObject
{
public:
    LxLibPinCombination(const QString& pinA, const QString& pinB) : m_a(pinA), m_b(pinB) {}
    QString GetPinA() const { return m_a; }
    QString GetPinB() const { return m_b; }
    LxLibPinCombination* clone() const { return new LxLibPinCombination(*this); }

private:
    QString m_a;
    QString m_b;
};

class LxLibPinCombinationList : public LxLibList<LxLibPinCombination>
{
public:
    void copyFrom(const LxLibPinCombinationList& other)
    {
        for (const LxLibPinCombination* c : other)
            append(c->clone());
    }
};

// A named condition of a connection with the pin combinations that hold under it.
class LxLibCondition : public LxLibObject
{
public:
    explicit LxLibCondition(const QString& id) : m_id(id) {}
    QString GetConditionId() const { return m_id; }
    void AddPinCombination(const QString& a, const QString& b) { m_pins.append(new LxLibPinCombination(a, b)); }
    const LxLibPinCombinationList& GetPinCombinationList() const { return m_pins; }
    LxLibPinCombinationList& GetPinCombinationList() { return m_pins; }
    LxLibCondition* clone() const
    {
        auto* c = new LxLibCondition(m_id);
        c->copySourcePosition(*this);
        c->m_pins.copyFrom(m_pins);
        return c;
    }

private:
    QString m_id;
    LxLibPinCombinationList m_pins;
};

using LxLibConditionList = LxLibList<LxLibCondition>;

class LxLibPassiveComponent : public LxLibDescriptor
{
public:
    LxLibPassiveComponent(const QString& name, int type) : LxLibDescriptor(name), m_type(type) {}

    int kind() const override { return DK_PASSIVE; }
    LxLibPassiveComponent* clone() const override
    {
        auto* p = new LxLibPassiveComponent(GetName(), m_type);
        p->copySourcePosition(*this);
        p->m_pins.copyFrom(m_pins);
        return p;
    }

    int GetType() const { return m_type; }
    QString GetTypeAsStr() const { return passiveTypeKeyword(m_type); }
    void AddPinCombination(const QString& a, const QString& b) { m_pins.append(new LxLibPinCombination(a, b)); }
    const LxLibPinCombinationList& GetPinCombinationList() const { return m_pins; }
    LxLibPinCombinationList& GetPinCombinationList() { return m_pins; }

private:
    int m_type;
    LxLibPinCombinationList m_pins;
};

// A connection: unconditional pin combinations plus named conditions.
class LxLibPassiveCompConnection : public LxLibPassiveComponent
{
public:
    explicit LxLibPassiveCompConnection(const QString& name) : LxLibPassiveComponent(name, PCT_CONNECTION) {}

    LxLibPassiveCompConnection* clone() const override
    {
        auto* c = new LxLibPassiveCompConnection(GetName());
        c->copySourcePosition(*this);
        c->GetPinCombinationList().copyFrom(GetPinCombinationList());
        for (const LxLibCondition* cond : m_conditions)
            c->m_conditions.append(cond->clone());
        return c;
    }

    void AddCondition(LxLibCondition* c) { m_conditions.append(c); }
    const LxLibConditionList& GetConditionList() const { return m_conditions; }
    LxLibConditionList& GetConditionList() { return m_conditions; }

private:
    LxLibConditionList m_conditions;
};

} // namespace lxlib

#endif
