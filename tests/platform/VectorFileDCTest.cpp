#include "platform/CBrush.h"
#include "platform/CFont.h"
#include "platform/VectorFileDC.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string Read(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Dark pixels of a picture in the rectangle.
int Ink(const QImage& picture, const QRect& area)
{
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ink += qGray(picture.pixel(x, y)) < 128 ? 1 : 0;
    return ink;
}

// Text in an SVG file is text, and another program draws it where it was put.
TEST(VectorFileDC, SvgTextIsTextDrawnWhereItWasPut)
{
    const std::string path = std::filesystem::absolute("text.svg").string();
    {
        VectorFileDC dc(VectorFileDC::Format::Svg, path, 200, 60, false, "text");
        ASSERT_TRUE(dc.IsOpen());
        dc.FillRect(RECT{0, 0, 200, 60}, CBrush::CreateSolidBrush(RGB(255, 255, 255)));
        LOGFONT font{};
        font.lfHeight = -20;
        dc.SelectObject(CFont::CreateFontIndirect(font));
        dc.SetBkMode(TRANSPARENT);
        dc.TextOut(10, 20, "Ann Smith");
        ASSERT_TRUE(dc.Close());
    }
    const std::string svg = Read(path);
    EXPECT_NE(svg.find(">Ann Smith</text>"), std::string::npos) << svg;
    const std::string png = std::filesystem::absolute("text.png").string();
    ASSERT_EQ(std::system(("rsvg-convert -w 200 -h 60 -o '" + png + "' '" + path + "'").c_str()), 0);
    const QImage drawn(QString::fromStdString(png));
    ASSERT_EQ(drawn.size(), QSize(200, 60));
    EXPECT_GT(Ink(drawn, QRect(10, 20, 100, 24)), 50);
    EXPECT_EQ(Ink(drawn, QRect(0, 0, 200, 18)), 0);
    EXPECT_EQ(Ink(drawn, QRect(130, 0, 70, 60)), 0);
}

TEST(VectorFileDC, AFileNeverFinishedIsNotLeftBehind)
{
    {
        VectorFileDC dc(VectorFileDC::Format::Pdf, "dropped.pdf", 100, 100, false, "dropped");
        ASSERT_TRUE(dc.IsOpen());
        dc.FillRect(RECT{0, 0, 10, 10}, CBrush::CreateSolidBrush(RGB(0, 0, 0)));
    }
    EXPECT_FALSE(std::filesystem::exists("dropped.pdf"));

    VectorFileDC nowhere(VectorFileDC::Format::Pdf, "no-such-folder/chart.pdf", 100, 100, false, "nowhere");
    EXPECT_FALSE(nowhere.IsOpen());
    EXPECT_FALSE(nowhere.Close());
    VectorFileDC empty(VectorFileDC::Format::Svg, "empty.svg", 0, 100, false, "empty");
    EXPECT_FALSE(empty.IsOpen());
    EXPECT_FALSE(empty.NewPage());
}

}  // namespace
