#pragma once

#include "images/ImageStream.h"

#include <cstdint>
#include <string>

// A file an image is read from or written to (unbuffered; the image keeps its
// own read buffer).
class ImageFile : public ImageStream {
public:
    enum class Mode { Read, Create };

    ImageFile() = default;
    ImageFile(const ImageFile&) = delete;
    ImageFile& operator=(const ImageFile&) = delete;
    ~ImageFile() override;

    // Read opens an existing regular file; Create creates or truncates one for writing.
    bool Open(const std::string& path, Mode mode);
    // False when the file was not closed cleanly: what was written may not be
    // in the file (a full disk often shows only here).
    bool Close();
    bool IsOpen() const { return m_fd >= 0; }

    bool IsStoring() const override { return m_mode == Mode::Create; }
    std::size_t Read(void* data, std::size_t count) override;
    bool Write(const void* data, std::size_t count) override;

    bool Seek(std::int64_t position);
    std::int64_t GetPosition() const;
    std::int64_t GetLength() const;  // -1 when unknown

private:
    int m_fd = -1;
    Mode m_mode = Mode::Read;
};
