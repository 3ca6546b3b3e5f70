#ifndef PWLISTSTEP_H
#define PWLISTSTEP_H

#include "LxUndoCommand.h"

#include <functional>

// One step of a page's list history. Taking a step back or again never
// bypasses the checks the user's own operation has to pass.
class PWListStep : public LxUndoCommand
{
public:
    // The message that refuses the undo (or the redo) now; empty when it may go.
    virtual QString refusal(bool undo) const = 0;

    // Shows a refusal; the history sets it when the step is pushed.
    void setMessenger(std::function<void(const QString&)> show) { m_show = std::move(show); }

    bool check(bool undo) override
    {
        const QString message = refusal(undo);
        if (!message.isEmpty() && m_show)
            m_show(message);
        return message.isEmpty();
    }

private:
    std::function<void(const QString&)> m_show;
};

#endif
