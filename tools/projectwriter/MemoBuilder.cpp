#include "tools/projectwriter/MemoBuilder.h"

#include <stdexcept>

namespace {
constexpr size_t kHeaderSize = 512;

void PutBigEndian(std::string& bytes, size_t at, uint32_t value, int width)
{
    for (int i = width - 1; i >= 0; --i) {
        bytes[at + static_cast<size_t>(i)] = static_cast<char>(value & 0xFF);
        value >>= 8;
    }
}
}  // namespace

MemoBuilder::MemoBuilder() : m_bytes(kHeaderSize, '\0')
{
    // The first block after the header.
    m_bytes.resize((kHeaderSize + kBlockSize - 1) / kBlockSize * kBlockSize, '\0');
    PutBigEndian(m_bytes, 6, kBlockSize, 2);
}

uint32_t MemoBuilder::Add(std::string_view data, uint32_t type)
{
    if (data.size() > 0xFFFFFFF0u)
        throw std::length_error("memo too long");
    const size_t at = m_bytes.size();
    const uint32_t block = static_cast<uint32_t>(at / kBlockSize);
    m_bytes.resize(at + 8);
    PutBigEndian(m_bytes, at, type, 4);
    PutBigEndian(m_bytes, at + 4, static_cast<uint32_t>(data.size()), 4);
    m_bytes.append(data);
    m_bytes.resize((m_bytes.size() + kBlockSize - 1) / kBlockSize * kBlockSize, '\0');
    return block;
}

const std::string& MemoBuilder::Bytes()
{
    PutBigEndian(m_bytes, 0, static_cast<uint32_t>(m_bytes.size() / kBlockSize), 4);
    return m_bytes;
}
