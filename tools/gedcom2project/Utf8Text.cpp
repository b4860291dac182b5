#include "tools/gedcom2project/Utf8Text.h"

namespace {
constexpr char32_t kFirstNonAscii = 0x80;
constexpr char32_t kMaxCodePoint = 0x10FFFF;
constexpr char32_t kSurrogateFirst = 0xD800;
constexpr char32_t kSurrogateLast = 0xDFFF;

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}
}  // namespace

void Utf8Text::Append(std::string& text, char32_t c)
{
    if (c > kMaxCodePoint || (c >= kSurrogateFirst && c <= kSurrogateLast))
        c = kReplacement;
    if (c < kFirstNonAscii) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::size_t Utf8Text::SequenceLength(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char first = byte(0);
    if (first < kFirstNonAscii)
        return 1;
    std::size_t length = 0;
    char32_t value = 0;
    if (first >= 0xC2 && first <= 0xDF) {
        length = 2;
        value = first & 0x1F;
    } else if (first >= 0xE0 && first <= 0xEF) {
        length = 3;
        value = first & 0x0F;
    } else if (first >= 0xF0 && first <= 0xF4) {
        length = 4;
        value = first & 0x07;
    } else {
        return 0;
    }
    if (text.size() - at < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if (!IsContinuation(byte(i)))
            return 0;
        value = (value << 6) | (byte(i) & 0x3F);
    }
    // Overlong forms, surrogates and values beyond Unicode are not UTF-8.
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < kSmallest[length] || value > kMaxCodePoint || (value >= kSurrogateFirst && value <= kSurrogateLast))
        return 0;
    return length;
}

bool Utf8Text::IsValid(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = SequenceLength(text, at);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

bool Utf8Text::IsAscii(std::string_view text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= kFirstNonAscii)
            return false;
    }
    return true;
}

std::string Utf8Text::Cut(std::string_view text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return std::string(text);
    std::size_t end = maxBytes;
    while (end > 0 && IsContinuation(static_cast<unsigned char>(text[end])))
        --end;
    return std::string(text.substr(0, end));
}
