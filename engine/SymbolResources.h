#pragma once

#include <cstdint>
#include <vector>

// The symbol resources the program ships.
constexpr const char* kSymbolResourceType = "Symbol";
constexpr std::uint32_t kSquareSymbolId = 153;

// The "Square" symbol as a schema-1 symbol body: a 60 x 60 dark red square
// with a yellow one inside and its centre port, then 8 bytes no reader takes.
std::vector<std::uint8_t> SquareSymbolResource();
