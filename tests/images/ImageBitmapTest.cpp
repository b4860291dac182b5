#include "ImageWitness.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/TestEnvironment.h"

#include "images/SECDib.h"
#include "platform/CBitmap.h"
#include "platform/CDC.h"

#include <gtest/gtest.h>

using namespace image_witness;

namespace {

std::unique_ptr<SECDib> Load(const std::string& command)
{
    ReferencePath();
    EXPECT_TRUE(image_witness::Run(command)) << command;
    auto image = std::make_unique<SECDib>();
    EXPECT_TRUE(image->LoadFromPath((quorrel_test::TestDirectory() / "in.bmp").string()));
    return image;
}

COLORREF PictureColour(const Rgb& picture, int x, int y)
{
    const std::size_t i = static_cast<std::size_t>(3 * (y * picture.width + x));
    return RGB(picture.bytes[i], picture.bytes[i + 1], picture.bytes[i + 2]);
}

// A picture made into a bitmap and taken back from it keeps its colours, at
// every depth; the copy is a 24-bit picture.
TEST(ImageBitmaps, MakeBitmapAndCreateFromBitmapRoundTrip)
{
    for (const char* command : {"convert ref.ppm -monochrome -compress none BMP3:in.bmp",
             "convert ref.ppm -colors 16 -compress none BMP3:in.bmp",
             "convert ref.ppm -colors 200 -type palette -compress none BMP3:in.bmp",
             "convert ref.ppm -type truecolor BMP3:in.bmp"}) {
        std::unique_ptr<SECDib> picture = Load(command);
        CDC screen;
        const HBITMAP bitmap = picture->MakeBitmap(&screen);
        ASSERT_TRUE(bitmap) << command;
        EXPECT_EQ(bitmap->GetWidth(), 37);
        EXPECT_EQ(bitmap->GetHeight(), 23);

        SECDib copy;
        ASSERT_TRUE(copy.CreateFromBitmap(&screen, bitmap)) << command;
        EXPECT_EQ(copy.GetBitsPerPixel(), 24);
        EXPECT_EQ(copy.GetPalette(), nullptr);
        EXPECT_EQ(MaxDifference(Pixels(copy), Pixels(*picture)), 0) << command;
    }
}

TEST(ImageBitmaps, FailuresKeepThePictureAndMakeNoBitmap)
{
    std::unique_ptr<SECDib> picture = Load("convert ref.ppm -type truecolor BMP3:in.bmp");
    const Rgb before = Pixels(*picture);
    CDC screen;
    EXPECT_FALSE(picture->CreateFromBitmap(&screen, nullptr));
    EXPECT_EQ(MaxDifference(Pixels(*picture), before), 0);
    SECDib empty;
    EXPECT_FALSE(empty.MakeBitmap(&screen));
    quorrel_test::DibCanvas canvas(4, 4);
    EXPECT_EQ(empty.DrawStretched(&canvas.DC(), RECT{0, 0, 4, 4}, RECT{0, 0, 4, 4}, SRCCOPY), 0);
}

// Drawing 1:1 puts the picture's pixels on the canvas; a source rectangle
// counts from the picture's top and stretches into the destination.
TEST(ImageBitmaps, DrawStretchedPlacesAndScalesTheSource)
{
    std::unique_ptr<SECDib> picture = Load("convert ref.ppm -colors 200 -type palette -compress none BMP3:in.bmp");
    const Rgb pixels = Pixels(*picture);

    quorrel_test::DibCanvas whole(37, 23);
    EXPECT_EQ(picture->DrawStretched(&whole.DC(), RECT{0, 0, 37, 23}, RECT{0, 0, 37, 23}, SRCCOPY), 23);
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 37; ++x)
            ASSERT_EQ(whole.Pixel(x, y), PictureColour(pixels, x, y)) << x << ',' << y;

    // The 4 x 3 pixels at (10, 5), twice as large at (2, 2).
    quorrel_test::DibCanvas part(12, 10);
    EXPECT_GT(picture->DrawStretched(&part.DC(), RECT{2, 2, 10, 8}, RECT{10, 5, 14, 8}, SRCCOPY), 0);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            const COLORREF expected = PictureColour(pixels, 10 + x, 5 + y);
            EXPECT_EQ(part.Pixel(2 + 2 * x, 2 + 2 * y), expected) << x << ',' << y;
            EXPECT_EQ(part.Pixel(3 + 2 * x, 3 + 2 * y), expected) << x << ',' << y;
        }
    }
    EXPECT_EQ(part.Pixel(1, 1), RGB(255, 255, 255));
    EXPECT_EQ(part.Pixel(10, 8), RGB(255, 255, 255));
}

}  // namespace
