#include "PWPassivePartStep.h"

#include "PWPassivePage.h"

#include <utility>
#include "lxPassiveItem.h"

PWPassivePartStep::PWPassivePartStep(PWPassivePage* page, Kind kind, lxPassiveItem* item, int row,
                                     const QString& oldName)
    : m_page(page), m_kind(kind), m_item(item), m_oldName(oldName), m_newName(item->text()), m_row(row)
{
}

PWPassivePartStep::~PWPassivePartStep() = default;

void PWPassivePartStep::take()
{
    m_taken = m_page->takePart(m_item);
}

void PWPassivePartStep::put()
{
    if (m_taken)
        m_page->putPart(m_row, std::move(m_taken));
}

void PWPassivePartStep::redo()
{
    const bool first = std::exchange(m_firstRedo, false);
    if (m_kind == Deleted)
        take();
    else if (!first)
        m_kind == Added ? put() : m_page->renamePart(m_item, m_newName);
}

void PWPassivePartStep::undo()
{
    if (m_kind == Deleted)
        put();
    else if (m_kind == Added)
        take();
    else
        m_page->renamePart(m_item, m_oldName);
}

bool PWPassivePartStep::check(bool undo)
{
    if (m_kind == Renamed)
        return m_page->allowsPart(m_item, undo ? m_oldName : m_newName);
    // Only an item coming back can break a rule.
    const bool puts = (m_kind == Deleted) == undo;
    return !puts || m_page->allowsPart(m_item, m_item->text());
}
