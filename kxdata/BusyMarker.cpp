#include "kxdata/BusyMarker.h"

#include <cstdio>
#include <ctime>

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
    if (static_cast<uint32_t>(now - m_nLastTick) <= 10000u)
        return;
    Create();
}

void BusyMarker::Create()
{
    if (std::FILE* file = std::fopen(m_strPath.c_str(), "wb"))
        std::fclose(file);
    m_nLastTick = m_ticks();
}

void BusyMarker::Remove()
{
    std::remove(m_strPath.c_str());
}
