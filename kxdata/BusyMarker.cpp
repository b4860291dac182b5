#include "kxdata/BusyMarker.h"

#include <cerrno>
#include <ctime>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr uint32_t kRefreshMilliseconds = 10000;
constexpr mode_t kMarkerMode = 0644;
// No links followed; a FIFO of that name must not block the open either.
constexpr int kOpenFlags = O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
}  // namespace

uint32_t BusyMarker::SystemTicks()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<uint32_t>(static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1000000u);
}

BusyMarker::BusyMarker(TickSource ticks, std::string path) : m_ticks(std::move(ticks)), m_strPath(std::move(path)) {}

void BusyMarker::Refresh()
{
    const uint32_t now = m_ticks();
    if (static_cast<uint32_t>(now - m_nLastTick) <= kRefreshMilliseconds)
        return;
    Create();
}

void BusyMarker::Create()
{
    m_nLastTick = m_ticks();
    int descriptor = ::open(m_strPath.c_str(), kOpenFlags | O_CREAT | O_EXCL, kMarkerMode);
    if (descriptor < 0 && errno == EEXIST)
        descriptor = ::open(m_strPath.c_str(), kOpenFlags);
    if (descriptor < 0)
        return;
    // An empty regular file is a marker (ours, or one left by an earlier run):
    // writing it anew only renews its time. Anything else is left alone.
    struct stat info;
    if (::fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode) && info.st_size == 0) {
        ::futimens(descriptor, nullptr);
        m_bOwned = true;
        m_device = info.st_dev;
        m_inode = info.st_ino;
    }
    ::close(descriptor);
}

void BusyMarker::Remove()
{
    struct stat info;
    if (m_bOwned && ::lstat(m_strPath.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_dev == m_device &&
        info.st_ino == m_inode)
        ::unlink(m_strPath.c_str());
    m_bOwned = false;
}
