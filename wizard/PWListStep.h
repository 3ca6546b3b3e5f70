#ifndef PWLISTSTEP_H
#define PWLISTSTEP_H

#include <QUndoCommand>

// One step of a page's list history. Taking a step back or again never
// bypasses the checks the user's own operation has to pass.
class PWListStep : public QUndoCommand
{
public:
    // The message that refuses the undo (or the redo) now; empty when it may go.
    virtual QString refusal(bool undo) const = 0;
};

#endif
