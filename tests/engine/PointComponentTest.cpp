#include "engine/CODClosedCurveComponent.h"
#include "engine/CODCurveComponent.h"
#include "engine/CODEllipseComponent.h"
#include "engine/CODFillProperties.h"
#include "engine/CODIntProperty.h"
#include "engine/CODLineComponent.h"
#include "engine/CODLineProperties.h"
#include "engine/CODPolygonComponent.h"
#include "engine/CODRectComponent.h"
#include "engine/OrthogonalRouter.h"
#include "engine/PropertyIds.h"
#include "tests/engine/TestArrowHead.h"
#include "tests/support/DibCanvas.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

std::vector<CPoint> Points(const CODPointComponent& component, bool world)
{
    std::vector<CPoint> points;
    for (int i = 0; i < component.GetPointCount(); ++i)
        points.push_back(world ? component.GetWorldPoint(i) : component.GetPoint(i));
    return points;
}

TEST(PointComponent, PointIndexesAndCountsOutOfRangeAreRefused)
{
    CODPointComponent component;
    EXPECT_FALSE(component.SetPointCount(-1));
    EXPECT_FALSE(component.SetPointCount(CODPointComponent::kMaxPoints + 1));
    ASSERT_TRUE(component.SetPointCount(3));
    EXPECT_TRUE(component.SetPoint(2, CPoint(5, 6)));
    EXPECT_FALSE(component.SetPoint(3, CPoint(1, 1)));
    EXPECT_FALSE(component.SetPoint(-1, CPoint(1, 1)));
    EXPECT_EQ(component.GetPoint(2), CPoint(5, 6));
    EXPECT_EQ(component.GetPoint(3), CPoint());
    EXPECT_EQ(component.GetPoint(-7), CPoint());
    EXPECT_EQ(component.GetWorldPoint(99), CPoint());
}

TEST(PointComponent, WorldPointsFollowTheTransformAndGiveTheBounds)
{
    const POINT triangle[3] = {{10, 10}, {50, 10}, {30, 40}};
    CODPolygonComponent polygon;
    ASSERT_TRUE(polygon.Create(triangle, 3));
    EXPECT_EQ(polygon.GetType(), "Polygon");
    EXPECT_EQ(polygon.GetName(), "Polygon");
    EXPECT_EQ(polygon.GetBounds(), CRect(10, 10, 50, 40));

    polygon.Translate(100, 5);
    EXPECT_EQ(polygon.GetPoint(0), CPoint(10, 10)) << "local points stay";
    EXPECT_EQ(polygon.GetWorldPoint(0), CPoint(110, 15));
    EXPECT_EQ(polygon.GetBounds(), CRect(110, 15, 150, 45));
    std::vector<CODComponent*> hits;
    EXPECT_TRUE(polygon.HitTest(CPoint(130, 25), 0, hits));
    EXPECT_FALSE(polygon.HitTest(CPoint(30, 25), 0, hits));

    // A child of a moved parent sees the parent's transform.
    CODComponent parent;
    auto* child = new CODRectComponent();
    child->Create(CRect(0, 0, 10, 10));
    parent.AddChild(child);
    parent.Translate(20, 30);
    EXPECT_EQ(child->GetBounds(), CRect(20, 30, 30, 40));
}

TEST(PointComponent, PointAtPercentageWalksThePath)
{
    const std::vector<POINT> path = {{0, 0}, {100, 0}, {100, 100}};
    CODLineComponent line;
    line.SetPoints(path.data(), 3);
    line.UpdateBounds();
    const struct {
        int percent;
        CPoint expected;
    } cases[] = {{0, {0, 0}}, {25, {50, 0}}, {50, {100, 0}}, {75, {100, 50}}, {100, {100, 100}}, {-5, {0, 0}}, {200, {100, 100}}};
    for (const auto& c : cases)
        EXPECT_EQ(line.GetPointAtPercentage(c.percent), c.expected) << c.percent;
    EXPECT_EQ(CODPointComponent().GetPointAtPercentage(50), CPoint());
}

TEST(EllipseComponent, ThirteenControlPointsThroughTheSideMidpoints)
{
    CODEllipseComponent ellipse;
    EXPECT_FALSE(ellipse.Create(CRect(10, 10, 10, 40)));
    ASSERT_TRUE(ellipse.Create(CRect(0, 0, 100, 60)));
    ASSERT_EQ(ellipse.GetPointCount(), 13);
    EXPECT_EQ(ellipse.GetType(), "Ellipse");
    EXPECT_EQ(ellipse.GetPoint(0), CPoint(100, 30));
    EXPECT_EQ(ellipse.GetPoint(1), CPoint(100, 47)) << "30 + 30 * 0.5523 rounded";
    EXPECT_EQ(ellipse.GetPoint(2), CPoint(78, 60));
    EXPECT_EQ(ellipse.GetPoint(3), CPoint(50, 60));
    EXPECT_EQ(ellipse.GetPoint(6), CPoint(0, 30));
    EXPECT_EQ(ellipse.GetPoint(9), CPoint(50, 0));
    EXPECT_EQ(ellipse.GetPoint(12), CPoint(100, 30));
    EXPECT_EQ(ellipse.GetBounds(), CRect(0, 0, 100, 60));

    quorrel_test::DibCanvas canvas(110, 70);
    CODFillProperties fill;
    fill.SetColor(RGB(0, 128, 0));
    ellipse.AddProperty(fill);
    ellipse.Draw(&canvas.DC());
    EXPECT_EQ(canvas.Pixel(50, 30), RGB(0, 128, 0));
    EXPECT_EQ(canvas.Pixel(5, 5), kWhite) << "corners stay outside the curve";
    EXPECT_EQ(canvas.Pixel(50, 0), kBlack);
}

TEST(CurveComponent, OnlyThreeKPlusOnePointsMakeACurve)
{
    const std::vector<POINT> points(7, POINT{1, 1});
    for (int count : {0, 1, 2, 3, 5, 6}) {
        CODCurveComponent curve;
        EXPECT_FALSE(curve.Create(points.data(), count)) << count;
        EXPECT_EQ(curve.GetPointCount(), 0) << count;
    }
    for (int count : {4, 7}) {
        CODClosedCurveComponent curve;
        EXPECT_TRUE(curve.Create(points.data(), count)) << count;
        EXPECT_EQ(curve.GetType(), "Closed Curve");
    }
    CODCurveComponent curve;
    EXPECT_FALSE(curve.Create(nullptr, 4));
}

TEST(OrthogonalRouter, RoutesWithRightAngles)
{
    const CPoint down(0, 1);
    const CPoint up(0, -1);
    const CPoint right(1, 0);
    const CPoint left(-1, 0);
    const struct {
        const char* name;
        CPoint from, to, source, target;
        CRect margins;
        std::vector<CPoint> expected;
    } cases[] = {
        {"down, then entered from above", {100, 100}, {300, 300}, down, up, {},
         {{100, 100}, {100, 200}, {300, 200}, {300, 300}}},
        {"right, then entered from above", {100, 100}, {300, 300}, right, up, {},
         {{100, 100}, {300, 100}, {300, 300}}},
        {"facing on one row", {100, 100}, {300, 100}, right, left, {}, {{100, 100}, {300, 100}}},
        {"away from the target, around the margins", {100, 100}, {300, 300}, left, up, CRect(20, 30, 0, 0),
         {{100, 100}, {80, 100}, {80, 70}, {300, 70}, {300, 300}}},
        {"away from the target, no margins", {100, 100}, {300, 300}, left, up, {},
         {{100, 100}, {300, 100}, {300, 300}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OrthogonalRouter::Route(c.from, c.to, c.source, c.target, c.margins), c.expected) << c.name;

    CPoint source;
    CPoint target;
    OrthogonalRouter::DefaultDirections(CPoint(0, 0), CPoint(-50, 10), source, target);
    EXPECT_EQ(source, left);
    EXPECT_EQ(target, right);
    OrthogonalRouter::DefaultDirections(CPoint(0, 0), CPoint(10, -10), source, target);
    EXPECT_EQ(source, up) << "equal spans leave vertically";
    EXPECT_EQ(target, down);
}

TEST(LineComponent, AnOrthogonalLineIsReRoutedADiagonalOneKept)
{
    CODLineComponent orthogonal;
    ASSERT_TRUE(orthogonal.Create(std::vector<POINT>{{0, 0}, {0, 50}, {100, 50}}));
    EXPECT_EQ(Points(orthogonal, false), (std::vector<CPoint>{{0, 0}, {50, 0}, {50, 50}, {100, 50}}))
        << "the bend lies halfway between the ends";
    EXPECT_EQ(orthogonal.GetType(), "Line");
    ASSERT_NE(orthogonal.GetProperty(OD_PROP_ORTHOGONAL, false), nullptr);
    ASSERT_NE(orthogonal.GetProperty(OD_PROP_MARGIN_BOTTOM, false), nullptr);

    CODLineComponent diagonal;
    ASSERT_TRUE(diagonal.Create(std::vector<POINT>{{0, 0}, {100, 50}}));
    EXPECT_EQ(Points(diagonal, false), (std::vector<CPoint>{{0, 0}, {100, 50}}));

    CODLineComponent single;
    EXPECT_FALSE(single.Create(std::vector<POINT>{{5, 5}}));
    EXPECT_EQ(single.GetPointCount(), 0);
}

TEST(LineComponent, EndpointsSitOnTheEndSegmentsAndAreOwnedAndCloned)
{
    auto line = std::make_unique<CODLineComponent>();
    ASSERT_TRUE(line->Create(std::vector<POINT>{{10, 10}, {60, 40}, {100, 40}}));
    line->SetSourceEndpoint(std::make_unique<quorrel_test::TestArrowHead>());
    line->SetTargetEndpoint(std::make_unique<quorrel_test::TestArrowHead>());
    line->Translate(5, 0);
    EXPECT_EQ(line->GetSourceEndpoint()->GetFrom(), CPoint(65, 40));
    EXPECT_EQ(line->GetSourceEndpoint()->GetTo(), CPoint(15, 10));
    EXPECT_EQ(line->GetTargetEndpoint()->GetFrom(), CPoint(65, 40));
    EXPECT_EQ(line->GetTargetEndpoint()->GetTo(), CPoint(105, 40));
    EXPECT_GT(line->GetBounds().bottom, 40) << "the heads widen the outline";

    auto copy = line->Clone();
    auto* clone = dynamic_cast<CODLineComponent*>(copy.get());
    ASSERT_NE(clone, nullptr);
    ASSERT_NE(clone->GetTargetEndpoint(), line->GetTargetEndpoint());
    EXPECT_EQ(clone->GetTargetEndpoint()->GetTo(), CPoint(105, 40));
    line.reset();
    EXPECT_EQ(clone->GetSourceEndpoint()->GetTo(), CPoint(15, 10)) << "the clone owns its own";
}

TEST(PointComponent, DrawOutlineDrawsOnlyThePolygonsOfTheWholeTreeOnce)
{
    quorrel_test::DibCanvas canvas(200, 100);
    CODComponent group;
    auto* ellipse = new CODEllipseComponent();
    ellipse->Create(CRect(10, 10, 90, 90));
    CODFillProperties red;
    red.SetColor(RGB(255, 0, 0));
    ellipse->AddProperty(red);
    group.AddChild(ellipse);
    auto* line = new CODLineComponent();
    line->Create(std::vector<POINT>{{110, 10}, {190, 90}});
    auto arrow = std::make_unique<quorrel_test::TestArrowHead>();
    auto* head = arrow.get();
    line->SetTargetEndpoint(std::move(arrow));
    group.AddChild(line);

    group.DrawOutline(&canvas.DC());
    EXPECT_EQ(head->m_nDraws, 0) << "no decorations in outline drawing";
    EXPECT_EQ(canvas.Pixel(20, 20), RGB(255, 0, 0)) << "the control polygon, not the curve";
    EXPECT_EQ(ellipse->IsOutlineOnly(), 0);
    EXPECT_EQ(line->IsOutlineOnly(), 0);

    quorrel_test::DibCanvas full(200, 100);
    group.Draw(&full.DC());
    EXPECT_EQ(head->m_nDraws, 1);
    EXPECT_EQ(full.Pixel(20, 20), kWhite);
    EXPECT_EQ(full.Pixel(50, 50), RGB(255, 0, 0));
}

}  // namespace
