#include "PWListMoveStep.h"

PWListMoveStep::PWListMoveStep(Kind kind, PWUndoableList* list, int part, int pos, int selectedBefore)
    : m_kind(kind), m_list(list), m_part(part), m_pos(pos), m_selectedBefore(selectedBefore)
{
}

void PWListMoveStep::take() { m_item = m_list->takeItem(m_part, m_pos); }

void PWListMoveStep::put()
{
    if (m_item)
        m_list->putItem(m_part, m_pos, std::move(m_item));
}

void PWListMoveStep::redo()
{
    const bool first = m_firstRedo;
    m_firstRedo = false;
    if (m_kind == Deleted)
        take();
    else if (!first)
        put();
}

void PWListMoveStep::undo()
{
    if (m_kind == Deleted) {
        put();
        return;
    }
    take();
    if (m_selectedBefore >= 0)
        m_list->selectItem(m_part, m_selectedBefore);
}

QString PWListMoveStep::refusal(bool undo) const
{
    // Only putting an item back can break a rule; taking it out never does.
    const bool puts = (m_kind == Deleted) == undo;
    return puts && m_item ? m_list->refusal(m_part, m_pos, m_item->name, m_item.get()) : QString();
}
