#include "engine/CODBoolProperty.h"
#include "engine/CODClosedCurveComponent.h"
#include "engine/CODCurveComponent.h"
#include "engine/CODEllipseComponent.h"
#include "engine/CODFillProperties.h"
#include "engine/CODFontProperties.h"
#include "engine/CODImageComponent.h"
#include "engine/CODIntProperty.h"
#include "engine/CODLineComponent.h"
#include "engine/CODLineProperties.h"
#include "engine/CODPolygonComponent.h"
#include "engine/CODRectComponent.h"
#include "engine/CODRulerComponent.h"
#include "engine/CODTextComponent.h"
#include "engine/PropertyIds.h"
#include "platform/CBitmap.h"
#include "platform/CBrush.h"
#include "tests/engine/TestArrowHead.h"
#include "tests/support/DibCanvas.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGreen = RGB(0, 160, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kRed = RGB(200, 0, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kOrange = RGB(255, 128, 0);
constexpr COLORREF kPale = RGB(200, 220, 255);

CODLineProperties Pen(COLORREF colour, int width)
{
    CODLineProperties pen;
    pen.SetColor(colour);
    pen.SetWidth(width);
    return pen;
}

CODFillProperties Fill(COLORREF colour, int style = 0)
{
    CODFillProperties fill;
    fill.SetColor(colour);
    fill.SetFillStyle(style);
    return fill;
}

// A picture with a magenta cross on an orange ground.
HBITMAP Picture()
{
    HBITMAP bitmap = CBitmap::CreateCompatibleBitmap(nullptr, 60, 40);
    CDC dc;
    const HBITMAP previous = dc.SelectObject(bitmap);
    dc.FillRect(RECT{0, 0, 60, 40}, CBrush::CreateSolidBrush(kOrange));
    dc.FillRect(RECT{25, 0, 35, 40}, CBrush::CreateSolidBrush(kMagenta));
    dc.FillRect(RECT{0, 15, 60, 25}, CBrush::CreateSolidBrush(kMagenta));
    dc.SelectObject(previous);
    return bitmap;
}

template <typename T>
T* Add(CODComponent& page, T* component)
{
    page.AddChild(component);
    return component;
}

class PrimitivePage : public ::testing::Test {
protected:
    PrimitivePage() : canvas(640, 480)
    {
        CODDrawing();
        page.Draw(&canvas.DC());
        canvas.SaveIfAsked("primitive-page");
        pixels = canvas.Pixels();
    }

    COLORREF At(int x, int y) const { return pixels[static_cast<std::size_t>(y * canvas.Width() + x)]; }
    int Count(const RECT& area, COLORREF colour) const
    {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                count += At(x, y) == colour ? 1 : 0;
        return count;
    }
    // Pixels in the area that are neither of the two colours.
    int Ink(const RECT& area, COLORREF ground, COLORREF frame) const
    {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                count += At(x, y) != ground && At(x, y) != frame ? 1 : 0;
        return count;
    }

    void CODDrawing()
    {
        // Texts in three alignments, a wrapped block and a turned box.
        const struct {
            int alignment;
            int left;
        } aligned[] = {{0, 20}, {1, 230}, {2, 440}};
        for (const auto& a : aligned) {
            auto* text = Add(page, new CODTextComponent());
            text->Create(CRect(a.left, 20, a.left + 180, 60), &canvas.DC());
            text->SetText(a.alignment == 0 ? "Left" : a.alignment == 1 ? "Centre" : "Right");
            text->AddProperty(CODIntProperty(OD_PROP_HORZ_ALIGNMENT, a.alignment));
            text->AddProperty(Pen(kNavy, 1));
        }
        auto* wrapped = Add(page, new CODTextComponent());
        wrapped->Create(CRect(20, 80, 180, 90), &canvas.DC());
        wrapped->SetText("Born 12 May 1850 in Springfield, Sangamon County, Illinois");
        wrapped->AddProperty(CODBoolProperty(OD_PROP_MULTILINE, 1));
        wrapped->AddProperty(CODBoolProperty(OD_PROP_WORDBREAK, 1));
        wrapped->AddProperty(CODIntProperty(OD_PROP_HORZ_ALIGNMENT, 0));
        wrapped->AddProperty(Fill(kPale));
        wrapped->SizeToText(CODTextComponent::kSizeGrow, &canvas.DC());
        wrappedBounds = wrapped->GetBounds();

        auto* turned = Add(page, new CODTextComponent());
        turned->Create(CRect(200, 120, 320, 150), &canvas.DC());
        turned->SetText("Turned");
        CODFontProperties font;
        font.SetFaceName("Arial");
        font.SetPointSize(14);
        font.SetColor(kRed);
        turned->AddProperty(font);
        turned->Rotate(-450, 260, 135, 1, 1);

        // Shapes.
        auto* ellipse = Add(page, new CODEllipseComponent());
        ellipse->Create(CRect(360, 90, 480, 170));
        ellipse->AddProperty(Fill(kGreen));
        auto* polygon = Add(page, new CODPolygonComponent());
        const POINT star[5] = {{540, 90}, {620, 120}, {600, 180}, {500, 180}, {490, 120}};
        polygon->Create(star, 5);
        CODFillProperties hatch = Fill(kBlue, 2);
        hatch.SetHatchStyle(4);
        hatch.SetBkMode(2);
        hatch.SetBkColor(kYellow);
        polygon->AddProperty(hatch);

        auto* curve = Add(page, new CODCurveComponent());
        const POINT wave[7] = {{20, 260}, {60, 200}, {100, 320}, {140, 260}, {180, 200}, {220, 320}, {260, 260}};
        curve->Create(wave, 7);
        curve->AddProperty(Pen(kBlue, 3));
        auto* closed = Add(page, new CODClosedCurveComponent());
        const POINT drop[4] = {{300, 300}, {260, 200}, {380, 200}, {300, 300}};
        closed->Create(drop, 4);
        closed->AddProperty(Fill(kYellow));
        closed->AddProperty(Pen(kBlack, 1));

        auto* line = Add(page, new CODLineComponent());
        line->Create(std::vector<POINT>{{420, 220}, {520, 220}, {520, 300}, {620, 300}});
        line->AddProperty(Pen(kRed, 2));
        line->AddProperty(Fill(kRed));
        line->SetSourceEndpoint(std::make_unique<quorrel_test::TestArrowHead>());
        line->SetTargetEndpoint(std::make_unique<quorrel_test::TestArrowHead>());
        lineStart = line->GetWorldPoint(0);
        lineEnd = line->GetWorldPoint(line->GetPointCount() - 1);

        // Pictures over a backdrop, opaque and transparent.
        auto* backdrop = Add(page, new CODRectComponent());
        backdrop->Create(20, 340, 320, 420);
        backdrop->AddProperty(Fill(kPale));
        const struct {
            int transparent;
            int x;
        } pictures[] = {{0, 60}, {1, 200}};
        for (const auto& p : pictures) {
            auto* image = Add(page, new CODImageComponent());
            image->Create(Picture(), p.transparent, kMagenta, &canvas.DC());
            image->MoveTo(p.x, 360);
        }

        auto* ruler = Add(page, new CODRulerComponent());
        ruler->Create(CRect(340, 440, 640, 470));
        ruler->AddProperty(CODIntProperty(OD_PROP_RULER_SPACING, 100));
        ruler->AddProperty(Fill(RGB(192, 192, 192)));
    }

    quorrel_test::DibCanvas canvas;
    CODComponent page;
    std::vector<COLORREF> pixels;
    CRect wrappedBounds;
    CPoint lineStart;
    CPoint lineEnd;
};

TEST_F(PrimitivePage, TextsSitWhereTheirAlignmentSays)
{
    // Left, centre and right: ink near the left, middle and right of each box.
    EXPECT_GT(Ink(RECT{22, 22, 80, 58}, kWhite, kNavy), 10);
    EXPECT_EQ(Ink(RECT{120, 22, 198, 58}, kWhite, kNavy), 0);
    EXPECT_GT(Ink(RECT{290, 22, 350, 58}, kWhite, kNavy), 10);
    EXPECT_EQ(Ink(RECT{232, 22, 270, 58}, kWhite, kNavy), 0);
    EXPECT_GT(Ink(RECT{560, 22, 618, 58}, kWhite, kNavy), 10);
    EXPECT_EQ(Ink(RECT{442, 22, 520, 58}, kWhite, kNavy), 0);

    EXPECT_EQ(wrappedBounds.Width(), 160) << "wrapped to its width";
    EXPECT_GT(wrappedBounds.Height(), 3 * 15);
    EXPECT_EQ(At(wrappedBounds.right - 3, wrappedBounds.bottom - 3), kPale);

    // The turned text runs up to the right: red ink both low-left and high-right of the centre.
    EXPECT_GT(Count(RECT{205, 135, 255, 175}, kRed) + Ink(RECT{205, 135, 255, 175}, kWhite, kBlack), 10);
    EXPECT_GT(Count(RECT{265, 95, 315, 135}, kRed) + Ink(RECT{265, 95, 315, 135}, kWhite, kBlack), 10);
}

TEST_F(PrimitivePage, ShapesFillAndOutlineAsTheirPropertiesSay)
{
    EXPECT_EQ(At(420, 130), kGreen) << "ellipse interior";
    EXPECT_EQ(At(362, 92), kWhite) << "outside the ellipse's curve";
    const int blue = Count(RECT{520, 130, 580, 170}, kBlue);
    EXPECT_GT(blue, 100) << "cross hatch";
    EXPECT_EQ(blue + Count(RECT{520, 130, 580, 170}, kYellow), 60 * 40) << "hatch gaps in the background colour";
    EXPECT_EQ(At(310, 250), kYellow) << "closed curve filled";
    EXPECT_GT(Count(RECT{15, 200, 265, 320}, kBlue), 300) << "the curve";
    EXPECT_EQ(At(60, 200), kWhite) << "a curve only passes near its control points";
    EXPECT_GT(Count(RECT{480, 210, 500, 230}, kRed), 10) << "the line";
    EXPECT_EQ(At(lineEnd.x - 4, lineEnd.y), kRed) << "the target arrow head";
    EXPECT_EQ(At(lineEnd.x - 9, lineEnd.y + 3), kRed);
    EXPECT_EQ(At(lineEnd.x - 9, lineEnd.y - 3), kRed);
    EXPECT_EQ(At(lineStart.x + 9, lineStart.y - 3), kRed) << "the source arrow head";
    EXPECT_EQ(At(lineStart.x + 9, lineStart.y + 3), kRed);
    EXPECT_EQ(At(lineStart.x - 3, lineStart.y), kWhite) << "nothing beyond the end";
    EXPECT_GT(Count(RECT{340, 440, 640, 470}, kBlack), 50) << "ruler ticks and numbers";
}

TEST_F(PrimitivePage, PicturesAreOpaqueOrLetTheBackdropThrough)
{
    EXPECT_EQ(At(65, 365), kOrange);
    EXPECT_EQ(At(90, 380), kMagenta) << "opaque picture paints its magenta";
    EXPECT_EQ(At(205, 365), kOrange);
    EXPECT_EQ(At(230, 380), kPale) << "transparent picture leaves the backdrop";
    EXPECT_EQ(Count(RECT{200, 360, 260, 400}, kMagenta), 0);
}

// A band as narrow as the view's vertical ruler still shows a four-digit
// number whole: its digits stand one under the other.
TEST(RulerNumbers, FourDigitsFitAcrossANarrowBand)
{
    constexpr int kBand = 17;
    quorrel_test::DibCanvas canvas(60, 200);
    CODRulerComponent ruler;
    ruler.Create(CRect(0, 0, kBand, 200));
    ruler.AddProperty(CODIntProperty(OD_PROP_RULER_ORIGIN, 1000));
    ruler.AddProperty(CODIntProperty(OD_PROP_RULER_SPACING, 100));
    ruler.Draw(&canvas.DC());
    const COLORREF white = RGB(255, 255, 255);
    EXPECT_EQ(canvas.Count(RECT{kBand + 1, 0, 60, 200}, white), (60 - kBand - 1) * 200) << "nothing beyond the band";
    // "1000" takes four rows of text below its tick.
    EXPECT_LT(canvas.Count(RECT{1, 40, kBand - 2, 50}, white), (kBand - 3) * 10);
}

}  // namespace

