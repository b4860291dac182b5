#include "charts/ChartDecorations.h"
#include "chartparts/CIndiBox.h"
#include "chartparts/CQuorrelModel.h"
#include "engine/CODBoolProperty.h"
#include "engine/CODFillProperties.h"
#include "engine/CODFontProperties.h"
#include "engine/CODImageComponent.h"
#include "engine/CODLineProperties.h"
#include "engine/CODPortComponent.h"
#include "engine/CODRectComponent.h"
#include "engine/CODTextComponent.h"
#include "engine/PropertyIds.h"
#include "platform/CommandFile.h"
#include "tests/data/PictureProject.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

constexpr COLORREF kMissingColour = RGB(200, 200, 255);

CommandFile FileWith(const std::string& text)
{
    static int count = 0;
    const std::string path =
        (quorrel_test::TestDirectory() / ("decorations" + std::to_string(++count) + ".qrc")).string();
    std::ofstream(path) << text;
    return CommandFile(path);
}

// A model holding one plain rectangle as its chart.
void AddRect(CODModel& model, const CRect& rect)
{
    auto* component = new CODRectComponent();
    component->Create(rect);
    model.AddChild(component);
}

TEST(FitCanvasToChart, CoversTheContentWithAMarginAndStretchesTheBackground)
{
    CQuorrelModel model;
    ChartDecorations::FitCanvasToChart(model);
    EXPECT_EQ(model.GetSize(), CSize(20, 20));

    AddRect(model, CRect(50, 40, 300, 100));
    AddRect(model, CRect(-30, 120, 80, 210));
    ChartDecorations::BuildBackground(FileWith("[Background]\ntype=Color\n"), model);
    ChartDecorations::FitCanvasToChart(model);
    EXPECT_EQ(model.GetSize(), CSize(320, 230));
    EXPECT_EQ(model.GetOrigin(), CPoint(0, 0));
    ASSERT_NE(model.GetBackground(), nullptr);
    EXPECT_EQ(model.GetBackground()->GetBounds(), CRect(0, 0, 320, 230));
}

TEST(BuildTitle, FontFromTheTitleSection)
{
    const struct {
        const char* lines;
        const char* face;
        int points;
        int weight;
        int italic;
        COLORREF colour;
    } cases[] = {
        {"", "", 2, 400, 0, kMissingColour},
        {"Font=Arial\nFontSize=1\nFontAttribute=bold italic\nFontColor=0 0 128\n", "Arial", 2, 700, 1, RGB(0, 0, 128)},
        {"FontSize=20\nFontAttribute=Italic Bold\n", "", 20, 400, 1, kMissingColour},
        {"FontSize=14\nFontAttribute=BOLDFACE\n", "", 14, 700, 0, kMissingColour},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        CQuorrelModel model;
        ChartDecorations::BuildTitle(FileWith(std::string("[Title]\nText=The Lee Family\nLocationX=40\nLocationY=15\n") + c.lines),
                                     model);
        ASSERT_EQ(model.GetChildCount(), 1);
        const auto* title = dynamic_cast<const CODTextComponent*>(model.GetChild(0));
        ASSERT_NE(title, nullptr);
        EXPECT_EQ(title->GetText(), "The Lee Family");
        EXPECT_EQ(title->GetBounds().TopLeft(), CPoint(40, 15));
        EXPECT_GT(title->GetBounds().Width(), 0);
        const auto* font = dynamic_cast<const CODFontProperties*>(title->GetProperty(OD_PROP_FONT, false));
        ASSERT_NE(font, nullptr);
        EXPECT_EQ(font->GetFaceName(), c.face);
        EXPECT_EQ(font->GetPointSize(), c.points);
        EXPECT_EQ(font->GetWeight(), c.weight);
        EXPECT_EQ(font->GetItalic(), c.italic);
        EXPECT_EQ(font->GetColor(), c.colour);
        const auto* line = dynamic_cast<const CODLineProperties*>(title->GetProperty(OD_PROP_LINE, false));
        const auto* fill = dynamic_cast<const CODFillProperties*>(title->GetProperty(OD_PROP_FILL, false));
        ASSERT_TRUE(line != nullptr && fill != nullptr);
        EXPECT_TRUE(line->GetTransparent());
        EXPECT_TRUE(fill->GetTransparent());
    }
}

TEST(BuildTitle, WithoutTitleSectionAnEmptyTitleAtTheOrigin)
{
    CQuorrelModel model;
    ChartDecorations::BuildTitle(FileWith(""), model);
    ASSERT_EQ(model.GetChildCount(), 1);
    EXPECT_EQ(model.GetChild(0)->GetBounds().TopLeft(), CPoint(0, 0));
}

TEST(BuildResearcherBox, PlacedInTheCornerAndTheCanvasGrows)
{
    // Canvas 400 x 300 around a chart reaching (380, 280).
    const struct {
        const char* location;
        CPoint (*corner)(int w, int h);
    } cases[] = {
        {"UpperRight", [](int, int) { return CPoint(410, 10); }},
        {"upperleft", [](int, int) { return CPoint(10, 10); }},
        {"LOWERRIGHT", [](int, int h) { return CPoint(400, 300 - h); }},
        {"lowerleft", [](int, int) { return CPoint(10, 300); }},
        {"middle", [](int, int) { return CPoint(10, 300); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.location);
        CQuorrelModel model;
        AddRect(model, CRect(0, 0, 380, 280));
        ChartDecorations::FitCanvasToChart(model);
        ChartDecorations::BuildResearcherBox(
            FileWith(std::string("[Researcher]\nText1=Ann Lee\nText2=1 High Street\nlocation=") + c.location + "\n"),
            model);
        ASSERT_EQ(model.GetChildCount(), 2);
        auto* box = dynamic_cast<CIndiBox*>(model.GetChild(1));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->GetName(), "Researcher Box");
        const CRect bounds = box->GetBounds();
        EXPECT_EQ(bounds.TopLeft(), c.corner(bounds.Width(), bounds.Height()));
        EXPECT_EQ(model.GetSize(), CSize(std::max(400, bounds.right + 20), std::max(300, bounds.bottom + 20)));
        for (int p = 0; p < box->GetPortCount(); ++p) {
            const auto* label = dynamic_cast<const CODBoolProperty*>(box->GetPort(p)->GetProperty(OD_PROP_LABEL_SWITCH, false));
            ASSERT_NE(label, nullptr);
            EXPECT_FALSE(label->GetBool());
        }
    }
}

TEST(BuildResearcherBox, LinesUpToTheFirstGapAndAtMostTen)
{
    std::string twelve = "[Researcher]\n";
    for (int n = 1; n <= 12; ++n)
        twelve += "Text" + std::to_string(n) + "=line " + std::to_string(n) + "\n";
    const struct {
        std::string lines;
        int count;  // 0: no box
    } cases[] = {
        {"[Researcher]\nText1=Ann Lee\nText3=unreached\n", 1},
        {twelve, 10},
        {"[Researcher]\nText2=no first line\n", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        CQuorrelModel model;
        ChartDecorations::BuildResearcherBox(FileWith(c.lines), model);
        ASSERT_EQ(model.GetChildCount(), c.count == 0 ? 0 : 1);
        if (c.count == 0)
            continue;
        const auto* box = static_cast<const CIndiBox*>(model.GetChild(0));
        EXPECT_EQ(box->m_nLineCount, c.count);
        EXPECT_EQ(box->m_strLines[static_cast<std::size_t>(c.count - 1)], c.count == 1 ? "Ann Lee" : "line 10");
    }
}

TEST(BuildBackground, ColourOrPictureOverTheCanvas)
{
    const std::string bmp = (quorrel_test::TestDirectory() / "paper.bmp").string();
    pictures::WriteBmp(bmp, 60, 40);
    const std::string gif = (quorrel_test::TestDirectory() / "paper.gif").string();
    std::ofstream(gif, std::ios::binary) << "GIF89a\x01\x00\x01\x00";
    const struct {
        std::string lines;
        bool picture;
        bool none;
        COLORREF colour;
    } cases[] = {
        {"type=color\n", false, false, kMissingColour},
        {"type=COLOR\ncolor=10 120 30\n", false, false, RGB(10, 120, 30)},
        {"type=Image\nimage=" + bmp + "\n", true, false, 0},
        {"type=image\nimage=" + gif + "\n", false, true, 0},
        {"type=image\nimage=no/such.bmp\n", false, true, 0},
        {"type=image\n", false, true, 0},
        {"type=pattern\n", false, true, 0},
        {"", false, true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        CQuorrelModel model;
        model.SetSize(300, 200);
        ChartDecorations::BuildBackground(FileWith("[Background]\n" + c.lines), model);
        const CODComponent* background = model.GetBackground();
        if (c.none) {
            EXPECT_EQ(background, nullptr);
            continue;
        }
        ASSERT_NE(background, nullptr);
        EXPECT_EQ(model.GetChildCount(), 0);
        EXPECT_EQ(background->GetBounds(), CRect(0, 0, 300, 200));
        if (c.picture) {
            EXPECT_NE(dynamic_cast<const CODImageComponent*>(background), nullptr);
            continue;
        }
        const auto* fill = dynamic_cast<const CODFillProperties*>(background->GetProperty(OD_PROP_FILL, false));
        const auto* line = dynamic_cast<const CODLineProperties*>(background->GetProperty(OD_PROP_LINE, false));
        ASSERT_TRUE(fill != nullptr && line != nullptr);
        EXPECT_EQ(fill->GetColor(), c.colour);
        EXPECT_EQ(line->GetColor(), c.colour);

        quorrel_test::DibCanvas canvas(300, 200);
        model.OnDraw(&canvas.DC());
        EXPECT_EQ(canvas.Pixel(150, 100), c.colour);
    }
}

}  // namespace
