#pragma once

#include "platform/WinTypes.h"

// A width and height in logical units.
class CSize : public SIZE {
public:
    constexpr CSize() = default;
    constexpr CSize(std::int32_t nCx, std::int32_t nCy) : SIZE{nCx, nCy} {}
    constexpr CSize(const SIZE& size) : SIZE(size) {}

    friend constexpr bool operator==(const CSize& a, const CSize& b) { return a.cx == b.cx && a.cy == b.cy; }
};
