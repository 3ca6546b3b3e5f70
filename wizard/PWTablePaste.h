#ifndef PWTABLEPASTE_H
#define PWTABLEPASTE_H

#include "PWTableText.h"

#include <functional>

class LxLibTable;
class PWWizardContext;

// Ctrl+V into an editor table: plans the paste from the current cell, asks
// before it overwrites filled rows, fills the accepted rows and lists the
// refused ones in one message.
class PWTablePaste
{
public:
    // Fills one row from its complete cells; signals are blocked meanwhile.
    using RowSetter = std::function<void(int row, const QStringList& cells)>;
    // Sees the plan before anything changes; may ask the user and replace the
    // plan by a new one from replan(). False stops the paste.
    using Review = std::function<bool(PWTableText::Plan& plan, const std::function<PWTableText::Plan()>& replan)>;

    // Says so and returns false when the clipboard held no rows (anything false).
    static bool hasRows(const PWWizardContext& context, bool anything);
    // Asks before filled rows are replaced; true when none are or the user agrees.
    static bool mayOverwrite(const PWWizardContext& context, int overwritten, int startRow);

    // True when any row changed; the whole paste is one step of the table's history.
    static bool paste(LxLibTable* table, const PWWizardContext& context, const QString& text,
                      const PWTableText::RowCheck& check, const RowSetter& setRow, const Review& review = {});
};

#endif
