#ifndef LXUNDOCOMMAND_H
#define LXUNDOCOMMAND_H

#include <QUndoCommand>

// A step of an editor's history that can refuse to be taken back or redone.
// The world around the shown item may have moved on since the step was
// recorded (another item renamed, a list entry restored), so the checks the
// user's own action ran must run again. LxUndoBinding asks check() before it
// lets the stack undo or redo; a command that refuses shows the rule's own
// message and the stack stays where it was.
class LxUndoCommand : public QUndoCommand
{
public:
    using QUndoCommand::QUndoCommand;

    // undo: true before an undo, false before a redo.
    virtual bool check(bool undo)
    {
        Q_UNUSED(undo);
        return true;
    }
};

#endif
