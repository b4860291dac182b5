#pragma once

#include "engine/BoundsRegion.h"
#include "engine/CODEndpoint.h"
#include "platform/CDC.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

namespace quorrel_test {

// A filled triangle pointing along the segment, as the program's arrow ends
// draw; counts how often it was drawn.
class TestArrowHead : public CODEndpoint {
public:
    static constexpr int kLength = 12;
    static constexpr int kHalfWidth = 5;

    std::unique_ptr<CODEndpoint> Clone() const override { return std::make_unique<TestArrowHead>(*this); }
    void Draw(CDC* pDC) override
    {
        ++m_nDraws;
        const auto corners = Corners();
        pDC->Polygon(corners.data(), 3);
    }
    void AddToRegion(BoundsRegion& region) const override
    {
        const auto corners = Corners();
        region.AddPolygon(corners.data(), 3);
    }

    int m_nDraws = 0;

private:
    std::array<POINT, 3> Corners() const
    {
        const double dx = m_nToX - m_nFromX;
        const double dy = m_nToY - m_nFromY;
        const double length = std::max(1.0, std::hypot(dx, dy));
        const double ux = dx / length;
        const double uy = dy / length;
        const auto at = [](double x, double y) { return POINT{static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))}; };
        const double bx = m_nToX - ux * kLength;
        const double by = m_nToY - uy * kLength;
        return {at(m_nToX, m_nToY), at(bx - uy * kHalfWidth, by + ux * kHalfWidth),
                at(bx + uy * kHalfWidth, by - ux * kHalfWidth)};
    }
};

}  // namespace quorrel_test
