#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace quorrel_test {

// Hand-made archive bytes, little-endian, for documents a writer would not produce.
class ArchiveBytes {
public:
    ArchiveBytes& Word(std::uint16_t value)
    {
        m_bytes.push_back(static_cast<std::uint8_t>(value));
        m_bytes.push_back(static_cast<std::uint8_t>(value >> 8));
        return *this;
    }
    ArchiveBytes& DWord(std::uint32_t value)
    {
        Word(static_cast<std::uint16_t>(value));
        return Word(static_cast<std::uint16_t>(value >> 16));
    }
    ArchiveBytes& DWords(std::initializer_list<std::uint32_t> values)
    {
        for (std::uint32_t value : values)
            DWord(value);
        return *this;
    }
    // A short string (below 255 characters).
    ArchiveBytes& String(const std::string& text)
    {
        m_bytes.push_back(static_cast<std::uint8_t>(text.size()));
        m_bytes.insert(m_bytes.end(), text.begin(), text.end());
        return *this;
    }
    // The tag of a class not seen before in the archive.
    ArchiveBytes& NewClass(const std::string& name, std::uint16_t schema)
    {
        Word(0xFFFF).Word(schema).Word(static_cast<std::uint16_t>(name.size()));
        m_bytes.insert(m_bytes.end(), name.begin(), name.end());
        return *this;
    }
    // A component body with no transform, properties, children or user data.
    ArchiveBytes& PlainComponent(std::uint32_t id, const std::string& name)
    {
        DWords({1, id}).String(name).String("Component").DWords({0, 0, 10, 10});
        return Word(0).DWord(1).DWord(0).DWord(0).Word(0);
    }
    const std::vector<std::uint8_t>& Get() const { return m_bytes; }

private:
    std::vector<std::uint8_t> m_bytes;
};

}  // namespace quorrel_test
