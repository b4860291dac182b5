#pragma once

#include "tools/projectwriter/FieldDef.h"

#include <vector>

// The twelve tables of a project in the order the data library opens them,
// with their default fields in file order.
struct TableLayout {
    char letter;
    bool hasMemoFile;
    std::vector<FieldDef> fields;
};

std::vector<TableLayout> DefaultTableLayouts();
