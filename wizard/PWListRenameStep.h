#ifndef PWLISTRENAMESTEP_H
#define PWLISTRENAMESTEP_H

#include "PWListStep.h"

class PWUndoableList;

// Renaming a whole item; redo gives it the new name, undo the old one. The
// item is selected first, so that the widgets renamed are the item's.
class PWListRenameStep : public PWListStep
{
public:
    PWListRenameStep(PWUndoableList* list, int part, int pos, const QString& oldName, const QString& newName);

    void undo() override;
    void redo() override;
    QString refusal(bool undo) const override;

private:
    PWUndoableList* m_list;
    int m_part;
    int m_pos;
    QString m_oldName;
    QString m_newName;
};

#endif
