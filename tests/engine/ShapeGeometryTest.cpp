#include "engine/ODShapes.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<CPoint> AsPoints(const std::vector<POINT>& points)
{
    return std::vector<CPoint>(points.begin(), points.end());
}

TEST(ShapeGeometry, SmoothCurvesPassThroughEveryPoint)
{
    const std::vector<POINT> through = {{0, 0}, {60, 0}, {60, 60}};
    // Tangents run along the line between the neighbours, a sixth of it long.
    EXPECT_EQ(AsPoints(SmoothCurvePoints(through, false)),
              (std::vector<CPoint>{{0, 0}, {10, 0}, {50, -10}, {60, 0}, {70, 10}, {60, 50}, {60, 60}}));
    const std::vector<POINT> closed = SmoothCurvePoints(through, true);
    ASSERT_EQ(closed.size(), 10U);
    EXPECT_EQ(CPoint(closed.front()), CPoint(closed.back()));
    EXPECT_EQ(CPoint(closed[3]), CPoint(60, 0));
    EXPECT_EQ(CPoint(closed[6]), CPoint(60, 60));
    EXPECT_TRUE(SmoothCurvePoints({{0, 0}}, false).empty());
    EXPECT_TRUE(SmoothCurvePoints({{0, 0}, {5, 5}}, true).empty());
}

TEST(ShapeGeometry, SnapAngleKeepsTheLength)
{
    struct Case {
        CPoint to;
        CPoint snapped;
    };
    const Case cases[] = {
        {{100, 3}, {100, 0}}, {{3, 100}, {0, 100}}, {{-100, -4}, {-100, 0}}, {{70, 72}, {71, 71}},
        {{87, 49}, {86, 50}}, {{0, 0}, {0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SnapAngle(CPoint(0, 0), c.to, 150), c.snapped) << c.to.x << "," << c.to.y;
    EXPECT_EQ(SnapAngle(CPoint(10, 10), CPoint(40, 12), 0), CPoint(40, 12));
}

}  // namespace
