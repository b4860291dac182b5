#include "charts/FanGeometry.h"

#include "platform/Arithmetic.h"

#include <cmath>
#include <numbers>

namespace {
constexpr double kDegreesPerHalfTurn = 180.0;
}  // namespace

POINT FanGeometry::At(double fDegrees, int nDistance) const
{
    const double radians = fDegrees * std::numbers::pi / kDegreesPerHalfTurn;
    return POINT{m_nRadius - TruncateTowardZero(std::cos(radians) * nDistance + m_nHalf),
                 m_nRadius - TruncateTowardZero(std::sin(radians) * nDistance + m_nHalf)};
}
