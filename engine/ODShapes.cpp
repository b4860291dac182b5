#include "engine/ODShapes.h"

#include "engine/ODHelpers.h"
#include "platform/Arithmetic.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kTangentShare = 6;
constexpr double kTenthsPerHalfTurn = 1800.0;

POINT Offset(const POINT& point, const POINT& from, const POINT& to, int nSign)
{
    return POINT{point.x + nSign * (to.x - from.x) / kTangentShare, point.y + nSign * (to.y - from.y) / kTangentShare};
}

}  // namespace

std::vector<POINT> SmoothCurvePoints(const std::vector<POINT>& through, bool bClosed)
{
    const auto count = static_cast<int>(through.size());
    if (count < (bClosed ? 3 : 2))
        return {};
    const auto at = [&through, count, bClosed](int i) {
        if (bClosed)
            return through[static_cast<std::size_t>((i % count + count) % count)];
        return through[static_cast<std::size_t>(std::clamp(i, 0, count - 1))];
    };
    const int segments = bClosed ? count : count - 1;
    std::vector<POINT> bezier{at(0)};
    for (int i = 0; i < segments; ++i) {
        bezier.push_back(Offset(at(i), at(i - 1), at(i + 1), 1));
        bezier.push_back(Offset(at(i + 1), at(i), at(i + 2), -1));
        bezier.push_back(at(i + 1));
    }
    return bezier;
}

CPoint SnapAngle(const CPoint& from, const CPoint& to, int nStep)
{
    if (nStep <= 0 || (from.x == to.x && from.y == to.y))
        return to;
    const int angle = AngleBetween(from.x, from.y, to.x, to.y);
    const double snapped = RoundHalfAwayFromZero(static_cast<double>(angle) / nStep) * nStep * kOdPi / kTenthsPerHalfTurn;
    const double length = std::hypot(static_cast<double>(to.x) - from.x, static_cast<double>(to.y) - from.y);
    return CPoint(from.x + RoundHalfAwayFromZero(length * std::cos(snapped)),
                  from.y + RoundHalfAwayFromZero(length * std::sin(snapped)));
}
