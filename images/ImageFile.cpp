#include "images/ImageFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ImageFile::~ImageFile()
{
    Close();
}

bool ImageFile::Open(const std::string& path, Mode mode)
{
    Close();
    // O_NONBLOCK: opening a FIFO for reading would wait for a writer.
    const int flags = mode == Mode::Read ? O_RDONLY | O_NONBLOCK : O_WRONLY | O_CREAT | O_TRUNC;
    do {
        m_fd = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    } while (m_fd < 0 && errno == EINTR);
    if (m_fd < 0)
        return false;
    struct stat info {};
    if (::fstat(m_fd, &info) != 0 || S_ISDIR(info.st_mode) || (mode == Mode::Read && !S_ISREG(info.st_mode))) {
        Close();
        return false;
    }
    m_mode = mode;
    return true;
}

bool ImageFile::Close()
{
    if (m_fd < 0)
        return true;
    // Not retried on EINTR: the descriptor is released all the same.
    const bool closed = ::close(m_fd) == 0;
    m_fd = -1;
    return closed;
}

std::size_t ImageFile::Read(void* data, std::size_t count)
{
    auto* bytes = static_cast<unsigned char*>(data);
    std::size_t done = 0;
    while (m_fd >= 0 && done < count) {
        const ssize_t got = ::read(m_fd, bytes + done, count - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

bool ImageFile::Write(const void* data, std::size_t count)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    std::size_t done = 0;
    while (m_fd >= 0 && done < count) {
        const ssize_t put = ::write(m_fd, bytes + done, count - done);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        done += static_cast<std::size_t>(put);
    }
    return m_fd >= 0;
}

bool ImageFile::Seek(std::int64_t position)
{
    return m_fd >= 0 && position >= 0 && ::lseek(m_fd, position, SEEK_SET) == position;
}

std::int64_t ImageFile::GetPosition() const
{
    return m_fd >= 0 ? ::lseek(m_fd, 0, SEEK_CUR) : -1;
}

std::int64_t ImageFile::GetLength() const
{
    struct stat info {};
    if (m_fd < 0 || ::fstat(m_fd, &info) != 0 || !S_ISREG(info.st_mode))
        return -1;
    return info.st_size;
}
