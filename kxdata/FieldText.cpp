#include "kxdata/FieldText.h"

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

int32_t ParseInteger(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int64_t value = 0;
    const int64_t limit = static_cast<int64_t>(std::numeric_limits<int32_t>::max()) + 1;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > limit)
            value = limit;
    }
    if (negative)
        return static_cast<int32_t>(-value);
    return static_cast<int32_t>(value == limit ? limit - 1 : value);
}
