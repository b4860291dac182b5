#pragma once

#include "platform/WinTypes.h"

// Points of a fan of outer radius R: angles in degrees from the direction
// pointing left from the centre, growing clockwise on the screen (90 up,
// 180 right, 270 down). With H = R / 2 the centre is (R - H, R - H).
class FanGeometry {
public:
    explicit FanGeometry(int nRadius) : m_nRadius(nRadius), m_nHalf(nRadius / 2) {}

    // (R - t(cos θ × ρ + H), R - t(sin θ × ρ + H)), t truncating toward zero.
    POINT At(double fDegrees, int nDistance) const;
    POINT Centre() const { return POINT{m_nRadius - m_nHalf, m_nRadius - m_nHalf}; }

private:
    int m_nRadius;
    int m_nHalf;
};
