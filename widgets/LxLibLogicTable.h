#ifndef LXLIBLOGICTABLE_H
#define LXLIBLOGICTABLE_H

#include "LxLibTable.h"

// The tables that hold logic vectors (truth table, test and latch sequences).
class LxLibLogicTable : public LxLibTable
{
    Q_OBJECT

public:
    explicit LxLibLogicTable(QWidget* parent = nullptr, const char* name = nullptr);
};

#endif
