#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Appends the stored bytes of a field without leading and trailing blanks;
// inner runs of blanks are kept and NUL bytes dropped.
void AppendTrimmed(const unsigned char* bytes, size_t length, std::string& sink);

// Decimal conversion: leading blanks skipped, an optional sign, then digits up
// to the first other character; no digits give 0. Values beyond the 32-bit
// range stop at its ends.
int32_t ParseInteger(std::string_view text);

// The same conversion applied to the trimmed text of stored field bytes (NUL
// bytes do not count), without building the text.
int32_t ParseFieldInteger(const unsigned char* bytes, size_t length);
