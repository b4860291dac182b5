#include "chartparts/CCurveText.h"
#include "engine/CODFillProperties.h"
#include "engine/CODFontProperties.h"
#include "engine/CODLineProperties.h"
#include "tests/support/DibCanvas.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);

std::unique_ptr<CCurveText> CurveIn(const CRect& rect, const std::string& text)
{
    auto curve = std::make_unique<CCurveText>();
    curve->Create(rect, nullptr);
    curve->SetText(text);
    return curve;
}

// Hides the ellipse, so only the characters leave ink.
void TextOnly(CCurveText& curve)
{
    CODLineProperties line;
    line.SetTransparent(1);
    CODFillProperties fill;
    fill.SetTransparent(1);
    curve.AddProperty(line);
    curve.AddProperty(fill);
}

TEST(CurveText, CurvePointsOfASquare)
{
    auto curve = std::make_unique<CCurveText>();
    curve->CreateCurve(0, 0, 200, 200);
    ASSERT_EQ(curve->GetPointCount(), CCurveText::kCurvePoints);
    struct Expected {
        int index;
        CPoint point;
    };
    for (const Expected& e : {Expected{0, {171, 171}}, Expected{1, {210, 132}}, Expected{3, {171, 29}},
                              Expected{6, {29, 29}}, Expected{9, {29, 171}}, Expected{12, {171, 171}}}) {
        SCOPED_TRACE(e.index);
        EXPECT_EQ(curve->GetPoint(e.index), e.point);
    }
    EXPECT_EQ(curve->ChordAngle(), 0);
    // The control points stick out beyond the ellipse; the bounds hold them all.
    EXPECT_EQ(curve->GetBounds(), CRect(-10, -10, 210, 210));
    EXPECT_EQ(CurveIn(CRect(0, 0, 200, 200), "x")->GetText(), "x");
    EXPECT_EQ(CCurveText().GetText(), "Curve Text");
}

TEST(CurveText, RotationTurnsTheChordAndTheTextRectBack)
{
    const auto curve = CurveIn(CRect(0, 0, 200, 200), "Arc");
    curve->Rotate(300.0f, 100.0f, 100.0f, 200, 200);
    EXPECT_NEAR(curve->ChordAngle(), 300, 3);
    const CRect text = curve->GetTextRect();
    EXPECT_NEAR(text.Width(), 220, 3);  // 1.098 x the width, upright again
    EXPECT_NEAR(text.Height(), 220, 3);
    // The chord angle stays in 0 .. 3599.
    curve->Rotate(-600.0f, 100.0f, 100.0f, 200, 200);
    EXPECT_NEAR(curve->ChordAngle(), 3300, 3);
}

TEST(CurveText, SetBoundsLeavesTheCurve)
{
    const auto curve = CurveIn(CRect(0, 0, 200, 200), "x");
    curve->SetBounds(CRect(0, 0, 50, 50));
    EXPECT_EQ(curve->GetBounds(), CRect(-10, -10, 210, 210));
}

TEST(CurveText, FirstCharacterSitsAtTheCircleLeftEnd)
{
    // Shifted into the canvas: the circle of radius r about the centre
    // starts at (centre x - r, centre y); the first cell, turned a quarter
    // turn counter-clockwise, lies right of that point and above it.
    struct Case {
        CRect rect;
        CPoint start;
    };
    const Case cases[] = {
        {CRect(100, 100, 300, 300), CPoint(90, 200)},   // r = 110
        {CRect(100, 100, 400, 200), CPoint(85, 150)},   // 300 x 100: r = 165, not the ellipse's
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start.x);
        quorrel_test::DibCanvas canvas(500, 400);
        const auto curve = CurveIn(c.rect, "W");
        TextOnly(*curve);
        curve->Draw(&canvas.DC());
        const RECT ink = canvas.InkBounds();
        EXPECT_GE(ink.left, c.start.x);
        EXPECT_LE(ink.left, c.start.x + 4);
        EXPECT_LE(ink.bottom, c.start.y + 2);
        EXPECT_GE(ink.bottom, c.start.y - 4);
        EXPECT_LT(ink.right, c.start.x + 20);
        EXPECT_GT(ink.top, c.start.y - 20);
    }
}

// An empty text, and a text while its editor shows it, draw only the ellipse:
// the letters, set just outside it, would reach beyond its left end.
TEST(CurveText, EmptyOrEditedTextDrawsOnlyTheEllipse)
{
    for (const bool bEditing : {false, true}) {
        SCOPED_TRACE(bEditing);
        quorrel_test::DibCanvas canvas(300, 300);
        const auto curve = CurveIn(CRect(50, 50, 250, 250), bEditing ? "Smith family" : "");
        curve->SetEditing(bEditing);
        curve->Draw(&canvas.DC());
        canvas.SaveIfAsked(bEditing ? "curve-editing" : "curve-empty");
        const RECT ink = canvas.InkBounds();
        EXPECT_NEAR(ink.left, 50, 1);
        EXPECT_NEAR(ink.right, 250, 2);
        EXPECT_GT(canvas.Count(CRect(48, 145, 53, 155), kBlack), 0);  // the outline at the left end
        EXPECT_EQ(canvas.Count(CRect(85, 85, 215, 215), kBlack), 0);  // nothing inside
    }
}

TEST(CurveText, SweepGrowsWithTheText)
{
    quorrel_test::DibCanvas canvas(10, 10);
    const auto curve = CurveIn(CRect(0, 0, 200, 200), "");
    // Nothing placed: the end is the start, a full turn from the chord.
    EXPECT_EQ(curve->MeasureSweep(&canvas.DC()), 3600);
    int previous = 0;
    for (const char* text : {"A", "Anne", "Anne Smith", "Anne Elisabeth Smith"}) {
        SCOPED_TRACE(text);
        curve->SetText(text);
        const int sweep = curve->MeasureSweep(&canvas.DC());
        EXPECT_GT(sweep, previous);
        EXPECT_LT(sweep, 1800);
        previous = sweep;
    }
}

TEST(CurveText, ALetterIsOneCharacterInEitherEncoding)
{
    // "M\u00fcller" in UTF-8 and in Windows-1252 sweep alike: the two bytes of
    // the UTF-8 letter are set as one character.
    quorrel_test::DibCanvas canvas(10, 10);
    const auto utf8 = CurveIn(CRect(0, 0, 200, 200), "M\xC3\xBCller");
    const auto latin = CurveIn(CRect(0, 0, 200, 200), "M\xFCller");
    EXPECT_EQ(utf8->MeasureSweep(&canvas.DC()), latin->MeasureSweep(&canvas.DC()));
}

TEST(CurveText, HandlesGrowTheCurveAsASquareStep)
{
    const auto curve = CurveIn(CRect(0, 0, 200, 200), "x");
    const std::array<CPoint, CCurveText::kHandleCount> handles = curve->GetHandles();
    EXPECT_EQ(handles[0], CPoint(100, -10));
    EXPECT_EQ(handles[1], CPoint(210, 100));
    EXPECT_EQ(handles[2], CPoint(100, 210));
    EXPECT_EQ(handles[3], CPoint(-10, 100));

    ASSERT_TRUE(curve->MoveHandle(1, 20, 0));
    CCurveText expected;
    expected.CreateCurve(0, 0, 220, 220);
    for (int i = 0; i < CCurveText::kCurvePoints; ++i)
        EXPECT_EQ(curve->GetPoint(i), expected.GetPoint(i)) << i;

    struct Drag {
        int handle;
        int dx;
        int dy;
        CRect rect;  // of the rebuilt curve's ellipse
    };
    const Drag drags[] = {
        {0, 0, 20, CRect(20, 20, 200, 200)},
        {2, 0, -50, CRect(0, 0, 150, 150)},
        {3, -30, 0, CRect(-30, -30, 200, 200)},
    };
    for (const Drag& d : drags) {
        SCOPED_TRACE(d.handle);
        const auto dragged = CurveIn(CRect(0, 0, 200, 200), "x");
        ASSERT_TRUE(dragged->MoveHandle(d.handle, d.dx, d.dy));
        CCurveText rebuilt;
        rebuilt.CreateCurve(d.rect.left, d.rect.top, d.rect.right, d.rect.bottom);
        EXPECT_EQ(dragged->GetBounds(), rebuilt.GetBounds());
    }
    // An edge dragged onto the opposite one is refused.
    const auto flat = CurveIn(CRect(0, 0, 200, 200), "x");
    EXPECT_FALSE(flat->MoveHandle(1, -200, 0));
    EXPECT_FALSE(flat->MoveHandle(4, 5, 5));
    EXPECT_EQ(flat->GetBounds(), CRect(-10, -10, 210, 210));
}

}  // namespace
