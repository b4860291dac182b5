#include "platform/CommandFile.h"

#include "platform/ParseInt32.h"
#include "platform/ProfileFile.h"
#include "platform/WhiteSpace.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <utility>

namespace {

// The buffer every read is made with: values are cut to 254 characters.
constexpr std::size_t kBufferSize = 255;

// Numbers are written with a blank before and after each, as " 12 " or " 200 200 255 ".
std::string BlankSeparated(std::initializer_list<std::int32_t> numbers)
{
    std::string text(" ");
    for (const std::int32_t number : numbers) {
        text += std::to_string(number);
        text += ' ';
    }
    return text;
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

bool CommandFile::CanRead() const
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(m_strPath, error))
        return false;
    return std::ifstream(m_strPath, std::ios::binary).is_open();
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
    return ParseInt32(ReadRaw(section, key));
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
        component = ParseInt32(raw.substr(position, end == std::string::npos ? std::string::npos : end - position));
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
    return WriteString(section, key, BlankSeparated({value}));
}

int CommandFile::WriteColor(const std::string& section, const std::string& key, COLORREF value)
{
    return WriteString(section, key, BlankSeparated({GetRValue(value), GetGValue(value), GetBValue(value)}));
}
