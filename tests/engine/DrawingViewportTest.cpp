#include "engine/CODDrawingViewport.h"
#include "engine/CODFillProperties.h"
#include "engine/CODModel.h"
#include "engine/CODRectComponent.h"
#include "engine/PropertyIds.h"
#include "platform/CDC.h"
#include "tests/support/DibCanvas.h"
#include "tests/engine/TestPages.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kCream = RGB(250, 240, 200);
constexpr COLORREF kBlue = RGB(0, 0, 255);

CODRectComponent* AddFilledRect(CODModel& model, const CRect& rect, COLORREF colour)
{
    auto* shape = new CODRectComponent();
    shape->Create(rect);
    CODFillProperties fill;
    fill.SetColor(colour);
    shape->AddProperty(fill);
    model.AddChild(shape);
    return shape;
}

TEST(DrawingViewport, MagnificationIsAppliedOnlyWithinTheLimits)
{
    struct Case {
        int x;
        int y;
        bool accepted;
    };
    const Case cases[] = {
        {5, 5, true}, {1500, 1500, true}, {75, 75, true}, {200, 50, true},
        {4, 100, false}, {100, 1501, false}, {0, 0, false}, {-100, 100, false},
    };
    for (const Case& c : cases) {
        CODDrawingViewport viewport;
        ASSERT_TRUE(viewport.SetMagnification(300, 300));
        EXPECT_EQ(viewport.SetMagnification(c.x, c.y), c.accepted) << c.x << " x " << c.y;
        const CSize now = viewport.GetMagnification();
        EXPECT_EQ(now.cx, c.accepted ? c.x : 300) << c.x;
        EXPECT_EQ(now.cy, c.accepted ? c.y : 300) << c.y;
    }
}

TEST(DrawingViewport, PreparedContextScalesByTheZoomFromTheScrollOrigin)
{
    CODDrawingViewport viewport;
    ASSERT_TRUE(viewport.SetMagnification(200, 50));
    viewport.SetScrollPosition(CPoint(100, 40));
    CDC dc;
    viewport.OnPrepareDC(&dc);
    POINT points[2] = {{100, 40}, {150, 240}};
    dc.LPtoDP(points, 2);
    EXPECT_EQ(points[0].x, 0);
    EXPECT_EQ(points[0].y, 0);
    EXPECT_EQ(points[1].x, 100);
    EXPECT_EQ(points[1].y, 100);
}

TEST(DrawingViewport, FillTilesCoverTheRectangleRowByRow)
{
    struct Case {
        CRect rect;
        std::vector<CRect> tiles;
    };
    const Case cases[] = {
        {CRect(0, 0, 15999, 15999), {CRect(0, 0, 15999, 15999)}},
        {CRect(0, 0, 20000, 5000), {CRect(0, 0, 16000, 5000), CRect(16000, 0, 20000, 5000)}},
        {CRect(0, 0, 17000, 33000),
         {CRect(0, 0, 16000, 16000), CRect(16000, 0, 17000, 16000), CRect(0, 16000, 16000, 32000),
          CRect(16000, 16000, 17000, 32000), CRect(0, 32000, 16000, 33000), CRect(16000, 32000, 17000, 33000)}},
        {CRect(10, 10, 10, 500), {}},
    };
    for (const Case& c : cases) {
        const std::vector<CRect> tiles = CODDrawingViewport::FillTiles(c.rect);
        ASSERT_EQ(tiles.size(), c.tiles.size()) << c.rect.right << " x " << c.rect.bottom;
        for (std::size_t i = 0; i < tiles.size(); ++i)
            EXPECT_EQ(tiles[i], c.tiles[i]) << "tile " << i;
    }
}

TEST(DrawingViewport, PagesComeFromThePaperLessBothMargins)
{
    struct Case {
        std::uint32_t units;
        SIZE paper;
        RECT minimum;
        RECT margins;
        CSize page;
    };
    const Case cases[] = {
        // 10 x 8 inches printable: 960 x 768 pixels.
        {CODPageSettings::kThousandthsOfInches, {11000, 9000}, {0, 0, 0, 0}, {500, 500, 500, 500}, CSize(960, 768)},
        // The unprintable edge counts as well: 190 x 277 mm.
        {CODPageSettings::kHundredthsOfMillimeters, {21000, 29700}, {500, 500, 500, 500}, {500, 500, 500, 500},
         CSize(718, 1047)},
        // Margins wider than the paper leave no page.
        {CODPageSettings::kThousandthsOfInches, {1000, 9000}, {0, 0, 0, 0}, {500, 0, 500, 0}, CSize(0, 0)},
    };
    for (const Case& c : cases) {
        CODModel model;
        CODPageSettings& settings = model.GetPageSettings();
        settings.SetUnits(c.units);
        settings.SetPaperSize(c.paper);
        settings.SetMinMargins(c.minimum);
        settings.SetMargins(c.margins);
        model.SetSize(2500, 1000);
        CODDrawingViewport viewport;
        viewport.SetModel(&model);
        EXPECT_EQ(viewport.GetPageSize(), c.page) << c.paper.cx;
        EXPECT_EQ(viewport.GetPageCount() == 0, c.page.cx == 0);
    }
}

TEST(DrawingViewport, PagesRunLeftToRightThenDown)
{
    CODModel model;
    test_pages::SetPaper(model.GetPageSettings(), SIZE{11000, 9000}, RECT{500, 500, 500, 500});
    model.SetSize(2500, 1000);
    CODDrawingViewport viewport;
    viewport.SetModel(&model);
    ASSERT_EQ(viewport.GetPageCount(), 6);
    EXPECT_EQ(viewport.GetPageRect(1), CRect(0, 0, 960, 768));
    EXPECT_EQ(viewport.GetPageRect(3), CRect(1920, 0, 2880, 768));
    EXPECT_EQ(viewport.GetPageRect(4), CRect(0, 768, 960, 1536));
    EXPECT_EQ(viewport.GetPageRect(6), CRect(1920, 768, 2880, 1536));
    EXPECT_TRUE(viewport.GetPageRect(0).IsRectNull());
    EXPECT_TRUE(viewport.GetPageRect(7).IsRectNull());
}

// A 60 x 40 canvas at (0, 0) drawn into a 100 x 60 window: grey outside,
// the background colour inside, the component over it, handles around it.
TEST(DrawingViewport, DrawPaintsOutsideCanvasComponentsAndHandles)
{
    CODModel model;
    model.SetSize(60, 40);
    model.SetBackgroundColor(kCream);
    CODRectComponent* shape = AddFilledRect(model, CRect(20, 10, 40, 30), kBlue);
    CODDrawingViewport viewport;
    viewport.SetModel(&model);
    viewport.m_bGridVisible = false;
    viewport.SetSelection({shape});
    quorrel_test::DibCanvas canvas(100, 60);
    viewport.OnPrepareDC(&canvas.DC());
    viewport.Draw(&canvas.DC(), CRect(0, 0, 100, 60));
    canvas.SaveIfAsked("viewport_draw");

    EXPECT_EQ(canvas.Pixel(80, 50), kGrey);
    EXPECT_EQ(canvas.Pixel(5, 5), kCream);
    EXPECT_EQ(canvas.Pixel(30, 20), kBlue);
    // The primary selection's handle at the top-left corner: a light-grey square.
    EXPECT_EQ(canvas.Pixel(20 - 3, 10 - 3), RGB(0, 0, 0));
    EXPECT_EQ(canvas.Pixel(19, 9), RGB(192, 192, 192));
}

TEST(DrawingViewport, GridPutsOnePixelAtEveryIntersection)
{
    CODModel model;
    model.SetSize(60, 40);
    CODDrawingViewport viewport;
    viewport.SetModel(&model);
    viewport.m_bPagesVisible = false;
    quorrel_test::DibCanvas canvas(60, 40);
    viewport.OnPrepareDC(&canvas.DC());
    viewport.Draw(&canvas.DC(), CRect(0, 0, 60, 40));
    // An eighth of an inch is 12 pixels: columns 0, 12, ... 48 and rows 0 ... 36.
    EXPECT_EQ(canvas.Count(RECT{0, 0, 60, 40}, RGB(0, 0, 0)), 5 * 4);
    EXPECT_EQ(canvas.Pixel(12, 24), RGB(0, 0, 0));
    EXPECT_EQ(canvas.Pixel(13, 24), RGB(255, 255, 255));
}

TEST(DrawingViewport, PageBoundariesAreDashedLinesAtEveryPageEdgeOnTheScreen)
{
    CODModel model;
    // 40 x 30 pixels a page.
    test_pages::SetPaper(model.GetPageSettings(), SIZE{417, 313});
    model.SetSize(100, 70);
    CODDrawingViewport viewport;
    viewport.SetModel(&model);
    viewport.m_bGridVisible = false;
    ASSERT_EQ(viewport.GetPageSize(), CSize(40, 30));
    quorrel_test::DibCanvas canvas(100, 70);
    viewport.OnPrepareDC(&canvas.DC());
    viewport.Draw(&canvas.DC(), CRect(0, 0, 100, 70));
    constexpr COLORREF kBlack = RGB(0, 0, 0);
    for (const RECT& line : {RECT{40, 0, 41, 70}, RECT{80, 0, 81, 70}, RECT{0, 30, 100, 31}, RECT{0, 60, 100, 61}}) {
        const int inked = canvas.Count(line, kBlack);
        // Dashed: partly inked.
        EXPECT_GT(inked, 0) << line.left << "," << line.top;
        EXPECT_LT(inked, (line.right - line.left) * (line.bottom - line.top)) << line.left << "," << line.top;
    }
    EXPECT_EQ(canvas.Count(RECT{0, 0, 40, 30}, kBlack), 0);

    // A canvas narrower than the window: no boundary runs on over the grey beside it.
    model.SetSize(60, 50);
    quorrel_test::DibCanvas narrow(100, 70);
    viewport.OnPrepareDC(&narrow.DC());
    viewport.Draw(&narrow.DC(), CRect(0, 0, 100, 70));
    EXPECT_GT(narrow.Count(RECT{40, 0, 41, 50}, kBlack), 0);
    EXPECT_GT(narrow.Count(RECT{0, 30, 60, 31}, kBlack), 0);
    EXPECT_EQ(narrow.Count(RECT{60, 0, 100, 70}, kBlack), 0);
    EXPECT_EQ(narrow.Count(RECT{0, 50, 100, 70}, kBlack), 0);

    viewport.m_bPagesVisible = false;
    quorrel_test::DibCanvas hidden(100, 70);
    viewport.OnPrepareDC(&hidden.DC());
    viewport.Draw(&hidden.DC(), CRect(0, 0, 100, 70));
    EXPECT_EQ(hidden.Count(RECT{0, 0, 100, 70}, kBlack), 0);
}

TEST(DrawingViewport, DefaultPropertiesAreTheFiveStandardOnes)
{
    CODDrawingViewport viewport;
    std::vector<int> ids;
    for (const CODProperty* property : viewport.GetDefaultProperties())
        ids.push_back(property->GetId());
    EXPECT_EQ(ids, (std::vector<int>{OD_PROP_EDIT, OD_PROP_ORIENTATION, OD_PROP_LINE, OD_PROP_FILL, OD_PROP_FONT}));
    EXPECT_NE(viewport.GetDefaultProperty(OD_PROP_FONT), nullptr);
    EXPECT_EQ(viewport.GetDefaultProperty(OD_PROP_MODEL_EDIT), nullptr);
}

}  // namespace
