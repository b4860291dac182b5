#include "data/ReplyText.h"

#include <limits>

std::string ReplyText::Token(const std::string& text, int index, char separator)
{
    if (index < 0)
        return {};
    std::size_t start = 0;
    for (int i = 0; i < index; ++i) {
        const std::size_t next = text.find(separator, start);
        if (next == std::string::npos)
            return {};
        start = next + 1;
    }
    const std::size_t end = text.find(separator, start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::int32_t ReplyText::Integer(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\v'
                                  || text[i] == '\f' || text[i] == '\r'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr std::int64_t limit = std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > limit + 1)
            value = limit + 1;
    }
    if (negative)
        return static_cast<std::int32_t>(-value);
    return static_cast<std::int32_t>(value > limit ? limit : value);
}
