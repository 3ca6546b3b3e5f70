#include "PWListRenameStep.h"

#include "PWUndoableList.h"

PWListRenameStep::PWListRenameStep(PWUndoableList* list, int part, int pos, const QString& oldName,
                                   const QString& newName)
    : m_list(list), m_part(part), m_pos(pos), m_oldName(oldName), m_newName(newName)
{
}

void PWListRenameStep::redo()
{
    m_list->selectItem(m_part, m_pos);
    m_list->renameItem(m_part, m_pos, m_newName);
}

void PWListRenameStep::undo()
{
    m_list->selectItem(m_part, m_pos);
    m_list->renameItem(m_part, m_pos, m_oldName);
}

QString PWListRenameStep::refusal(bool undo) const
{
    return m_list->refusal(m_part, m_pos, undo ? m_oldName : m_newName, nullptr);
}
