#ifndef PWPASSIVECONDITIONSTEP_H
#define PWPASSIVECONDITIONSTEP_H

#include "LxUndoCommand.h"

#include <memory>
#include <vector>

class PWPassivePage;
class lxConnection;

namespace lxlib {
class LxLibCondition;
}

// The conditions of one connection, in the connection's order.
using PWConditionSnapshot = std::vector<std::unique_ptr<lxlib::LxLibCondition>>;

// Adding, renaming or deleting a condition: the connection's conditions as
// they were before and after, put back whole. Conditions are few per
// connection, and a whole list cannot come back half restored.
class PWPassiveConditionStep : public LxUndoCommand
{
public:
    // The change is done already; the first redo leaves it.
    PWPassiveConditionStep(PWPassivePage* page, lxConnection* connection, PWConditionSnapshot before,
                           PWConditionSnapshot after, int row);
    ~PWPassiveConditionStep() override;

    void undo() override;
    void redo() override;

private:
    PWPassivePage* m_page;
    lxConnection* m_connection;
    PWConditionSnapshot m_before;
    PWConditionSnapshot m_after;
    // The condition the step was about, selected after a restore.
    int m_row;
    bool m_firstRedo = true;
};

#endif
