#pragma once

#include <cstdint>
#include <functional>
#include <string>

// The empty file "KXOPEN.BZY" in the current directory tells other programs
// that a project is open. It is written anew at most every 10 seconds.
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
};
