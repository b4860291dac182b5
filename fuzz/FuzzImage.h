#pragma once

#include "images/ImageMemoryStream.h"
#include "images/SECDib.h"
#include "images/SECImage.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

// One fuzz input through one reader (an image class by name, or "Archive"
// for the archive form), then whatever loaded through the operations that
// walk its pixels. Shared by the fuzz targets and the corpus replay test.
inline bool FuzzImageInput(const std::string& reader, const std::uint8_t* data, std::size_t size)
{
    std::unique_ptr<SECImage> image = SECRuntimeClass::CreateObject(reader == "Archive" ? "SECDib" : reader);
    if (!image)
        return false;
    bool loaded = false;
    if (reader == "Archive") {
        ImageMemoryStream in(data, size);
        loaded = image->Serialize(in);
    } else {
        // The readers take paths (libtiff opens by path): an anonymous
        // in-memory file serves.
        const int fd = ::memfd_create("fuzz-input", MFD_CLOEXEC);
        if (fd < 0)
            return false;
        if (size == 0 || ::write(fd, data, size) == static_cast<ssize_t>(size))
            loaded = image->LoadFromPath("/proc/self/fd/" + std::to_string(fd));
        ::close(fd);
    }
    if (!loaded)
        return false;
    ImageMemoryStream out;
    image->Serialize(out);
    SECDib copy;
    copy.CopyImage(*image);
    copy.MirrorRows();
    copy.FlipVertical();
    copy.PackRows();
    copy.AlignRows();
    ImageMemoryStream back(out.GetStored().data(), out.GetStored().size());
    return copy.Serialize(back);
}
