#ifndef PWLISTMOVESTEP_H
#define PWLISTMOVESTEP_H

#include "PWListStep.h"
#include "PWUndoableList.h"

#include <memory>

// Adding or deleting a whole item: the item moves between its list and the
// step, with everything it holds.
class PWListMoveStep : public PWListStep
{
public:
    enum Kind { Added, Deleted };

    // Added: the item is in its list already and the first redo leaves it.
    // Deleted: redo takes it out. selectedBefore is selected again when an
    // added item is taken back.
    PWListMoveStep(Kind kind, PWUndoableList* list, int part, int pos, int selectedBefore = -1);

    void undo() override;
    void redo() override;
    QString refusal(bool undo) const override;

private:
    void take();
    void put();

    Kind m_kind;
    PWUndoableList* m_list;
    int m_part;
    int m_pos;
    int m_selectedBefore;
    bool m_firstRedo = true;
    // The item while it is out of its list.
    std::unique_ptr<PWTakenItem> m_item;
};

#endif
