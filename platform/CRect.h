#pragma once

#include "platform/CPoint.h"
#include "platform/CSize.h"
#include "platform/WinTypes.h"

#include <algorithm>
#include <cstdint>

// A rectangle (left, top, right, bottom), right and bottom exclusive.
class CRect : public RECT {
public:
    constexpr CRect() = default;
    constexpr CRect(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) : RECT{l, t, r, b} {}
    constexpr CRect(const RECT& rect) : RECT(rect) {}

    // Held at the ends of the 32-bit range for rectangles wider than it.
    constexpr std::int32_t Width() const { return Clamp(std::int64_t{right} - left); }
    constexpr std::int32_t Height() const { return Clamp(std::int64_t{bottom} - top); }
    constexpr CSize Size() const { return CSize(Width(), Height()); }
    constexpr CPoint TopLeft() const { return CPoint(left, top); }
    constexpr CPoint BottomRight() const { return CPoint(right, bottom); }
    // Halves truncate toward zero.
    constexpr CPoint CenterPoint() const
    {
        return CPoint(static_cast<std::int32_t>((std::int64_t{left} + right) / 2),
                      static_cast<std::int32_t>((std::int64_t{top} + bottom) / 2));
    }
    // No area: width or height zero or negative.
    constexpr bool IsRectEmpty() const { return right <= left || bottom <= top; }
    constexpr bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    constexpr bool PtInRect(const POINT& point) const
    {
        return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
    }

    void SetRect(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) { *this = CRect(l, t, r, b); }
    void SetRectEmpty() { *this = CRect(); }
    void NormalizeRect()
    {
        if (left > right)
            std::swap(left, right);
        if (top > bottom)
            std::swap(top, bottom);
    }
    void OffsetRect(std::int32_t dx, std::int32_t dy)
    {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
    void InflateRect(std::int32_t dx, std::int32_t dy)
    {
        left -= dx;
        right += dx;
        top -= dy;
        bottom += dy;
    }
    // The smallest rectangle holding both; an empty one adds nothing.
    bool UnionRect(const RECT& a, const RECT& b)
    {
        const CRect first(a);
        const CRect second(b);
        if (first.IsRectEmpty())
            *this = second;
        else if (second.IsRectEmpty())
            *this = first;
        else
            *this = CRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                          std::max(a.bottom, b.bottom));
        return !IsRectEmpty();
    }
    // The common part; empty (all zero) when there is none.
    bool IntersectRect(const RECT& a, const RECT& b)
    {
        *this = CRect(std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                      std::min(a.bottom, b.bottom));
        if (IsRectEmpty())
            SetRectEmpty();
        return !IsRectEmpty();
    }

    friend constexpr bool operator==(const CRect& a, const CRect& b)
    {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }

private:
    static constexpr std::int32_t Clamp(std::int64_t value)
    {
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
    }
};
