#pragma once

#include "platform/WinTypes.h"

// A point in logical units, with the value semantics the engine's geometry uses.
class CPoint : public POINT {
public:
    constexpr CPoint() = default;
    constexpr CPoint(std::int32_t nX, std::int32_t nY) : POINT{nX, nY} {}
    constexpr CPoint(const POINT& point) : POINT(point) {}

    void Offset(std::int32_t dx, std::int32_t dy)
    {
        x += dx;
        y += dy;
    }
    friend constexpr bool operator==(const CPoint& a, const CPoint& b) { return a.x == b.x && a.y == b.y; }
    friend constexpr CPoint operator+(const CPoint& a, const CPoint& b) { return CPoint(a.x + b.x, a.y + b.y); }
    friend constexpr CPoint operator-(const CPoint& a, const CPoint& b) { return CPoint(a.x - b.x, a.y - b.y); }
};
