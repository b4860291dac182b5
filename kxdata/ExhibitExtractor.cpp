#include "kxdata/ExhibitExtractor.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr char kDirectoryTemplate[] = "kxdata-XXXXXX";
constexpr char kFileTemplate[] = "QBPXXXXXX";
constexpr char kLetters[] = {'T', 'G', 'S', 'O', 'U'};

bool WriteAll(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(descriptor, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

bool Exists(const std::string& path)
{
    struct stat info;
    return ::lstat(path.c_str(), &info) == 0;
}
}  // namespace

ExhibitExtractor::~ExhibitExtractor()
{
    RemoveDirectory();
}

void ExhibitExtractor::RemoveDirectory()
{
    if (m_strDirectory.empty() || m_nOwner != ::getpid())
        return;
    std::error_code ignored;
    std::filesystem::remove_all(m_strDirectory, ignored);
    m_strDirectory.clear();
}

bool ExhibitExtractor::EnsureDirectory(const std::string& tempDirectory)
{
    // A cleaner of the temporary directory may have removed it meanwhile.
    struct stat info;
    if (!m_strDirectory.empty() && ::lstat(m_strDirectory.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
        info.st_uid == ::geteuid())
        return true;
    std::string path = tempDirectory + kDirectoryTemplate;
    if (::mkdtemp(path.data()) == nullptr) {
        m_strDirectory.clear();
        return false;
    }
    m_strDirectory = path + '/';
    m_nOwner = ::getpid();
    return true;
}

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
    if (!EnsureDirectory(tempDirectory))
        return std::string();
    std::string temporary = m_strDirectory + kFileTemplate;
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0)
        return std::string();
    const bool written = WriteAll(descriptor, bytes);
    if (::close(descriptor) != 0 || !written) {
        ::unlink(temporary.c_str());
        return std::string();
    }

    const int slot = kind >= 0 && kind < 4 ? kind : 4;
    const std::string extension = Extension(kind, bytes);
    std::string candidate;
    for (;;) {
        candidate = m_strDirectory + kLetters[slot] + std::to_string(m_counters[slot]) + extension;
        if (!Exists(candidate))
            break;
        ++m_counters[slot];
    }
    if (std::rename(temporary.c_str(), candidate.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return std::string();
    }
    return candidate;
}
