#include "kxdata/FieldText.h"

#include <algorithm>
#include <limits>

void AppendTrimmed(const unsigned char* bytes, size_t length, std::string& sink)
{
    size_t pendingBlanks = 0;
    bool seenText = false;
    for (size_t i = 0; i < length; ++i) {
        const unsigned char c = bytes[i];
        if (c == ' ') {
            if (seenText)
                ++pendingBlanks;
            continue;
        }
        sink.append(pendingBlanks, ' ');
        pendingBlanks = 0;
        if (c != 0)
            sink += static_cast<char>(c);
        seenText = true;
    }
}

int32_t ParseFieldInteger(const unsigned char* bytes, size_t length)
{
    // Trimming only removes blanks, which the conversion skips anyway, and NUL
    // bytes, which are passed over here.
    size_t i = 0;
    auto skipNul = [&] {
        while (i < length && bytes[i] == 0)
            ++i;
    };
    auto isSpace = [](unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    for (skipNul(); i < length && isSpace(bytes[i]); skipNul())
        ++i;
    bool negative = false;
    if (i < length && (bytes[i] == '+' || bytes[i] == '-')) {
        negative = bytes[i] == '-';
        ++i;
        skipNul();
    }
    int64_t value = 0;
    const int64_t limit = static_cast<int64_t>(std::numeric_limits<int32_t>::max()) + 1;
    for (; i < length && bytes[i] >= '0' && bytes[i] <= '9'; skipNul()) {
        value = std::min(value * 10 + (bytes[i] - '0'), limit);
        ++i;
    }
    if (negative)
        return static_cast<int32_t>(-value);
    return static_cast<int32_t>(value == limit ? limit - 1 : value);
}

int32_t ParseInteger(std::string_view text)
{
    return ParseFieldInteger(reinterpret_cast<const unsigned char*>(text.data()), text.size());
}
