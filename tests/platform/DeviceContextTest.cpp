#include "platform/CBrush.h"
#include "platform/CDC.h"
#include "platform/CPen.h"
#include "platform/CRgn.h"
#include "tests/support/DibCanvas.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);

TEST(DeviceContext, PolygonIsOutlinedWithThePenAndFilledWithTheBrush)
{
    quorrel_test::DibCanvas canvas(40, 40);
    CDC& dc = canvas.DC();
    HPEN oldPen = dc.SelectObject(CPen::CreatePen(PS_SOLID, 1, kRed));
    HBRUSH oldBrush = dc.SelectObject(CBrush::CreateSolidBrush(kBlue));
    EXPECT_EQ(oldPen, CPen::GetStockPen(BLACK_PEN));
    EXPECT_EQ(oldBrush, CBrush::GetStockBrush(WHITE_BRUSH));
    const POINT square[] = {{10, 10}, {30, 10}, {30, 30}, {10, 30}};
    ASSERT_TRUE(dc.Polygon(square, 4));
    canvas.SaveIfAsked("polygon");

    EXPECT_EQ(canvas.Pixel(20, 20), kBlue);
    for (const POINT& edge : {POINT{10, 20}, POINT{30, 20}, POINT{20, 10}, POINT{20, 30}})
        EXPECT_EQ(canvas.Pixel(edge.x, edge.y), kRed) << edge.x << "," << edge.y;
    EXPECT_EQ(canvas.Pixel(31, 20), kWhite);
    EXPECT_EQ(canvas.Pixel(20, 9), kWhite);
    EXPECT_EQ(canvas.Count(RECT{11, 11, 30, 30}, kBlue), 19 * 19);

    // A hollow brush and a null pen draw nothing.
    dc.SelectObject(CPen::GetStockPen(NULL_PEN));
    dc.SelectObject(CBrush::GetStockBrush(HOLLOW_BRUSH));
    const POINT other[] = {{0, 0}, {8, 0}, {8, 8}, {0, 8}};
    dc.Polygon(other, 4);
    EXPECT_EQ(canvas.Count(RECT{0, 0, 9, 9}, kWhite), 81);
}

TEST(DeviceContext, WidePensAndRectanglesKeepGdiExtents)
{
    quorrel_test::DibCanvas canvas(40, 40);
    CDC& dc = canvas.DC();
    dc.SelectObject(CPen::GetStockPen(NULL_PEN));
    dc.SelectObject(CBrush::CreateSolidBrush(kGreen));
    // Without a pen the filled area is one smaller on the right and bottom.
    dc.Rectangle(0, 0, 10, 10);
    EXPECT_EQ(canvas.Count(RECT{0, 0, 12, 12}, kGreen), 81);
    dc.FillRect(RECT{20, 20, 30, 25}, CBrush::CreateSolidBrush(kRed));
    EXPECT_EQ(canvas.Count(RECT{0, 0, 40, 40}, kRed), 50);

    dc.SelectObject(CPen::CreatePen(PS_SOLID, 5, kBlue));
    dc.MoveTo(5, 35);
    dc.LineTo(35, 35);
    EXPECT_EQ(canvas.Pixel(20, 33), kBlue);
    EXPECT_EQ(canvas.Pixel(20, 37), kBlue);
    EXPECT_EQ(canvas.Pixel(20, 38), kWhite);
}

// Runs of equal colour along one row.
std::vector<std::pair<COLORREF, int>> Runs(const quorrel_test::DibCanvas& canvas, int y, int from, int to)
{
    std::vector<std::pair<COLORREF, int>> runs;
    for (int x = from; x < to; ++x) {
        const COLORREF colour = canvas.Pixel(x, y);
        if (runs.empty() || runs.back().first != colour)
            runs.push_back({colour, 0});
        ++runs.back().second;
    }
    return runs;
}

TEST(DeviceContext, DashedLinesAlternateWithTheBackgroundModeFillingTheGaps)
{
    for (int mode : {TRANSPARENT, OPAQUE}) {
        quorrel_test::DibCanvas canvas(80, 10);
        CDC& dc = canvas.DC();
        dc.SelectObject(CPen::CreatePen(PS_DASH, 1, kBlack));
        dc.SetBkMode(mode);
        dc.SetBkColor(kGreen);
        dc.MoveTo(0, 5);
        dc.LineTo(79, 5);
        const auto runs = Runs(canvas, 5, 0, 72);
        ASSERT_GE(runs.size(), 5u);
        const COLORREF gap = mode == OPAQUE ? kGreen : kWhite;
        for (std::size_t i = 0; i + 1 < runs.size(); ++i) {
            EXPECT_EQ(runs[i].first, i % 2 ? gap : kBlack) << i;
            EXPECT_NEAR(runs[i].second, i % 2 ? 6 : 18, 1) << i;
        }
        EXPECT_EQ(canvas.Count(RECT{0, 0, 80, 5}, kWhite), 80 * 5);
    }
}

TEST(DeviceContext, BezierCurvePassesThroughItsMidpoint)
{
    quorrel_test::DibCanvas canvas(120, 60);
    CDC& dc = canvas.DC();
    // From (10, 50) with controls (10, 2) and (110, 2) to (110, 50): at t = 0.5
    // the curve is at (60, 14).
    const POINT curve[] = {{10, 50}, {10, 2}, {110, 2}, {110, 50}};
    ASSERT_TRUE(dc.PolyBezier(curve, 4));
    EXPECT_FALSE(dc.PolyBezier(curve, 3));
    canvas.SaveIfAsked("bezier");
    EXPECT_EQ(canvas.Count(RECT{59, 13, 62, 16}, kBlack) > 0, true);
    EXPECT_EQ(canvas.Pixel(60, 30), kWhite);  // not filled
    EXPECT_EQ(canvas.Pixel(60, 5), kWhite);   // never reaches the controls
    const RECT ink = canvas.InkBounds();
    EXPECT_NEAR(ink.left, 10, 1);
    EXPECT_NEAR(ink.right, 111, 1);
    EXPECT_NEAR(ink.top, 14, 1);
}

TEST(DeviceContext, NotXorPenDrawsARubberBandThatASecondPassErases)
{
    quorrel_test::DibCanvas canvas(20, 20);
    CDC& dc = canvas.DC();
    dc.FillRect(RECT{0, 0, 10, 20}, CBrush::CreateSolidBrush(kBlue));
    EXPECT_EQ(dc.SetROP2(R2_NOTXORPEN), R2_COPYPEN);
    for (int pass = 0; pass < 2; ++pass) {
        dc.MoveTo(0, 10);
        dc.LineTo(19, 10);
        if (pass == 0) {
            EXPECT_EQ(canvas.Pixel(5, 10), RGB(255, 255, 0)) << "blue inverted";
            EXPECT_EQ(canvas.Pixel(15, 10), kBlack);
        }
    }
    EXPECT_EQ(canvas.Pixel(5, 10), kBlue);
    EXPECT_EQ(canvas.Pixel(15, 10), kWhite);
}

TEST(DeviceContext, PathsAreStrokedAndFilledOnce)
{
    quorrel_test::DibCanvas canvas(40, 40);
    CDC& dc = canvas.DC();
    dc.SelectObject(CPen::CreatePen(PS_SOLID, 1, kRed));
    dc.SelectObject(CBrush::CreateSolidBrush(kBlue));
    ASSERT_TRUE(dc.BeginPath());
    const POINT triangle[] = {{5, 5}, {35, 5}, {20, 35}};
    dc.Polygon(triangle, 3);
    EXPECT_EQ(canvas.Count(RECT{0, 0, 40, 40}, kWhite), 1600) << "recorded, not drawn";
    ASSERT_TRUE(dc.EndPath());
    ASSERT_TRUE(dc.StrokeAndFillPath());
    EXPECT_EQ(canvas.Pixel(20, 15), kBlue);
    EXPECT_EQ(canvas.Pixel(20, 5), kRed);
    EXPECT_FALSE(dc.StrokePath()) << "the path is used up";
}

TEST(DeviceContext, ClipRegionsLimitDrawingAndNestWithSaveDC)
{
    quorrel_test::DibCanvas canvas(40, 40);
    CDC& dc = canvas.DC();
    const HBRUSH red = CBrush::CreateSolidBrush(kRed);
    const int saved = dc.SaveDC();
    HRGN square = CRgn::CreateRectRgn(10, 10, 20, 20);
    EXPECT_EQ(dc.SelectClipRgn(square.get()), SIMPLEREGION);
    const POINT triangle[] = {{0, 0}, {30, 0}, {0, 30}};
    HRGN diagonal = CRgn::CreatePolygonRgn(triangle, 3, WINDING);
    EXPECT_EQ(dc.ExtSelectClipRgn(diagonal.get(), RGN_AND), COMPLEXREGION);
    RECT box;
    dc.GetClipBox(&box);
    EXPECT_EQ(box.left, 10);
    EXPECT_EQ(box.bottom, 20);
    dc.FillRect(RECT{0, 0, 40, 40}, red);
    canvas.SaveIfAsked("clip");
    EXPECT_EQ(canvas.Pixel(11, 11), kRed);
    EXPECT_EQ(canvas.Pixel(18, 18), kWhite) << "outside the triangle";
    EXPECT_EQ(canvas.Pixel(5, 5), kWhite);
    EXPECT_EQ(canvas.Pixel(20, 12), kWhite);
    EXPECT_EQ(dc.GetPixel(5, 5), CLR_INVALID) << "clipped away";

    ASSERT_TRUE(dc.RestoreDC(saved));
    EXPECT_FALSE(dc.RestoreDC(saved)) << "a level is restored once";
    dc.FillRect(RECT{0, 0, 5, 5}, red);
    EXPECT_EQ(canvas.Pixel(2, 2), kRed);
}

TEST(DeviceContext, SaveDCNestsAttributesAndSelections)
{
    CDC dc;
    const HPEN first = CPen::CreatePen(PS_DOT, 0, kRed);
    dc.SelectObject(first);
    dc.SetTextColor(kBlue);
    const int outer = dc.SaveDC();
    dc.SelectObject(CPen::GetStockPen(WHITE_PEN));
    dc.SetMapMode(MM_ANISOTROPIC);
    const int inner = dc.SaveDC();
    EXPECT_EQ(inner, outer + 1);
    dc.SetTextColor(kGreen);
    ASSERT_TRUE(dc.RestoreDC(-1));
    EXPECT_EQ(dc.GetTextColor(), kBlue);
    EXPECT_EQ(dc.GetMapMode(), MM_ANISOTROPIC);
    ASSERT_TRUE(dc.RestoreDC(outer));
    EXPECT_EQ(dc.GetCurrentPen(), first);
    EXPECT_EQ(dc.GetMapMode(), MM_TEXT);
    EXPECT_FALSE(dc.RestoreDC(-1));
}

TEST(DeviceContext, MappingModesConvertBetweenLogicalAndDeviceUnits)
{
    CDC dc;
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSX), 96);
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSY), 96);

    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1, 1);
    dc.SetViewportExt(2, 3);
    dc.SetWindowOrg(100, 50);
    dc.SetViewportOrg(10, 0);
    POINT points[] = {{100, 50}, {110, 60}, {-5, -5}};
    ASSERT_TRUE(dc.LPtoDP(points, 3));
    EXPECT_EQ(points[0].x, 10);
    EXPECT_EQ(points[1].x, 30);
    EXPECT_EQ(points[1].y, 30);
    EXPECT_EQ(points[2].x, -200);
    ASSERT_TRUE(dc.DPtoLP(points, 3));
    EXPECT_EQ(points[1].x, 110);
    EXPECT_EQ(points[2].y, -5);

    // A 4:1 window on a 1:1 viewport: device = logical / 4, rounded.
    dc.SetViewportOrg(0, 0);
    dc.SetWindowOrg(0, 0);
    dc.SetWindowExt(4, 4);
    dc.SetViewportExt(1, 1);
    POINT quarter{6, -6};
    dc.LPtoDP(&quarter, 1);
    EXPECT_EQ(quarter.x, 2);  // 1.5 rounds away from zero
    EXPECT_EQ(quarter.y, -2);

    // Thousandths of an inch, y upward; extents are fixed in this mode.
    dc.SetMapMode(MM_HIENGLISH);
    dc.SetWindowExt(7, 7);
    POINT inch{1000, -2000};
    dc.LPtoDP(&inch, 1);
    EXPECT_EQ(inch.x, 96);
    EXPECT_EQ(inch.y, 192);
}

TEST(DeviceContext, DrawingFollowsTheMapping)
{
    quorrel_test::DibCanvas canvas(40, 40);
    CDC& dc = canvas.DC();
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1, 1);
    dc.SetViewportExt(2, 2);
    dc.SetWindowOrg(5, 5);
    dc.FillRect(RECT{5, 5, 10, 8}, CBrush::CreateSolidBrush(kRed));
    EXPECT_EQ(canvas.Count(RECT{0, 0, 40, 40}, kRed), 10 * 6);
    EXPECT_EQ(canvas.Pixel(9, 5), kRed);
    EXPECT_EQ(dc.GetPixel(9, 7), kRed);  // logical (9, 7) is device (8, 4)
}

}  // namespace
