#include "platform/CBitmap.h"
#include "platform/CBrush.h"
#include "platform/CDC.h"
#include "platform/CPalette.h"
#include "tests/support/DibCanvas.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// A DIB in one block: header, colour table, then the rows.
struct Dib {
    std::vector<std::uint8_t> block;
    const BITMAPINFOHEADER* Header() const { return reinterpret_cast<const BITMAPINFOHEADER*>(block.data()); }
    const std::uint8_t* Bits() const { return block.data() + 40 + 4 * colours; }
    int colours = 0;
};

// 3 x 2, 24 bits, bottom-up: the bottom row is red, green, blue; the top row
// white, black, grey.
Dib SmallDib24(int heightSign = 1)
{
    Dib dib;
    BITMAPINFOHEADER header;
    header.biWidth = 3;
    header.biHeight = 2 * heightSign;
    header.biBitCount = 24;
    const std::uint8_t bottom[12] = {0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0};
    const std::uint8_t top[12] = {255, 255, 255, 0, 0, 0, 128, 128, 128, 0, 0, 0};
    dib.block.resize(40 + 24);
    std::memcpy(dib.block.data(), &header, 40);
    std::memcpy(dib.block.data() + 40, heightSign > 0 ? bottom : top, 12);
    std::memcpy(dib.block.data() + 52, heightSign > 0 ? top : bottom, 12);
    return dib;
}

TEST(DibTransfer, StretchDIBitsThenGetDIBitsGivesTheSameRows)
{
    for (int sign : {1, -1}) {
        const Dib dib = SmallDib24(sign);
        quorrel_test::DibCanvas canvas(3, 2);
        EXPECT_EQ(canvas.DC().StretchDIBits(0, 0, 3, 2, 0, 0, 3, 2, dib.Bits(), dib.Header(), DIB_RGB_COLORS, SRCCOPY), 2);
        EXPECT_EQ(canvas.Pixel(0, 1), RGB(255, 0, 0)) << sign;
        EXPECT_EQ(canvas.Pixel(2, 1), RGB(0, 0, 255)) << sign;
        EXPECT_EQ(canvas.Pixel(2, 0), RGB(128, 128, 128)) << sign;

        BITMAPINFOHEADER header;
        header.biWidth = 3;
        header.biHeight = 2;
        header.biBitCount = 24;
        std::vector<std::uint8_t> rows(24, 0xEE);
        EXPECT_EQ(canvas.DC().GetDIBits(canvas.DC().GetCurrentBitmap(), 0, 2, rows.data(), &header, DIB_RGB_COLORS), 2);
        const Dib bottomUp = SmallDib24(1);
        EXPECT_EQ(std::memcmp(rows.data(), bottomUp.Bits(), 24), 0) << "bottom-up rows, padding zeroed";
    }
}

TEST(DibTransfer, PalettedDibsAreExpandedThroughTheirColourTable)
{
    // 8 bits, 2 x 1, two colours; then 1 bit, 10 x 1.
    struct Case {
        int bits;
        std::vector<std::uint8_t> row;
        int width;
    };
    const Case cases[] = {{8, {1, 0, 0, 0}, 2}, {1, {0x80, 0x40, 0, 0}, 10}, {4, {0x10, 0, 0, 0}, 2}};
    for (const Case& c : cases) {
        BITMAPINFOHEADER header;
        header.biWidth = c.width;
        header.biHeight = 1;
        header.biBitCount = static_cast<std::uint16_t>(c.bits);
        header.biClrUsed = 2;
        std::vector<std::uint8_t> block(40 + 8);
        std::memcpy(block.data(), &header, 40);
        const RGBQUAD table[2] = {{10, 20, 30, 0}, {200, 100, 50, 0}};
        std::memcpy(block.data() + 40, table, 8);
        quorrel_test::DibCanvas canvas(c.width, 1);
        ASSERT_EQ(canvas.DC().StretchDIBits(0, 0, c.width, 1, 0, 0, c.width, 1, c.row.data(),
                                            reinterpret_cast<const BITMAPINFOHEADER*>(block.data()), DIB_RGB_COLORS,
                                            SRCCOPY),
                  1);
        EXPECT_EQ(canvas.Pixel(0, 0), RGB(50, 100, 200)) << c.bits;
        EXPECT_EQ(canvas.Pixel(1, 0), RGB(30, 20, 10)) << c.bits;
    }
}

TEST(DibTransfer, StretchingScalesMirrorsAndCountsSourceRowsFromTheBottom)
{
    const Dib dib = SmallDib24();
    quorrel_test::DibCanvas canvas(6, 4);
    ASSERT_EQ(canvas.DC().StretchDIBits(0, 0, 6, 4, 0, 0, 3, 2, dib.Bits(), dib.Header(), DIB_RGB_COLORS, SRCCOPY), 2);
    EXPECT_EQ(canvas.Count(RECT{0, 2, 2, 4}, RGB(255, 0, 0)), 4);  // each pixel became 2 x 2
    // A mirrored copy of the bottom row only (ySrc 0 is the bottom row).
    quorrel_test::DibCanvas mirrored(3, 1);
    ASSERT_EQ(mirrored.DC().StretchDIBits(2, 0, -3, 1, 0, 0, 3, 1, dib.Bits(), dib.Header(), DIB_RGB_COLORS, SRCCOPY), 1);
    EXPECT_EQ(mirrored.Pixel(0, 0), RGB(0, 0, 255));
    EXPECT_EQ(mirrored.Pixel(2, 0), RGB(255, 0, 0));
}

TEST(DibTransfer, UnsupportedDibsDrawNothing)
{
    Dib dib = SmallDib24();
    auto* header = reinterpret_cast<BITMAPINFOHEADER*>(dib.block.data());
    quorrel_test::DibCanvas canvas(3, 2);
    header->biCompression = BI_RLE8;
    EXPECT_EQ(canvas.DC().StretchDIBits(0, 0, 3, 2, 0, 0, 3, 2, dib.Bits(), header, DIB_RGB_COLORS, SRCCOPY), 0);
    header->biCompression = BI_RGB;
    header->biWidth = 0;
    EXPECT_EQ(canvas.DC().StretchDIBits(0, 0, 3, 2, 0, 0, 3, 2, dib.Bits(), header, DIB_RGB_COLORS, SRCCOPY), 0);
    EXPECT_EQ(canvas.Count(RECT{0, 0, 3, 2}, RGB(255, 255, 255)), 6);
}

TEST(DibTransfer, CompatibleBitmapRoundTripsThroughAMemoryContext)
{
    // What an image does to become a device-dependent bitmap and back.
    CDC screen;
    HBITMAP bitmap = CBitmap::CreateCompatibleBitmap(&screen, 3, 2);
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->GetBitmap().bmBitsPixel, 32);
    EXPECT_FALSE(bitmap->IsDIBSection());
    {
        CDC memory;
        HBITMAP previous = memory.SelectObject(bitmap);
        ASSERT_TRUE(previous);
        const Dib dib = SmallDib24();
        EXPECT_EQ(memory.StretchDIBits(0, 0, 3, 2, 0, 0, 3, 2, dib.Bits(), dib.Header(), DIB_RGB_COLORS, SRCCOPY), 2);
        // Read while still selected: pending drawing is finished first.
        BITMAPINFOHEADER query;
        EXPECT_NE(memory.GetDIBits(bitmap, 0, 2, nullptr, &query, DIB_RGB_COLORS), 0);
        EXPECT_EQ(query.biWidth, 3);
        EXPECT_EQ(query.biHeight, 2);
        EXPECT_EQ(query.biBitCount, 32);
        query.biBitCount = 24;
        std::vector<std::uint8_t> rows(24);
        EXPECT_EQ(memory.GetDIBits(bitmap, 0, 2, rows.data(), &query, DIB_RGB_COLORS), 2);
        EXPECT_EQ(std::memcmp(rows.data(), dib.Bits(), 24), 0);
        EXPECT_EQ(memory.SelectObject(previous), bitmap);
    }
    EXPECT_EQ(bitmap->GetSelectedIn(), nullptr);
}

TEST(DibTransfer, ABitmapIsSelectedIntoOneContextAtATime)
{
    HBITMAP bitmap = CBitmap::CreateCompatibleBitmap(nullptr, 4, 4);
    CDC first;
    CDC second;
    ASSERT_TRUE(first.SelectObject(bitmap));
    EXPECT_FALSE(second.SelectObject(bitmap));
    EXPECT_NE(second.GetCurrentBitmap(), bitmap);
}

TEST(DibTransfer, BitBltCopiesBetweenContextsWithRasterOperations)
{
    quorrel_test::DibCanvas source(4, 4, RGB(0, 0, 0));
    source.DC().FillRect(RECT{0, 0, 2, 2}, CBrush::CreateSolidBrush(RGB(255, 0, 0)));
    source.DC().SetPixel(3, 3, RGB(0, 255, 0));

    quorrel_test::DibCanvas target(8, 8);
    EXPECT_TRUE(target.DC().BitBlt(4, 4, 4, 4, &source.DC(), 0, 0, SRCCOPY));
    EXPECT_EQ(target.Pixel(4, 4), RGB(255, 0, 0));
    EXPECT_EQ(target.Pixel(7, 7), RGB(0, 255, 0));
    EXPECT_EQ(target.Pixel(6, 4), RGB(0, 0, 0));
    EXPECT_EQ(target.Pixel(3, 3), RGB(255, 255, 255));

    // SRCAND keeps only what both have: white & red = red, white & black = black.
    quorrel_test::DibCanvas masked(4, 4);
    EXPECT_TRUE(masked.DC().BitBlt(0, 0, 4, 4, &source.DC(), 0, 0, SRCAND));
    EXPECT_EQ(masked.Pixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(masked.Pixel(2, 0), RGB(0, 0, 0));
    EXPECT_TRUE(masked.DC().PatBlt(0, 0, 4, 4, DSTINVERT));
    EXPECT_EQ(masked.Pixel(0, 0), RGB(0, 255, 255));
    EXPECT_FALSE(masked.DC().BitBlt(0, 0, 4, 4, nullptr, 0, 0, SRCCOPY));
}

TEST(DibTransfer, PalettesAreAcceptedAndChangeNothing)
{
    quorrel_test::DibCanvas canvas(2, 2);
    const PALETTEENTRY entries[2] = {{255, 0, 0, 0}, {0, 0, 255, 0}};
    HPALETTE palette = CPalette::CreatePalette(entries, 2);
    HPALETTE previous = canvas.DC().SelectPalette(palette, false);
    ASSERT_TRUE(previous);
    EXPECT_EQ(canvas.DC().RealizePalette(), 0u);
    canvas.DC().SetPixel(0, 0, RGB(1, 2, 3));
    EXPECT_EQ(canvas.Pixel(0, 0), RGB(1, 2, 3));
    EXPECT_EQ(canvas.DC().SelectPalette(previous, true), palette);
    EXPECT_EQ(CPalette::CreateHalftonePalette()->GetEntries().size(), 216u);
    EXPECT_EQ(canvas.DC().GetDeviceCaps(BITSPIXEL), 32);
    EXPECT_EQ(canvas.DC().GetDeviceCaps(NUMCOLORS), -1);
}

TEST(DibTransfer, DibSectionsReportTheirDepthAndRefuseOtherForms)
{
    BITMAPINFOHEADER header;
    header.biWidth = 5;
    header.biHeight = -3;
    header.biBitCount = 24;
    HBITMAP section = CBitmap::CreateDIBSection(nullptr, header);
    ASSERT_TRUE(section);
    EXPECT_TRUE(section->IsDIBSection());
    EXPECT_EQ(section->GetBitmap().bmBitsPixel, 24);
    EXPECT_EQ(section->GetBitmap().bmWidthBytes, 16);
    EXPECT_EQ(section->GetHeight(), 3);
    header.biBitCount = 8;
    EXPECT_FALSE(CBitmap::CreateDIBSection(nullptr, header));
    header.biBitCount = 24;
    header.biWidth = 0;
    EXPECT_FALSE(CBitmap::CreateDIBSection(nullptr, header));
    EXPECT_FALSE(CBitmap::CreateCompatibleBitmap(nullptr, 100000, 100000));
}

TEST(DibTransfer, TransparentBltLeavesTheKeyColourUnpaintedAndStretches)
{
    constexpr COLORREF kMagenta = RGB(255, 0, 255);
    constexpr COLORREF kBlue = RGB(0, 0, 255);
    constexpr COLORREF kYellow = RGB(255, 255, 0);
    // A 2 x 1 sprite: magenta on the left, blue on the right.
    quorrel_test::DibCanvas sprite(2, 1, kMagenta);
    sprite.DC().SetPixel(1, 0, kBlue);

    quorrel_test::DibCanvas canvas(8, 4, kYellow);
    EXPECT_TRUE(canvas.DC().TransparentBlt(0, 0, 8, 4, &sprite.DC(), 0, 0, 2, 1, kMagenta));
    EXPECT_EQ(canvas.Count(RECT{0, 0, 4, 4}, kYellow), 16) << "key colour left unpainted";
    EXPECT_EQ(canvas.Count(RECT{4, 0, 8, 4}, kBlue), 16) << "stretched";

    EXPECT_FALSE(canvas.DC().TransparentBlt(0, 0, 8, 4, nullptr, 0, 0, 2, 1, kMagenta));
    EXPECT_FALSE(canvas.DC().TransparentBlt(0, 0, -8, 4, &sprite.DC(), 0, 0, 2, 1, kMagenta));
}

}  // namespace
