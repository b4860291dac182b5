#include "images/ImageMemoryStream.h"

#include <algorithm>
#include <cstring>

ImageMemoryStream::ImageMemoryStream(const std::uint8_t* data, std::size_t size)
    : m_data(data), m_size(size)
{
}

std::size_t ImageMemoryStream::Read(void* data, std::size_t count)
{
    if (m_data == nullptr)
        return 0;
    const std::size_t taken = std::min(count, m_size - m_position);
    if (taken > 0)
        std::memcpy(data, m_data + m_position, taken);
    m_position += taken;
    return taken;
}

bool ImageMemoryStream::Write(const void* data, std::size_t count)
{
    if (m_data != nullptr)
        return false;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    m_stored.insert(m_stored.end(), bytes, bytes + count);
    return true;
}
