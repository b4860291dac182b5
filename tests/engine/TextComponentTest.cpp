#include "engine/CODBoolProperty.h"
#include "engine/CODFillProperties.h"
#include "engine/CODFontProperties.h"
#include "engine/CODIntProperty.h"
#include "engine/CODLineProperties.h"
#include "engine/CODTextComponent.h"
#include "engine/PropertyIds.h"
#include "platform/CFont.h"
#include "tests/support/DibCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

// The pinned height of one line of 10-point "Times New Roman" (Liberation
// Serif at 13 units): a cell of 15 units, the external leading of 1 below and
// the pen insets above and below.
constexpr int kTimesLineHeight = 15;
constexpr int kOneLineBoxHeight = 18;

// Pixels neither white nor the frame colour: the text's ink.
RECT TextInk(const quorrel_test::DibCanvas& canvas, const RECT& area)
{
    const std::vector<COLORREF> pixels = canvas.Pixels();
    RECT ink{area.right, area.bottom, area.left, area.top};
    for (int y = std::max(0, area.top); y < std::min(canvas.Height(), area.bottom); ++y)
        for (int x = std::max(0, area.left); x < std::min(canvas.Width(), area.right); ++x) {
            const COLORREF pixel = pixels[static_cast<std::size_t>(y * canvas.Width() + x)];
            if (pixel == kWhite || pixel == kRed)
                continue;
            ink = RECT{std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1), std::max(ink.bottom, y + 1)};
        }
    return ink.right <= ink.left ? RECT{} : ink;
}

class TextComponentTest : public ::testing::Test {
protected:
    TextComponentTest() : canvas(400, 300) {}

    // A text box in a red frame.
    CODTextComponent& Box(const CRect& rect, const std::string& text)
    {
        texts.push_back(std::make_unique<CODTextComponent>());
        CODTextComponent& box = *texts.back();
        box.Create(rect, &canvas.DC());
        box.SetText(text);
        CODLineProperties frame;
        frame.SetColor(kRed);
        box.AddProperty(frame);
        return box;
    }

    static void SetSwitch(CODTextComponent& box, int nId, int value) { box.AddProperty(CODBoolProperty(nId, value)); }
    static void SetInt(CODTextComponent& box, int nId, int value) { box.AddProperty(CODIntProperty(nId, value)); }

    int LineHeight()
    {
        CODFontProperties font;
        const HFONT previous = canvas.DC().SelectObject(font.GetFont());
        TEXTMETRIC metrics;
        canvas.DC().GetTextMetrics(&metrics);
        canvas.DC().SelectObject(previous);
        return metrics.tmHeight;
    }

    quorrel_test::DibCanvas canvas;
    std::vector<std::unique_ptr<CODTextComponent>> texts;
};

TEST_F(TextComponentTest, ANewTextIsOneLineCentredInItsBox)
{
    CODTextComponent& box = Box(CRect(20, 20, 220, 100), "Quorrel");
    EXPECT_EQ(box.GetType(), "Text");
    EXPECT_EQ(box.GetTextFlags(), 0x01u | 0x04u | 0x20u);
    box.Draw(&canvas.DC());
    canvas.SaveIfAsked("text-centred");

    const RECT ink = TextInk(canvas, RECT{21, 21, 219, 99});
    ASSERT_GT(ink.right, ink.left);
    const int inkCentreX = (ink.left + ink.right) / 2;
    const int inkCentreY = (ink.top + ink.bottom) / 2;
    EXPECT_NEAR(inkCentreX, 120, 2);
    EXPECT_NEAR(inkCentreY, 60, 3);
    EXPECT_EQ(canvas.Pixel(20, 60), kRed) << "the frame is drawn with the pen";
    EXPECT_EQ(canvas.Pixel(30, 60), kWhite) << "and the background with the brush";
}

TEST_F(TextComponentTest, OneLineOfTimesHasThePinnedHeight)
{
    auto box = std::make_unique<CODTextComponent>();
    box->SetText("Henry Walker");
    ASSERT_TRUE(box->Create(CPoint(100, 100), &canvas.DC()));
    EXPECT_EQ(LineHeight(), kTimesLineHeight);
    EXPECT_EQ(box->MeasureText(&canvas.DC()).cy, kTimesLineHeight);
    EXPECT_EQ(box->GetPenInsets(), CSize(1, 1));
    const CRect margins = box->GetTextMargins(&canvas.DC());
    EXPECT_EQ(margins.top, 0) << "half the external leading of 1, rounded down";
    EXPECT_EQ(margins.bottom, 1);
    EXPECT_EQ(box->GetBounds().Height(), kOneLineBoxHeight);
    const CRect bounds = box->GetBounds();
    EXPECT_NEAR((bounds.left + bounds.right) / 2, 100, 1) << "centred on the point";
    EXPECT_NEAR((bounds.top + bounds.bottom) / 2, 100, 1);
    EXPECT_EQ(bounds.Width(), box->MeasureText(&canvas.DC()).cx + margins.left + margins.right + 2);

    // Without its own font, the nearest ancestor's; without any, the context's.
    box->RemoveProperty(OD_PROP_FONT);
    TEXTMETRIC metrics;
    canvas.DC().GetTextMetrics(&metrics);
    EXPECT_EQ(box->MeasureText(&canvas.DC()).cy, metrics.tmHeight);
}

TEST_F(TextComponentTest, LineBreaksEachStartALine)
{
    const int height = LineHeight();
    const struct {
        const char* text;
        int lines;
    } cases[] = {{"one", 1}, {"", 1}, {"A\r\nB", 2}, {"A\rB", 2}, {"A\nB", 2}, {"A\n", 2}, {"A\r\n", 2},
                 {"A\r\n\r\n", 3}, {"A\n\rB", 3}, {"\n", 2}};
    for (const auto& c : cases) {
        CODTextComponent& box = Box(CRect(0, 0, 300, 40), c.text);
        SetSwitch(box, OD_PROP_MULTILINE, 1);
        EXPECT_EQ(box.MeasureText(&canvas.DC()).cy, c.lines * height) << '"' << c.text << '"';
    }
    CODTextComponent& single = Box(CRect(0, 0, 300, 40), "A\nB\nC");
    EXPECT_EQ(single.MeasureText(&canvas.DC()).cy, height) << "single-line text is one line";
    CODTextComponent& empty = Box(CRect(0, 0, 300, 40), "");
    EXPECT_EQ(empty.MeasureText(&canvas.DC()).cx, 1) << "an empty line is one unit wide";
}

TEST_F(TextComponentTest, WordWrapKeepsTheBoxWidthAndALongWordWhole)
{
    const int height = LineHeight();
    CODTextComponent& box = Box(CRect(10, 10, 130, 20), "The quick brown fox jumps over the lazy dog again");
    SetSwitch(box, OD_PROP_MULTILINE, 1);
    SetSwitch(box, OD_PROP_WORDBREAK, 1);
    const CRect margins = box.GetTextMargins(&canvas.DC());
    const int available = 120 - 2 - margins.left - margins.right;
    const CSize text = box.MeasureText(&canvas.DC());
    EXPECT_LE(text.cx, available);
    EXPECT_GE(text.cy, 3 * height);
    box.SizeToText(CODTextComponent::kSizeGrow, &canvas.DC());
    EXPECT_EQ(box.GetBounds().Width(), 120) << "wrapping keeps the width";
    EXPECT_EQ(box.GetBounds().Height(), text.cy + margins.top + margins.bottom + 2);
    box.Draw(&canvas.DC());
    canvas.SaveIfAsked("text-wrapped");
    const RECT ink = TextInk(canvas, RECT{0, 0, 400, 300});
    EXPECT_GE(ink.left, 10);
    EXPECT_LE(ink.right, 130);

    CODTextComponent& narrow = Box(CRect(0, 0, 60, 20), "Supercalifragilistic a");
    SetSwitch(narrow, OD_PROP_MULTILINE, 1);
    SetSwitch(narrow, OD_PROP_WORDBREAK, 1);
    const CSize word = narrow.MeasureText(&canvas.DC());
    EXPECT_GT(word.cx, 60) << "a word wider than the box is not broken";
    EXPECT_EQ(word.cy, 2 * height) << "it stands alone on its line";
}

TEST_F(TextComponentTest, SizeToTextGrowsButNeverShrinks)
{
    CODTextComponent& large = Box(CRect(0, 0, 300, 200), "Short");
    large.SizeToText(CODTextComponent::kSizeGrow, &canvas.DC());
    EXPECT_EQ(large.GetBounds(), CRect(0, 0, 300, 200));
    large.SizeToText(CODTextComponent::kSizeCentre, &canvas.DC());
    EXPECT_EQ(large.GetBounds(), CRect(0, 0, 300, 200));

    CODTextComponent& small = Box(CRect(100, 100, 104, 104), "Longer text");
    const CSize text = small.MeasureText(&canvas.DC());
    const CRect margins = small.GetTextMargins(&canvas.DC());
    const int width = text.cx + margins.left + margins.right + 2;
    const int height = text.cy + margins.top + margins.bottom + 2;
    small.SizeToText(CODTextComponent::kSizeGrow, &canvas.DC());
    EXPECT_EQ(small.GetBounds(), CRect(100, 100, 100 + width, 100 + height)) << "grown to the right and down";

    CODTextComponent& centred = Box(CRect(100, 100, 104, 104), "Longer text");
    centred.SizeToText(CODTextComponent::kSizeCentre, &canvas.DC());
    const int left = 100 + (4 - width) / 2;
    const int top = 100 + (4 - height) / 2;
    EXPECT_EQ(centred.GetBounds(), CRect(left, top, left + width, top + height)) << "grown about the centre";

    CODTextComponent& fixed = Box(CRect(100, 100, 104, 104), "Longer text");
    fixed.AddProperty(CODBoolProperty(OD_PROP_AUTOSIZE, 0));
    fixed.SizeToText(CODTextComponent::kSizeGrow, &canvas.DC());
    EXPECT_EQ(fixed.GetBounds(), CRect(100, 100, 104, 104)) << "automatic sizing off";
    fixed.SizeToText(CODTextComponent::kSizeGrow, &canvas.DC(), true);
    EXPECT_EQ(fixed.GetBounds(), CRect(100, 100, 100 + width, 100 + height)) << "the always form ignores 250";
    large.SizeToText(CODTextComponent::kSizeGrow, &canvas.DC(), true);
    EXPECT_EQ(large.GetBounds().Height(), kOneLineBoxHeight) << "and may shrink";
}

TEST_F(TextComponentTest, AlignmentPlacesTheLines)
{
    const struct {
        int horizontal;
        int vertical;
        int expectX;  // -1 left edge, 0 centre, 1 right edge
        int expectY;
    } cases[] = {{0, 0, -1, -1}, {2, 8, 1, 1}, {1, 4, 0, 0}, {0, 8, -1, 1}};
    for (const auto& c : cases) {
        quorrel_test::DibCanvas page(300, 120);
        CODTextComponent& box = Box(CRect(10, 10, 290, 110), "Aligned");
        SetInt(box, OD_PROP_HORZ_ALIGNMENT, c.horizontal);
        SetInt(box, OD_PROP_VERT_ALIGNMENT, c.vertical);
        box.Draw(&page.DC());
        const RECT ink = TextInk(page, RECT{11, 11, 289, 109});
        const CRect margins = box.GetTextMargins(&page.DC());
        const int lead = 11 + margins.left;
        const int trail = 289 - margins.right;
        const std::string name = std::to_string(c.horizontal) + "/" + std::to_string(c.vertical);
        if (c.expectX < 0)
            EXPECT_NEAR(ink.left, lead, 2) << name;
        else if (c.expectX > 0)
            EXPECT_NEAR(ink.right, trail, 2) << name;
        else
            EXPECT_NEAR((ink.left + ink.right) / 2, 150, 2) << name;
        if (c.expectY < 0)
            EXPECT_NEAR(ink.top, 11, 4) << name;
        else if (c.expectY > 0)
            EXPECT_NEAR(ink.bottom, 109, 4) << name;
        else
            EXPECT_NEAR((ink.top + ink.bottom) / 2, 60, 3) << name;
    }
}

TEST_F(TextComponentTest, MultiLineTextStartsAtTheTopWhateverTheVerticalAlignment)
{
    CODTextComponent& box = Box(CRect(10, 10, 290, 110), "First\nSecond");
    SetSwitch(box, OD_PROP_MULTILINE, 1);
    SetInt(box, OD_PROP_VERT_ALIGNMENT, 8);
    box.Draw(&canvas.DC());
    const RECT ink = TextInk(canvas, RECT{11, 11, 289, 109});
    EXPECT_NEAR(ink.top, 11, 4);
    EXPECT_LT(ink.bottom, 11 + 2 * LineHeight() + 2);
}

TEST_F(TextComponentTest, TextIsClippedToItsBox)
{
    CODTextComponent& box = Box(CRect(50, 50, 90, 70), "A text far wider than its little box");
    SetInt(box, OD_PROP_HORZ_ALIGNMENT, 0);
    box.Draw(&canvas.DC());
    const RECT ink = TextInk(canvas, RECT{0, 0, 400, 300});
    EXPECT_GE(ink.left, 50);
    EXPECT_LE(ink.right, 91);
    EXPECT_GE(ink.top, 50);
    EXPECT_LE(ink.bottom, 71);
    RECT clip;
    canvas.DC().GetClipBox(&clip);
    EXPECT_EQ(clip.right, 400) << "the clip is removed afterwards";
    EXPECT_EQ(canvas.DC().GetBkMode(), OPAQUE);
}

// Compares the ink of two canvases, each cut to its enclosing rectangle.
bool SameInk(const quorrel_test::DibCanvas& a, const RECT& inA, const quorrel_test::DibCanvas& b, const RECT& inB)
{
    if (inA.right - inA.left != inB.right - inB.left || inA.bottom - inA.top != inB.bottom - inB.top)
        return false;
    const std::vector<COLORREF> first = a.Pixels();
    const std::vector<COLORREF> second = b.Pixels();
    for (int y = 0; y < inA.bottom - inA.top; ++y)
        for (int x = 0; x < inA.right - inA.left; ++x)
            if (first[static_cast<std::size_t>((inA.top + y) * a.Width() + inA.left + x)]
                != second[static_cast<std::size_t>((inB.top + y) * b.Width() + inB.left + x)])
                return false;
    return true;
}

TEST_F(TextComponentTest, ABoxTurnedByNinetyDegreesDrawsWithEscapement2700)
{
    CODTextComponent& box = Box(CRect(100, 130, 300, 170), "Turned");
    CODLineProperties none;
    none.SetTransparent(1);
    box.AddProperty(none);
    CODFillProperties hollow;
    hollow.SetFillStyle(1);
    box.AddProperty(hollow);
    box.Rotate(900, 200, 150, 1, 1);
    EXPECT_EQ(box.GetWorldPoint(1).y - box.GetWorldPoint(0).y, 200) << "the top edge now runs down";
    box.Draw(&canvas.DC());
    canvas.SaveIfAsked("text-rotated");
    const RECT ink = TextInk(canvas, RECT{0, 0, 400, 300});
    ASSERT_GT(ink.bottom - ink.top, ink.right - ink.left) << "the text runs down the page";

    quorrel_test::DibCanvas reference(400, 300);
    LOGFONT turned = CODFontProperties().GetFont()->GetLogFont();
    turned.lfEscapement = 2700;
    turned.lfOrientation = 2700;
    reference.DC().SelectObject(CFont::CreateFontIndirect(turned));
    reference.DC().SetBkMode(TRANSPARENT);
    reference.DC().TextOut(200, 50, "Turned");
    const RECT expected = TextInk(reference, RECT{0, 0, 400, 300});
    EXPECT_TRUE(SameInk(canvas, ink, reference, expected)) << "the same glyphs as escapement 2700";
}

TEST_F(TextComponentTest, AMegabyteOfTextIsRefused)
{
    CODTextComponent& box = Box(CRect(0, 0, 100, 40), "Kept");
    EXPECT_FALSE(box.SetText(std::string(1 << 20, 'x')));
    EXPECT_EQ(box.GetText(), "Kept");

    std::string longest;
    while (longest.size() + 6 <= CODTextComponent::kMaxTextLength)
        longest += "word\r\n";
    ASSERT_TRUE(box.SetText(longest));
    SetSwitch(box, OD_PROP_MULTILINE, 1);
    SetSwitch(box, OD_PROP_WORDBREAK, 1);
    EXPECT_EQ(box.MeasureText(&canvas.DC()).cy, static_cast<int>(longest.size() / 6 + 1) * LineHeight());
    box.Draw(&canvas.DC());
}

}  // namespace
