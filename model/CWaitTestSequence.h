#ifndef CWAITTESTSEQUENCE_H
#define CWAITTESTSEQUENCE_H

#include "CTestSequence.h"
#include "LxLibTypes.h"

#include <cstdint>

class CWaitTestSequence : public CTestSequence
{
public:
    CWaitTestSequence(uint32_t time = 0, int unit = lxlib::TU_NONE) : m_time(time), m_unit(unit) {}

    int kind() const override { return Wait; }

    uint32_t time() const { return m_time; }
    void setTime(uint32_t time) { m_time = time; }
    const lxlib::LxLibTimeUnit& unit() const { return m_unit; }
    lxlib::LxLibTimeUnit& unit() { return m_unit; }
    bool hasValidUnit() const { return m_unit.GetTimeUnit() >= lxlib::TU_NS && m_unit.GetTimeUnit() <= lxlib::TU_TCK; }

private:
    uint32_t m_time;
    lxlib::LxLibTimeUnit m_unit;
};

#endif
