#include "kxdata/ExhibitExtractor.h"

#include <cstdio>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace {
bool CanOpenForReading(const std::string& path)
{
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    ::close(descriptor);
    return true;
}

void WriteAll(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(descriptor, bytes.data(), bytes.size());
        if (n <= 0)
            return;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
}
}  // namespace

std::string ExhibitExtractor::Extension(int kind, std::string_view bytes)
{
    switch (kind) {
    case 0: return ".TXT";
    case 2: return ".WAV";
    case 3: return ".OLE";
    case 1: break;
    default: return std::string();
    }
    // The format test looks at the first 12 bytes only; missing ones read as 0.
    unsigned char head[12] = {};
    for (size_t i = 0; i < sizeof head && i < bytes.size(); ++i)
        head[i] = static_cast<unsigned char>(bytes[i]);
    if (head[0] == 'B' && head[1] == 'M')
        return ".BMP";
    if (head[0] == 'G' && head[1] == 'I' && head[2] == 'F')
        return ".GIF";
    if (head[6] == 'J' && head[7] == 'F')
        return ".JPG";
    if (head[0] == 'I' && head[1] == 'I')
        return ".TIF";
    if (head[0] == 0x0A)
        return ".PCX";
    return ".GFX";
}

std::string ExhibitExtractor::Extract(std::string_view bytes, int kind, const std::string& tempDirectory)
{
    std::string temporary = tempDirectory + "QBPXXXXXX";
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor >= 0) {
        WriteAll(descriptor, bytes);
        ::close(descriptor);
    }

    static constexpr char kLetters[] = {'T', 'G', 'S', 'O', 'U'};
    const int slot = kind >= 0 && kind < 4 ? kind : 4;
    const std::string extension = Extension(kind, bytes);
    std::string candidate;
    for (;;) {
        candidate = tempDirectory + kLetters[slot] + std::to_string(m_counters[slot]) + extension;
        if (!CanOpenForReading(candidate))
            break;
        ++m_counters[slot];
    }
    if (descriptor >= 0)
        std::rename(temporary.c_str(), candidate.c_str());
    return candidate;
}
