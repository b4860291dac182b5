#include "data/DisplayText.h"

#include "platform/TextCodec.h"

namespace {

bool IsContinuation(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0xBF;
}

// Bytes of the UTF-8 sequence a lead byte opens, 0 when it opens none.
std::size_t SequenceLength(unsigned char lead)
{
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

}  // namespace

std::size_t DisplayText::CharacterCount(const std::string& text)
{
    if (!TextCodec::IsUtf8(text))
        return text.size();
    std::size_t count = 0;
    for (char c : text) {
        if (!IsContinuation(static_cast<unsigned char>(c)))
            ++count;
    }
    return count;
}

std::string DisplayText::FirstCharacter(const std::string& text)
{
    if (text.empty())
        return {};
    if (!TextCodec::IsUtf8(text))
        return text.substr(0, 1);
    std::size_t length = 1;
    while (length < text.size() && IsContinuation(static_cast<unsigned char>(text[length])))
        ++length;
    return text.substr(0, length);
}

bool DisplayText::IsBlankAt(const std::string& text, std::size_t index)
{
    const auto byte = static_cast<unsigned char>(text[index]);
    if (byte == 0x20)
        return true;
    if (byte != 0xA0)
        return false;
    // Walk back over continuation bytes to a lead byte whose sequence covers this one.
    for (std::size_t back = 1; back <= 3 && back <= index; ++back) {
        const auto previous = static_cast<unsigned char>(text[index - back]);
        if (IsContinuation(previous))
            continue;
        const std::size_t length = SequenceLength(previous);
        if (length > back && index - back + length <= text.size()) {
            bool whole = true;
            for (std::size_t k = index - back + 1; k < index - back + length; ++k)
                whole = whole && IsContinuation(static_cast<unsigned char>(text[k]));
            return !whole;
        }
        return true;
    }
    return true;
}

std::string DisplayText::ConsistentNbsp(const std::string& text)
{
    std::string utf8;
    bool otherNonAscii = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == 0xA0 && IsBlankAt(text, i)) {
            utf8 += "\xC2\xA0";
            continue;
        }
        otherNonAscii = otherNonAscii || byte >= 0x80;
        utf8 += text[i];
    }
    return otherNonAscii && utf8 != text && TextCodec::IsUtf8(utf8) ? utf8 : text;
}

std::string DisplayText::ReplaceAll(const std::string& text, const std::string& what, const std::string& with)
{
    if (what.empty())
        return text;
    std::string result;
    std::size_t start = 0;
    for (std::size_t found = text.find(what); found != std::string::npos; found = text.find(what, start)) {
        result.append(text, start, found - start);
        result += with;
        start = found + what.size();
    }
    result.append(text, start, std::string::npos);
    return result;
}

std::string DisplayText::TrimLeft(const std::string& text, const char* characters)
{
    const std::size_t first = text.find_first_not_of(characters);
    return first == std::string::npos ? std::string() : text.substr(first);
}

std::string DisplayText::TrimRight(const std::string& text, const char* characters)
{
    const std::size_t last = text.find_last_not_of(characters);
    return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

std::string DisplayText::Trim(const std::string& text, const char* characters)
{
    return TrimLeft(TrimRight(text, characters), characters);
}
