#include "PWPassiveConditionStep.h"

#include "LxLibPassive.h"
#include "PWPassivePage.h"

#include <utility>

PWPassiveConditionStep::PWPassiveConditionStep(PWPassivePage* page, lxConnection* connection,
                                               PWConditionSnapshot before, PWConditionSnapshot after, int row)
    : m_page(page), m_connection(connection), m_before(std::move(before)), m_after(std::move(after)), m_row(row)
{
}

PWPassiveConditionStep::~PWPassiveConditionStep() = default;

void PWPassiveConditionStep::undo()
{
    m_page->restoreConditions(m_connection, m_before, m_row);
}

void PWPassiveConditionStep::redo()
{
    if (!std::exchange(m_firstRedo, false))
        m_page->restoreConditions(m_connection, m_after, m_row);
}
