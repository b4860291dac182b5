#include "kxdata/BlockFile.h"

#include "kxdata/LargeAllocator.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
int g_status = BlockFile::kStatusOk;
}

std::unique_ptr<BlockFile> BlockFile::Open(const std::string& path, int64_t preloadLimit)
{
    // Without O_NONBLOCK a FIFO would block the open until a writer comes; on a
    // regular file the flag changes nothing.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return nullptr;
    struct stat info;
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(descriptor);
        return nullptr;
    }
    std::unique_ptr<BlockFile> file(new BlockFile(path, descriptor, info.st_size));
    if (file->m_nLength <= preloadLimit && !file->Preload())
        file->m_image.reset();  // read block by block; a failing read then reports itself
    return file;
}

void BlockFile::ImageDeleter::operator()(unsigned char* image) const
{
    FreeLarge(image);
}

bool BlockFile::Preload()
{
    // Without the memory for an image the file is simply read block by block.
    m_image.reset(static_cast<unsigned char*>(AllocateLarge(static_cast<size_t>(m_nLength))));
    if (!m_image)
        return false;
    int64_t got = 0;
    while (got < m_nLength) {
        const ssize_t n = ::pread(m_nDescriptor, m_image.get() + got, static_cast<size_t>(m_nLength - got), got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        got += n;
    }
    return true;
}

BlockFile::BlockFile(std::string path, int descriptor, int64_t length)
    : m_strPath(std::move(path)), m_nDescriptor(descriptor), m_nLength(length)
{
}

BlockFile::~BlockFile()
{
    ::close(m_nDescriptor);
}

int BlockFile::Status()
{
    return g_status;
}

bool BlockFile::LoadBlock(int64_t blockStart)
{
    const int64_t wanted = std::min<int64_t>(kBlockSize, m_nLength - blockStart);
    if (m_image) {
        m_pBlock = m_image.get() + blockStart;
        m_nBlockStart = blockStart;
        m_nBlockBytes = wanted;
        return true;
    }
    m_pBlock = m_buffer;
    int64_t got = 0;
    while (got < wanted) {
        const ssize_t n = ::pread(m_nDescriptor, m_buffer + got, static_cast<size_t>(wanted - got), blockStart + got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            m_nBlockStart = -1;
            return false;
        }
        if (n == 0)
            break;
        got += n;
    }
    m_nBlockStart = blockStart;
    m_nBlockBytes = got;
    return true;
}

int BlockFile::ReadByte()
{
    unsigned char byte;
    return Read(&byte, 1) == 1 ? byte : g_status;
}

int64_t BlockFile::Read(unsigned char* dest, int64_t n)
{
    int64_t delivered = 0;
    while (delivered < n) {
        if (m_nPosition < 0 || m_nPosition >= m_nLength) {
            g_status = kStatusEnd;
            return delivered;
        }
        const int64_t blockStart = m_nPosition / kBlockSize * kBlockSize;
        if (blockStart != m_nBlockStart && !LoadBlock(blockStart)) {
            g_status = kStatusFailed;
            return delivered;
        }
        const int64_t inBlock = m_nPosition - m_nBlockStart;
        // The file may have shrunk since it was opened: what is missing is past its end.
        if (inBlock >= m_nBlockBytes) {
            g_status = kStatusEnd;
            return delivered;
        }
        const int64_t count = std::min(n - delivered, m_nBlockBytes - inBlock);
        std::memcpy(dest + delivered, m_pBlock + inBlock, static_cast<size_t>(count));
        delivered += count;
        m_nPosition += count;
    }
    g_status = kStatusOk;
    return delivered;
}
