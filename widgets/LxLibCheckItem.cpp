#include "LxLibCheckItem.h"

LxLibCheckItem::LxLibCheckItem(const QString& text, bool checked)
    : LxLibTableItem(CheckType, OnTyping)
{
    // Toggled in place: no text editor for a check cell.
    setFlags((flags() | Qt::ItemIsUserCheckable) & ~Qt::ItemIsEditable);
    QTableWidgetItem::setText(text);
    setChecked(checked);
}

QTableWidgetItem* LxLibCheckItem::clone() const
{
    return new LxLibCheckItem(*this);
}
