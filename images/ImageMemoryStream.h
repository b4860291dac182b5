#pragma once

#include "images/ImageStream.h"

#include <cstdint>
#include <vector>

// An image stream over memory: loading from a block the caller keeps alive, or
// storing into a growing block of its own.
class ImageMemoryStream : public ImageStream {
public:
    ImageMemoryStream() = default;  // storing
    ImageMemoryStream(const std::uint8_t* data, std::size_t size);  // loading

    bool IsStoring() const override { return m_data == nullptr; }
    std::size_t Read(void* data, std::size_t count) override;
    bool Write(const void* data, std::size_t count) override;

    const std::vector<std::uint8_t>& GetStored() const { return m_stored; }

private:
    const std::uint8_t* m_data = nullptr;
    std::size_t m_size = 0;
    std::size_t m_position = 0;
    std::vector<std::uint8_t> m_stored;
};
