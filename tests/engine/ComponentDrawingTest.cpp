#include "engine/CODComponent.h"
#include "engine/CODFillProperties.h"
#include "engine/CODFontProperties.h"
#include "engine/CODLineProperties.h"
#include "engine/CODPatternImage.h"
#include "engine/ODHelpers.h"
#include "engine/TransformStack.h"
#include "platform/CBitmap.h"
#include "platform/CBrush.h"
#include "platform/CDC.h"
#include "platform/CFont.h"
#include "platform/CPen.h"
#include "tests/support/DibCanvas.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kGreen = RGB(0, 160, 0);

// A rectangle in its own coordinates, drawn as a polygon with the pen and
// brush the component selected.
class Box : public CODComponent {
public:
    explicit Box(const CRect& rect) : m_rect(rect) {}

    void OnDraw(CDC* pDC) override
    {
        POINT corners[4];
        WorldCorners(corners);
        pDC->Polygon(corners, 4);
        CODComponent::OnDraw(pDC);
    }
    void UpdateBounds(CDC*) override
    {
        PushTransform();
        POINT corners[4];
        WorldCorners(corners);
        PopTransform();
        m_boundsRegion.Clear();
        m_boundsRegion.AddPolygon(corners, 4);
        m_rcBounds = m_boundsRegion.GetBoundingRect();
    }

private:
    void WorldCorners(POINT* corners) const
    {
        corners[0] = {m_rect.left, m_rect.top};
        corners[1] = {m_rect.right, m_rect.top};
        corners[2] = {m_rect.right, m_rect.bottom};
        corners[3] = {m_rect.left, m_rect.bottom};
        if (const CODTransform* t = TransformStack::Top())
            t->TransformPoints(corners, 4);
    }

    CRect m_rect;
};

// Text at a point, remembering the font and colour it was drawn with.
class Caption : public CODComponent {
public:
    Caption(int x, int y, std::string text) : m_x(x), m_y(y), m_text(std::move(text)) {}

    void OnDraw(CDC* pDC) override
    {
        POINT at{m_x, m_y};
        if (const CODTransform* t = TransformStack::Top())
            t->TransformPoints(&at, 1);
        m_font = pDC->GetCurrentFont()->GetLogFont();
        m_colour = pDC->GetTextColor();
        pDC->SetBkMode(TRANSPARENT);
        pDC->TextOut(at.x, at.y, m_text);
    }

    LOGFONT m_font;
    COLORREF m_colour = 0;

private:
    int m_x;
    int m_y;
    std::string m_text;
};

// A 2 x 2 checker of red and white.
class Checker : public CODPatternImage {
public:
    HBITMAP MakeBitmap(CDC*) const override
    {
        HBITMAP bitmap = CBitmap::CreateCompatibleBitmap(nullptr, 2, 2);
        CDC dc;
        HBITMAP previous = dc.SelectObject(bitmap);
        dc.FillRect(RECT{0, 0, 2, 2}, CBrush::CreateSolidBrush(kWhite));
        dc.SetPixel(0, 0, kRed);
        dc.SetPixel(1, 1, kRed);
        dc.SelectObject(previous);
        return bitmap;
    }
};

template <typename Property>
Property With(void (Property::*setter)(COLORREF), COLORREF colour)
{
    Property property;
    (property.*setter)(colour);
    return property;
}

TEST(ComponentDrawing, ATreeDrawsWithTheNearestPropertiesOfEachComponent)
{
    quorrel_test::DibCanvas canvas(240, 140);
    CODComponent root;
    root.AddProperty(With(&CODLineProperties::SetColor, kBlue));
    root.AddProperty(With(&CODFillProperties::SetColor, kYellow));
    CODFontProperties font;
    font.SetFaceName("Arial");
    font.SetPointSize(20);
    font.SetColor(kGreen);
    root.AddProperty(font);

    auto* own = new Box(CRect(10, 10, 50, 50));  // own fill, inherited outline
    own->AddProperty(With(&CODFillProperties::SetColor, kRed));
    root.AddChild(own);

    auto* group = new CODComponent();  // moved as a whole
    auto* inherited = new Box(CRect(10, 10, 50, 50));
    auto* caption = new Caption(10, 60, "Quorrel");
    group->AddChild(inherited);
    group->AddChild(caption);
    root.AddChild(group);
    group->Translate(60, 0);

    auto* hidden = new Box(CRect(130, 10, 170, 50));
    hidden->SetVisible(0);
    root.AddChild(hidden);

    auto* outline = new Box(CRect(180, 10, 220, 50));  // hollow, thick red outline
    CODFillProperties hollow;
    hollow.SetFillStyle(1);
    outline->AddProperty(hollow);
    CODLineProperties thick;
    thick.SetColor(kRed);
    thick.SetWidth(3);
    outline->AddProperty(thick);
    root.AddChild(outline);

    root.Draw(&canvas.DC());
    canvas.SaveIfAsked("component-tree");

    EXPECT_EQ(canvas.Pixel(30, 30), kRed);
    EXPECT_EQ(canvas.Pixel(10, 30), kBlue);
    EXPECT_EQ(canvas.Pixel(90, 30), kYellow);
    EXPECT_EQ(canvas.Pixel(70, 30), kBlue);
    EXPECT_EQ(canvas.Pixel(110, 30), kBlue);
    EXPECT_EQ(canvas.Count(RECT{125, 5, 175, 55}, kWhite), 50 * 50) << "invisible";
    EXPECT_EQ(canvas.Pixel(200, 30), kWhite);
    EXPECT_EQ(canvas.Pixel(180, 30), kRed);
    EXPECT_EQ(canvas.Pixel(181, 30), kRed);

    // The caption has no font of its own: the root's, in the root's colour.
    EXPECT_STREQ(caption->m_font.lfFaceName, "Arial");
    EXPECT_EQ(caption->m_font.lfHeight, -PointsToLogical(20));
    EXPECT_EQ(caption->m_colour, kGreen);
    EXPECT_GT(canvas.Count(RECT{70, 60, 240, 100}, kGreen), 20);
    EXPECT_EQ(canvas.Count(RECT{0, 60, 70, 100}, kGreen), 0) << "moved with its group";

    // Drawing leaves the context as it was.
    EXPECT_EQ(canvas.DC().GetCurrentPen(), CPen::GetStockPen(BLACK_PEN));
    EXPECT_EQ(canvas.DC().GetTextColor(), RGB(0, 0, 0));
}

TEST(ComponentDrawing, FillStylesPaintAsTheirPropertiesSay)
{
    quorrel_test::DibCanvas canvas(200, 60);
    CODComponent root;
    CODLineProperties none;
    none.SetTransparent(1);
    root.AddProperty(none);

    auto* noPicture = new Box(CRect(0, 0, 40, 40));  // pattern without a picture paints solid
    CODFillProperties pattern;
    pattern.SetColor(RGB(0, 200, 200));
    pattern.SetFillStyle(3);
    noPicture->AddProperty(pattern);
    root.AddChild(noPicture);

    auto* picture = new Box(CRect(50, 0, 90, 40));
    pattern.SetPatternImage(std::make_shared<Checker>());
    picture->AddProperty(pattern);
    root.AddChild(picture);

    auto* hatched = new Box(CRect(100, 0, 140, 40));
    CODFillProperties hatch;
    hatch.SetColor(kBlue);
    hatch.SetFillStyle(2);
    hatch.SetHatchStyle(4);
    hatch.SetBkMode(2);
    hatch.SetBkColor(kYellow);
    hatched->AddProperty(hatch);
    root.AddChild(hatched);

    root.Draw(&canvas.DC());
    canvas.SaveIfAsked("fill-styles");

    EXPECT_EQ(canvas.Count(RECT{1, 1, 39, 39}, RGB(0, 200, 200)), 38 * 38);
    const int red = canvas.Count(RECT{51, 1, 89, 39}, kRed);
    EXPECT_EQ(red + canvas.Count(RECT{51, 1, 89, 39}, kWhite), 38 * 38);
    EXPECT_NEAR(red, 38 * 38 / 2, 38);
    const int blue = canvas.Count(RECT{101, 1, 139, 39}, kBlue);
    EXPECT_GT(blue, 100);
    EXPECT_EQ(blue + canvas.Count(RECT{101, 1, 139, 39}, kYellow), 38 * 38) << "gaps in the background colour";
}

}  // namespace
