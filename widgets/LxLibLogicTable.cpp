#include "LxLibLogicTable.h"

LxLibLogicTable::LxLibLogicTable(QWidget* parent, const char* name)
    : LxLibTable(parent, name)
{
}
