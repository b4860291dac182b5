#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <sys/types.h>

// The empty file "KXOPEN.BZY" in the current directory tells other programs
// that a project is open. It is written anew at most every 10 seconds.
//
// The name lies in whatever directory the client runs in, so it is never
// followed as a link and a file that is not an empty marker is never
// truncated; only the marker this object made or took over is removed.
class BusyMarker {
public:
    using TickSource = std::function<uint32_t()>;

    // Milliseconds of a monotonic clock, wrapping at 32 bits.
    static uint32_t SystemTicks();

    explicit BusyMarker(TickSource ticks = SystemTicks, std::string path = "KXOPEN.BZY");

    // Creates the file anew when more than 10000 ms passed since the last refresh.
    void Refresh();
    // Creates it now: a project is being opened, and a close or failure just before may have removed it.
    void Create();
    void Remove();

private:
    TickSource m_ticks;
    std::string m_strPath;
    uint32_t m_nLastTick = 0;
    // The file of our marker, to tell it from anything put under its name since.
    bool m_bOwned = false;
    dev_t m_device = 0;
    ino_t m_inode = 0;
};
