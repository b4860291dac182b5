#include "platform/CDC.h"
#include "platform/CFont.h"
#include "tests/support/DibCanvas.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>

namespace {

HFONT MakeFont(const char* face, int height, int escapement = 0)
{
    LOGFONT logFont;
    logFont.lfHeight = height;
    logFont.lfEscapement = escapement;
    logFont.lfOrientation = escapement;
    logFont.lfWeight = FW_NORMAL;
    logFont.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(logFont.lfFaceName, face, LF_FACESIZE - 1);
    return CFont::CreateFontIndirect(logFont);
}

std::string CommandOutput(const std::string& command)
{
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        std::array<char, 256> buffer{};
        while (fgets(buffer.data(), static_cast<int>(buffer.size()), pipe))
            output += buffer.data();
        pclose(pipe);
    }
    return output;
}

constexpr const char* kSample = "Quorrel Chart";

TEST(TextDrawing, TimesNewRomanAtTenPointsMeasuresAsLiberationSerif)
{
    CDC dc;
    dc.SelectObject(MakeFont("Times New Roman", -13));  // 10 points at 96 pixels per inch
    TEXTMETRIC metrics;
    ASSERT_TRUE(dc.GetTextMetrics(&metrics));
    const SIZE extent = dc.GetTextExtent(kSample);

    // The face's own tables, read by an independent script.
    const std::string file = CommandOutput("fc-match -f '%{file}' 'Times New Roman'");
    ASSERT_NE(file.find("LiberationSerif"), std::string::npos) << file;
    std::istringstream witness(CommandOutput(std::string("python3 '") + QUORREL_FONT_WITNESS + "' '" + file + "' 13 '" + kSample + "'"));
    int height = 0, ascent = 0, descent = 0, internal = 0, external = 0, average = 0, width = 0;
    ASSERT_TRUE(witness >> height >> ascent >> descent >> internal >> external >> average >> width);
    EXPECT_EQ(metrics.tmHeight, height);
    EXPECT_EQ(metrics.tmAscent, ascent);
    EXPECT_EQ(metrics.tmDescent, descent);
    EXPECT_EQ(metrics.tmInternalLeading, internal);
    EXPECT_EQ(metrics.tmExternalLeading, external);
    EXPECT_EQ(metrics.tmAveCharWidth, average);
    EXPECT_EQ(extent.cx, width);
    EXPECT_EQ(extent.cy, height);

    // The fonts are pinned, so the figures are too.
    EXPECT_EQ(metrics.tmHeight, 15);
    EXPECT_EQ(metrics.tmAscent, 12);
    EXPECT_EQ(metrics.tmDescent, 3);
    EXPECT_EQ(metrics.tmInternalLeading, 2);
    EXPECT_EQ(metrics.tmExternalLeading, 1);
    EXPECT_EQ(metrics.tmAveCharWidth, 7);
    EXPECT_EQ(extent.cx, 74);
}

TEST(TextDrawing, PositiveHeightsAreCellHeightsAndTextIsDecoded)
{
    CDC dc;
    dc.SelectObject(MakeFont("Times New Roman", 30));
    TEXTMETRIC metrics;
    dc.GetTextMetrics(&metrics);
    EXPECT_EQ(metrics.tmHeight, 30);
    EXPECT_EQ(dc.GetTextExtent("").cx, 0);

    // "é" as Windows-1252 and as UTF-8 is one character either way.
    EXPECT_EQ(dc.GetTextExtent("caf\xE9").cx, dc.GetTextExtent("caf\xC3\xA9").cx);
    EXPECT_LT(dc.GetTextExtent("caf\xC3\xA9").cx, dc.GetTextExtent("caf\xC3\xA9" "x").cx);
    // An empty face is Arial, not the serif face.
    dc.SelectObject(MakeFont("", 30));
    const int arial = dc.GetTextExtent("Quorrel").cx;
    dc.SelectObject(MakeFont("Arial", 30));
    EXPECT_EQ(dc.GetTextExtent("Quorrel").cx, arial);
    dc.SelectObject(MakeFont("Times New Roman", 30));
    EXPECT_NE(dc.GetTextExtent("Quorrel").cx, arial);
}

TEST(TextDrawing, TextRunsAlongTheEscapementFromItsReferencePoint)
{
    struct Case {
        int escapement;
        POINT origin;
    };
    for (const Case& c : {Case{0, {20, 30}}, Case{900, {30, 180}}}) {
        quorrel_test::DibCanvas canvas(200, 200);
        CDC& dc = canvas.DC();
        dc.SelectObject(MakeFont("Times New Roman", -40, c.escapement));
        dc.SetTextColor(RGB(0, 0, 255));
        dc.SetBkMode(TRANSPARENT);
        ASSERT_TRUE(dc.TextOut(c.origin.x, c.origin.y, "HHHH"));
        canvas.SaveIfAsked("text" + std::to_string(c.escapement));
        const SIZE extent = dc.GetTextExtent("HHHH");
        TEXTMETRIC metrics;
        dc.GetTextMetrics(&metrics);
        const RECT ink = canvas.InkBounds();
        if (c.escapement == 0) {
            // Left to right, the reference point at the top-left of the cell.
            EXPECT_GE(ink.left, c.origin.x);
            EXPECT_LE(ink.right, c.origin.x + extent.cx);
            EXPECT_GE(ink.top, c.origin.y);
            EXPECT_LE(ink.bottom, c.origin.y + metrics.tmAscent + 1);
            EXPECT_GT(ink.right - ink.left, 3 * (ink.bottom - ink.top) / 2);
        } else {
            // Bottom to top, the top of the cell towards the left.
            EXPECT_GE(ink.left, c.origin.x);
            EXPECT_LE(ink.right, c.origin.x + metrics.tmAscent + 1);
            EXPECT_GE(ink.top, c.origin.y - extent.cx);
            EXPECT_LE(ink.bottom, c.origin.y);
            EXPECT_GT(ink.bottom - ink.top, 3 * (ink.right - ink.left) / 2);
        }
        EXPECT_GT(canvas.Count(RECT{0, 0, 200, 200}, RGB(0, 0, 255)), 100) << "solid stems in the text colour";
    }
}

TEST(TextDrawing, OpaqueBackgroundFillsTheCellAndAlignmentMovesTheReference)
{
    quorrel_test::DibCanvas canvas(200, 100);
    CDC& dc = canvas.DC();
    dc.SelectObject(MakeFont("Arial", -20));
    dc.SetBkColor(RGB(0, 255, 0));
    dc.TextOut(10, 10, "ab");
    const SIZE extent = dc.GetTextExtent("ab");
    const int green = canvas.Count(RECT{0, 0, 200, 100}, RGB(0, 255, 0));
    EXPECT_GT(green, extent.cx * extent.cy / 2);
    EXPECT_LE(green, extent.cx * extent.cy);
    EXPECT_EQ(canvas.Count(RECT{10, 10, 10 + extent.cx, 10 + extent.cy}, RGB(0, 255, 0)), green);

    dc.SetBkMode(TRANSPARENT);
    EXPECT_EQ(dc.SetTextAlign(TA_CENTER | TA_BASELINE), TA_LEFT | TA_TOP);
    quorrel_test::DibCanvas centred(200, 100);
    centred.DC().SelectObject(MakeFont("Arial", -20));
    centred.DC().SetBkMode(TRANSPARENT);
    centred.DC().SetTextAlign(TA_CENTER | TA_BASELINE);
    centred.DC().TextOut(100, 60, "HH");
    const RECT ink = centred.InkBounds();
    EXPECT_NEAR((ink.left + ink.right) / 2, 100, 2);
    EXPECT_NEAR(ink.bottom, 60, 1);
}

}  // namespace
