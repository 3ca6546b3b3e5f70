#ifndef PWPASSIVEPARTSTEP_H
#define PWPASSIVEPARTSTEP_H

#include "LxUndoCommand.h"

#include <QString>

#include <memory>

class PWPassivePage;
class lxPassiveItem;

// Adding, deleting or renaming a whole part of the passive page. The part item
// moves between the list and the step with its library object, so pins and
// conditions come back as they were. The step owns the item only while it is
// out of the list.
class PWPassivePartStep : public LxUndoCommand
{
public:
    enum Kind { Added, Deleted, Renamed };

    // Added and Renamed: the change is done already and the first redo leaves
    // it. Deleted: the item is still at row and redo takes it out.
    PWPassivePartStep(PWPassivePage* page, Kind kind, lxPassiveItem* item, int row,
                      const QString& oldName = QString());
    ~PWPassivePartStep() override;

    void undo() override;
    void redo() override;
    bool check(bool undo) override;

private:
    void take();
    void put();

    PWPassivePage* m_page;
    Kind m_kind;
    // Listed or held in m_taken, whichever way the step stands.
    lxPassiveItem* m_item;
    std::unique_ptr<lxPassiveItem> m_taken;
    QString m_oldName;
    QString m_newName;
    int m_row;
    bool m_firstRedo = true;
};

#endif
