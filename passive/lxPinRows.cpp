#include "lxPinRows.h"

#include "LxLibPassive.h"
#include "LxLibTable.h"

#include <QSignalBlocker>

void lxFillPinRows(LxLibTable* table, const lxlib::LxLibPinCombinationList& combinations)
{
    const QSignalBlocker blocker(table);
    const bool updates = table->updatesEnabled();
    table->setUpdatesEnabled(false);
    table->setNumRows(0);
    if (table->numCols() < 2)
        table->setNumCols(2);
    table->setNumRows(combinations.count());
    int row = 0;
    for (const lxlib::LxLibPinCombination* pins : combinations) {
        table->setText(row, 0, pins->GetPinA());
        table->setText(row, 1, pins->GetPinB());
        ++row;
    }
    table->setUpdatesEnabled(updates);
}

void lxReadPinRows(const LxLibTable* table, lxlib::LxLibPinCombinationList& combinations)
{
    for (int row = 0; row < table->numRows(); ++row) {
        const QString a = table->text(row, 0);
        const QString b = table->text(row, 1);
        if (!a.isEmpty() && !b.isEmpty())
            combinations.append(new lxlib::LxLibPinCombination(a, b));
    }
}
