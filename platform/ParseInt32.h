#pragma once

#include <cstdint>
#include <string_view>

// Optional white space and sign, then decimal digits up to the first other character
// (0 when there are none). Numbers beyond the 32-bit range stop at its ends instead
// of wrapping. Command files, library replies and property texts all read so.
std::int32_t ParseInt32(std::string_view text);
