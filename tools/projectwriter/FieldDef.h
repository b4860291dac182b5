#pragma once

#include <string>

// One field of a table the project writer makes: dBase type letter ('C' text,
// 'N' number, 'M' memo block number) and width in bytes.
struct FieldDef {
    std::string name;
    char type = 'C';
    int length = 1;
};
