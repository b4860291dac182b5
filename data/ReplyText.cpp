#include "data/ReplyText.h"

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
