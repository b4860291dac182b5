#include "platform/ParseInt32.h"

#include "platform/WhiteSpace.h"

#include <limits>

std::int32_t ParseInt32(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsWhiteSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // The magnitude of the most negative value; larger magnitudes stop there.
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (magnitude < kLimit)
            magnitude = magnitude * 10 + (text[i] - '0');
    }
    if (magnitude > kLimit)
        magnitude = kLimit;
    if (negative)
        return static_cast<std::int32_t>(-magnitude);
    return static_cast<std::int32_t>(magnitude == kLimit ? kLimit - 1 : magnitude);
}
