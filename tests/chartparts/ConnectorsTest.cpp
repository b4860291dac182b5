#include "chartparts/ArrowEndpoint.h"
#include "chartparts/CSymbol.h"
#include "chartparts/Connectors.h"
#include "engine/CODCirclePort.h"
#include "engine/CODLabelComponent.h"
#include "engine/CODLineComponent.h"
#include "engine/CODLineProperties.h"
#include "engine/CODLinkComponent.h"
#include "engine/CODOrientationProperties.h"
#include "engine/CODPolygonComponent.h"
#include "engine/CODRectComponent.h"
#include "platform/CDC.h"
#include "platform/CPen.h"
#include "tests/engine/TestDiagram.h"
#include "tests/support/DibCanvas.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);

std::array<POINT, 4> ArrowOn(const CPoint& from, const CPoint& to, int length, int width)
{
    ArrowEndpoint arrow(length, width);
    arrow.SetSegment(from, to);
    std::array<POINT, 4> points;
    arrow.GetArrowPoints(points);
    return points;
}

void ExpectPoints(const std::array<POINT, 4>& actual, const std::array<CPoint, 4>& expected)
{
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(CPoint(actual[i]), expected[i]) << "point " << i;
}

TEST(ArrowEndpoint, PointsAlongTheSegmentEnd)
{
    ExpectPoints(ArrowOn({0, 50}, {100, 50}, ArrowEndpoint::kDefaultLength, ArrowEndpoint::kDefaultWidth),
                 {{{100, 50}, {80, 45}, {85, 50}, {80, 55}}});
    // Half of 5 rounds away from zero to 3.
    ExpectPoints(ArrowOn({0, 50}, {100, 50}, 20, 5), {{{100, 50}, {80, 47}, {85, 50}, {80, 53}}});
    // Pointing down: the head turns with the segment.
    ExpectPoints(ArrowOn({40, 0}, {40, 100}, 20, 10), {{{40, 100}, {45, 80}, {40, 85}, {35, 80}}});
}

TEST(ArrowEndpoint, DrawsInThePenColourAndAddsItsOutline)
{
    quorrel_test::DibCanvas canvas(120, 100);
    canvas.DC().SelectObject(CPen::CreatePen(PS_SOLID, 1, kRed));
    ArrowEndpoint arrow;
    arrow.SetSegment(CPoint(0, 50), CPoint(100, 50));
    arrow.Draw(&canvas.DC());
    EXPECT_GT(canvas.Count(CRect(82, 47, 99, 53), kRed), 40);  // filled, not just outlined
    EXPECT_EQ(canvas.Count(CRect(0, 0, 120, 100), RGB(0, 0, 0)), 0);

    BoundsRegion region;
    arrow.AddToRegion(region);
    EXPECT_EQ(region.GetBoundingRect(), CRect(80, 45, 100, 55));
    const std::unique_ptr<CODEndpoint> copy = arrow.Clone();
    auto* copied = dynamic_cast<ArrowEndpoint*>(copy.get());
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->GetTo(), CPoint(100, 50));
    EXPECT_EQ(copied->GetLength(), 20);
}

struct ThroughCase {
    const char* what;
    std::vector<CPoint> ports;
    ConnectDirection direction;
    int offset;
    int fixedX;
    int fixedY;
    CPoint point;
    CRect body;
};

TEST(ConnectThroughPoint, PointBodyAndLinks)
{
    const ThroughCase cases[] = {
        {"below a row", {{100, 200}, {300, 200}}, ConnectDirection::Below, 30, 0, 0, {200, 230},
         {191, 226, 213, 234}},
        {"above a row", {{100, 200}, {300, 200}}, ConnectDirection::Above, 30, 0, 0, {200, 170},
         {191, 166, 213, 174}},
        {"the lowest port counts", {{100, 200}, {150, 260}, {300, 220}}, ConnectDirection::Below, 0, 0, 0,
         {200, 260}, {191, 256, 213, 264}},
        {"right of a column, fixed y", {{100, 100}, {100, 300}}, ConnectDirection::Right, 20, 0, 150, {120, 150},
         {116, 146, 124, 154}},
        {"left of a column", {{100, 100}, {100, 300}}, ConnectDirection::Left, 20, 0, 0, {80, 200},
         {76, 196, 84, 204}},
        {"fixed x under a row", {{100, 200}, {300, 200}}, ConnectDirection::Below, 10, 120, 0, {120, 210},
         {111, 206, 133, 214}},
    };
    for (const ThroughCase& c : cases) {
        SCOPED_TRACE(c.what);
        CODComponent diagram;
        std::vector<CODPortComponent*> ports;
        for (const CPoint& at : c.ports) {
            CODSymbolComponent* box = test_diagram::AddBox(CRect(at.x - 20, at.y - 20, at.x + 20, at.y), diagram);
            ports.push_back(test_diagram::AddPort(box, at));
        }
        CODLineProperties line;
        line.SetColor(kRed);
        CSymbol* point = ConnectThroughPoint(diagram, ports, c.direction, c.offset, line, c.fixedX, c.fixedY);
        ASSERT_NE(point, nullptr);
        EXPECT_EQ(point->GetName(), "Connection Point");
        EXPECT_EQ(point->GetType(), "Sibling Connector");
        ASSERT_EQ(point->GetOwnPortCount(), 1);
        EXPECT_EQ(point->GetPort(0)->GetPosition(), c.point);
        EXPECT_FALSE(point->GetPort(0)->IsVisible());
        const CODComponent* body = point->GetChild(0);
        ASSERT_NE(body, nullptr);
        EXPECT_FALSE(body->IsVisible());
        EXPECT_EQ(body->GetBounds(), c.body);

        // One red orthogonal link to every port, in list order, after the point.
        ASSERT_EQ(diagram.GetChildCount(), static_cast<int>(c.ports.size() * 2 + 1));
        for (std::size_t i = 0; i < ports.size(); ++i) {
            const auto* link = dynamic_cast<const CODLinkComponent*>(diagram.GetChild(static_cast<int>(c.ports.size() + 1 + i)));
            ASSERT_NE(link, nullptr);
            EXPECT_EQ(link->GetSourcePort(), point->GetPort(0));
            EXPECT_EQ(link->GetTargetPort(), ports[i]);
            EXPECT_TRUE(link->GetLine()->IsOrthogonal());
            const auto* pen = dynamic_cast<const CODLineProperties*>(link->GetLine()->GetProperty(OD_PROP_LINE, false));
            ASSERT_NE(pen, nullptr);
            EXPECT_EQ(pen->GetColor(), kRed);
        }
    }
}

TEST(ConnectThroughPoint, NeedsTwoPortsAndLinksNothingWithoutThem)
{
    CODComponent diagram;
    CODSymbolComponent* box = test_diagram::AddBox(CRect(0, 0, 40, 40), diagram);
    std::vector<CODPortComponent*> one = {test_diagram::AddPort(box, CPoint(20, 40))};
    const CODLineProperties line;
    EXPECT_EQ(ConnectThroughPoint(diagram, one, ConnectDirection::Below, 10, line, 0, 0), nullptr);
    LinkPortsTo(diagram, {}, line, one[0]);
    EXPECT_EQ(diagram.GetChildCount(), 1);
}

TEST(SmallSymbols, ArrowPortAndConnectionLine)
{
    const std::unique_ptr<CSymbol> arrow = MakeArrowSymbol(10, 20, kRed, 2, RGB(0, 0, 255));
    EXPECT_EQ(arrow->GetName(), "Arrow");
    EXPECT_EQ(arrow->GetOwnPortCount(), 0);
    const auto* polygon = dynamic_cast<const CODPolygonComponent*>(arrow->GetChild(0));
    ASSERT_NE(polygon, nullptr);
    const std::array<CPoint, 4> tip = {{{0, 0}, {-20, -5}, {-15, 0}, {-20, 5}}};
    ASSERT_EQ(polygon->GetPointCount(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(polygon->GetPoint(i), tip[static_cast<std::size_t>(i)]);
    const auto* pen = dynamic_cast<const CODLineProperties*>(polygon->GetProperty(OD_PROP_LINE, false));
    ASSERT_NE(pen, nullptr);
    EXPECT_EQ(pen->GetWidth(), 1);
    EXPECT_EQ(pen->GetColor(), kRed);

    const std::unique_ptr<CSymbol> port = MakePortSymbol();
    EXPECT_EQ(port->GetName(), "Port");
    ASSERT_EQ(port->GetOwnPortCount(), 1);
    EXPECT_TRUE(port->GetPort(0)->IsVisible());
    EXPECT_FALSE(port->GetPort(0)->IsCentrePort());
    EXPECT_EQ(port->GetChild(0)->GetBounds(), CRect(0, 0, 1, 1));

    const std::unique_ptr<CSymbol> line = MakeConnectionLine(CPoint(0, 100), CPoint(200, 100), nullptr);
    EXPECT_EQ(line->GetName(), "Connection Line");
    EXPECT_EQ(line->GetType(), "Connector Menu");
    ASSERT_EQ(line->GetOwnPortCount(), 52);
    const std::array<CPoint, 4> visible = {{{0, 100}, {200, 100}, {100, 100}, {4, 100}}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(line->GetPort(i)->GetPosition(), visible[static_cast<std::size_t>(i)]) << i;
        EXPECT_EQ(line->GetPort(i)->IsVisible(), i < 3) << i;
    }
    EXPECT_EQ(line->GetPort(51)->GetPosition(), CPoint(196, 100));
    for (int i = 0; i < line->GetOwnPortCount(); ++i)
        EXPECT_TRUE(line->GetPort(i)->IsCentrePort());
}

TEST(SymbolLabels, PlacedOutsideByOrientation)
{
    // Symbol bounds (100, 100, 200, 160); the label is w x h; offsets (5, 5).
    for (const int code : {0, 4, 8}) {
        SCOPED_TRACE(code);
        CODComponent diagram;
        auto* symbol = new CSymbol();
        auto* body = new CODRectComponent();
        body->Create(100, 100, 200, 160);
        symbol->Create(std::vector<CODComponent*>{body});
        diagram.AddChild(symbol);
        auto* label = new CODLabelComponent();
        label->Create(CRect(0, 0, 30, 12), nullptr);
        label->AddProperty(CODOrientationProperties(OD_PROP_ORIENTATION, code, 5, 5));
        symbol->AddLabel(label);
        symbol->PlaceLabel(label);
        const CRect b = label->GetBounds();
        const int w = b.Width();
        const int h = b.Height();
        const CPoint expected = code == 0 ? CPoint(95, 95)
            : code == 4                   ? CPoint(200 - w + 5, 160 - h + 5)
                                          : CPoint(150 - w / 2, 130 - h / 2);
        EXPECT_EQ(b.TopLeft(), expected);
    }
}

TEST(SymbolLabels, LabelsTurnWithTheSymbol)
{
    CODComponent diagram;
    auto* symbol = new CSymbol();
    auto* body = new CODRectComponent();
    body->Create(0, 0, 100, 100);
    symbol->Create(std::vector<CODComponent*>{body});
    diagram.AddChild(symbol);
    auto* label = new CODLabelComponent();
    label->Create(CRect(0, 0, 40, 10), nullptr);
    symbol->AddLabel(label);
    symbol->Rotate(900.0f, 50.0f, 50.0f, 100, 100);
    // A quarter turn stands the label on its end.
    EXPECT_NEAR(label->GetBounds().Width(), 10, 1);
    EXPECT_NEAR(label->GetBounds().Height(), 40, 1);
}

}  // namespace
