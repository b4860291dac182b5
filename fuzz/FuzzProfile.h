#pragma once

#include "platform/ProfileFile.h"

#include <cstdint>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

// One fuzz input as a command file, read by section and key the ways the
// program asks: names in other letter cases, beyond ASCII, empty, and cut to
// buffers of every size that matters. Shared by the fuzz target and the
// corpus replay test.
inline void FuzzProfileInput(const std::uint8_t* data, std::size_t size)
{
    // The reader takes a path: an anonymous in-memory file serves.
    const int fd = ::memfd_create("fuzz-profile", MFD_CLOEXEC);
    if (fd < 0)
        return;
    if (size == 0 || ::write(fd, data, size) == static_cast<ssize_t>(size)) {
        const std::string path = "/proc/self/fd/" + std::to_string(fd);
        const struct {
            const char* section;
            const char* key;
        } lookups[] = {
            {"CHART", "TYPE"}, {"chart", "Type"}, {"Box", "Width"}, {"\xC9V\xC9NEMENT", "CL\xC9"}, {"", ""},
        };
        for (const auto& lookup : lookups) {
            for (const std::size_t bufferSize : {std::size_t{0}, std::size_t{1}, std::size_t{255}})
                ProfileFile::ReadString(path, lookup.section, lookup.key, "fallback", bufferSize);
        }
    }
    ::close(fd);
}
