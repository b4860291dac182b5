#pragma once

#include <cstdint>

// One field descriptor of a table, in file order.
struct FieldSlot {
    char name[11] = {};   // up to 10 characters, NUL-terminated, compared byte for byte
    uint32_t offset = 0;  // from the record's first byte (the deletion flag), so the first field has 1
    uint8_t length = 0;
    uint8_t decimals = 0; // kept, never used
};
