#pragma once

#include <cstddef>

// The byte stream an image reads itself from or writes itself to: a file, a
// block of memory, or the chart document's archive (which implements this to
// hold pictures). Reading returns the bytes obtained; fewer than asked means
// the stream has ended.
class ImageStream {
public:
    virtual ~ImageStream() = default;

    virtual bool IsStoring() const = 0;
    virtual std::size_t Read(void* data, std::size_t count) = 0;
    virtual bool Write(const void* data, std::size_t count) = 0;
};
