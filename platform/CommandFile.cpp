#include "platform/CommandFile.h"

#include "platform/ProfileFile.h"

#include <cctype>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>

namespace {

// The buffer every read is made with: values are cut to 254 characters.
constexpr std::size_t kBufferSize = 255;

bool IsWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Optional blanks and sign, then decimal digits up to the first other character.
std::int32_t ParseInt(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && IsWhiteSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Numbers beyond the 32-bit range stop at its ends instead of wrapping.
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (magnitude < kLimit)
            magnitude = magnitude * 10 + (text[i] - '0');
    }
    if (negative)
        return static_cast<std::int32_t>(magnitude >= kLimit ? -kLimit : -magnitude);
    return static_cast<std::int32_t>(magnitude >= kLimit ? kLimit - 1 : magnitude);
}

}  // namespace

CommandFile::CommandFile(std::string path)
    : m_strPath(std::move(path))
{
}

CommandFile::~CommandFile() = default;

const std::string& CommandFile::GetPath() const
{
    return m_strPath;
}

std::string CommandFile::ReadRaw(const std::string& section, const std::string& key) const
{
    return ProfileFile::ReadString(m_strPath, section, key, "", kBufferSize);
}

std::string CommandFile::GetString(const std::string& section, const std::string& key) const
{
    const std::string raw = ReadRaw(section, key);
    std::size_t first = 0;
    while (first < raw.size() && IsWhiteSpace(raw[first]))
        ++first;
    std::size_t last = raw.size();
    while (last > first && IsWhiteSpace(raw[last - 1]))
        --last;
    return raw.substr(first, last - first);
}

bool CommandFile::GetBool(const std::string& section, const std::string& key) const
{
    std::string text = ReadRaw(section, key);
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text.find("TRUE") != std::string::npos;
}

std::int32_t CommandFile::GetLong(const std::string& section, const std::string& key) const
{
    return ParseInt(ReadRaw(section, key));
}

std::int32_t CommandFile::GetInt(const std::string& section, const std::string& key) const
{
    return GetLong(section, key);
}

COLORREF CommandFile::GetColor(const std::string& section, const std::string& key) const
{
    std::int32_t components[3] = {200, 200, 255};
    const std::string raw = ReadRaw(section, key);
    std::size_t position = 0;
    for (std::int32_t& component : components) {
        position = raw.find_first_not_of(' ', position);
        if (position == std::string::npos)
            break;
        const std::size_t end = raw.find(' ', position);
        component = ParseInt(raw.substr(position, end == std::string::npos ? std::string::npos : end - position));
        position = end;
    }
    return RGB(static_cast<std::uint8_t>(components[0] & 0xFF), static_cast<std::uint8_t>(components[1] & 0xFF),
        static_cast<std::uint8_t>(components[2] & 0xFF));
}

int CommandFile::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    return ProfileFile::WriteString(m_strPath, section, key, value) ? 1 : 0;
}

int CommandFile::WriteBool(const std::string& section, const std::string& key, bool value)
{
    return WriteString(section, key, value ? "TRUE" : "FALSE");
}

int CommandFile::WriteInt(const std::string& section, const std::string& key, std::int32_t value)
{
    return WriteString(section, key, " " + std::to_string(value) + " ");
}

int CommandFile::WriteColor(const std::string& section, const std::string& key, COLORREF value)
{
    return WriteString(section, key,
        " " + std::to_string(GetRValue(value)) + " " + std::to_string(GetGValue(value)) + " "
            + std::to_string(GetBValue(value)) + " ");
}
