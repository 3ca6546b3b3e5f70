#ifndef LXLIBCHECKITEM_H
#define LXLIBCHECKITEM_H

#include "LxLibTableItem.h"

// A check cell; the table's delegate toggles it by click or space.
class LxLibCheckItem : public LxLibTableItem
{
public:
    explicit LxLibCheckItem(const QString& text = QString(), bool checked = false);

    QTableWidgetItem* clone() const override;

    bool isChecked() const { return checkState() == Qt::Checked; }
    void setChecked(bool checked) { setCheckState(checked ? Qt::Checked : Qt::Unchecked); }
};

#endif
