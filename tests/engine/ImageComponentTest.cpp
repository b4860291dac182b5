#include "engine/CODBoolProperty.h"
#include "engine/CODEditProperties.h"
#include "engine/CODImageCache.h"
#include "engine/CODImageComponent.h"
#include "engine/CODImageEntry.h"
#include "engine/CODMetafileComponent.h"
#include "engine/PropertyIds.h"
#include "images/CODDib.h"
#include "platform/CBitmap.h"
#include "platform/CBrush.h"
#include "tests/support/DibCanvas.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);

// A blue bitmap whose left half is magenta.
HBITMAP HalfMagenta(int width, int height)
{
    HBITMAP bitmap = CBitmap::CreateCompatibleBitmap(nullptr, width, height);
    CDC dc;
    const HBITMAP previous = dc.SelectObject(bitmap);
    dc.FillRect(RECT{0, 0, width, height}, CBrush::CreateSolidBrush(kBlue));
    dc.FillRect(RECT{0, 0, width / 2, height}, CBrush::CreateSolidBrush(kMagenta));
    dc.SelectObject(previous);
    return bitmap;
}

TEST(ImageComponent, TakesTheSizeOfThePictureAndKeepsTheOldCentre)
{
    CODImageComponent image;
    EXPECT_EQ(image.IsTransparent(), 0);
    EXPECT_EQ(image.GetTransparentColor(), kMagenta);
    ASSERT_TRUE(image.Create(HalfMagenta(100, 50), 0, kMagenta));
    EXPECT_EQ(image.GetType(), "Image");
    EXPECT_EQ(image.GetBounds(), CRect(0, 0, 100, 50));
    const auto* edit = dynamic_cast<const CODEditProperties*>(image.GetProperty(OD_PROP_EDIT, false));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->GetFlag(CODEditProperties::Rotatable), 0);

    ASSERT_TRUE(image.Create(HalfMagenta(40, 40), 0, kMagenta));
    EXPECT_EQ(image.GetBounds(), CRect(30, 5, 70, 45)) << "centred on (50, 25)";
    ASSERT_TRUE(image.Create(HalfMagenta(41, 41), 0, kMagenta));
    EXPECT_EQ(image.GetBounds(), CRect(29, 4, 70, 45)) << "odd differences halve by shifting";
}

TEST(ImageComponent, NoPictureIsRefusedAndDrawsNothing)
{
    CODImageComponent image;
    ASSERT_TRUE(image.Create(HalfMagenta(10, 10), 0, kMagenta));
    EXPECT_FALSE(image.Create(HBITMAP(), 0, kMagenta));
    EXPECT_EQ(image.GetImageEntry(), nullptr) << "left without a picture";
    EXPECT_FALSE(image.Create(std::string("/nonexistent/picture.bmp"), 0, kMagenta));
    EXPECT_FALSE(image.Create(std::uint32_t{4242}, 0, kMagenta));
    EXPECT_FALSE(image.Create(CODDib(), 0, kMagenta));

    quorrel_test::DibCanvas canvas(20, 20, kYellow);
    image.Draw(&canvas.DC());
    EXPECT_EQ(canvas.Count(RECT{0, 0, 20, 20}, kYellow), 400);
}

TEST(ImageComponent, EqualPicturesShareOneEntryUntilTheLastGoes)
{
    const std::size_t before = CODImageCache::GetCount();
    const HBITMAP bitmap = HalfMagenta(16, 8);
    {
        CODImageComponent first;
        CODImageComponent second;
        CODImageComponent other;
        ASSERT_TRUE(first.Create(bitmap, 0, kMagenta));
        ASSERT_TRUE(second.Create(bitmap, 1, kMagenta));
        ASSERT_TRUE(other.Create(HalfMagenta(8, 8), 0, kMagenta));
        EXPECT_EQ(first.GetImageEntry(), second.GetImageEntry());
        EXPECT_NE(first.GetImageEntry(), other.GetImageEntry());
        auto copy = first.Clone();
        EXPECT_EQ(dynamic_cast<CODImageComponent&>(*copy).GetImageEntry(), first.GetImageEntry());
        EXPECT_EQ(CODImageCache::GetCount(), before + 2);
    }
    EXPECT_EQ(CODImageCache::GetCount(), before);
}

TEST(ImageComponent, TransparentDrawingLeavesTheKeyColourUnpainted)
{
    for (int transparent : {0, 1}) {
        quorrel_test::DibCanvas canvas(120, 60, kYellow);
        CODImageComponent image;
        ASSERT_TRUE(image.Create(HalfMagenta(50, 20), transparent, kMagenta));
        image.Scale(2.0f, 2.0f, 0.0f, 0.0f);
        image.Translate(10, 10);
        image.Draw(&canvas.DC());
        canvas.SaveIfAsked(transparent ? "image-transparent" : "image-opaque");
        EXPECT_EQ(canvas.Count(RECT{60, 10, 110, 50}, kBlue), 50 * 40) << "stretched into the box";
        if (transparent)
            EXPECT_EQ(canvas.Count(RECT{10, 10, 60, 50}, kYellow), 50 * 40) << "the background shows through";
        else
            EXPECT_EQ(canvas.Count(RECT{10, 10, 60, 50}, kMagenta), 50 * 40);
    }

    // Switching transparency drops the cached sprite: the next draw follows it.
    quorrel_test::DibCanvas canvas(60, 30, kYellow);
    CODImageComponent image;
    ASSERT_TRUE(image.Create(HalfMagenta(50, 20), 1, kMagenta));
    image.Draw(&canvas.DC());
    image.SetTransparent(0);
    image.Draw(&canvas.DC());
    EXPECT_EQ(canvas.Count(RECT{0, 0, 25, 20}, kMagenta), 25 * 20);
}

TEST(MetafileComponent, KeepsItsBytesAndDrawsItsFrame)
{
    const std::vector<std::uint8_t> bytes = {1, 0, 0, 0, 0x6C, 0, 0, 0, 0xFF};
    CODMetafileComponent metafile;
    ASSERT_TRUE(metafile.Create(CRect(5, 5, 35, 25), bytes));
    EXPECT_EQ(metafile.GetType(), "Metafile");
    EXPECT_EQ(metafile.GetMetafileBytes(), bytes);
    auto copy = metafile.Clone();
    EXPECT_EQ(dynamic_cast<CODMetafileComponent&>(*copy).GetMetafileBytes(), bytes);
    EXPECT_FALSE(metafile.SetMetafileBytes(std::vector<std::uint8_t>(CODMetafileComponent::kMaxBytes + 1)));
    EXPECT_EQ(metafile.GetMetafileBytes(), bytes);

    quorrel_test::DibCanvas canvas(40, 30, kYellow);
    metafile.Draw(&canvas.DC());
    EXPECT_EQ(canvas.Pixel(5, 15), RGB(0, 0, 0));
    EXPECT_EQ(canvas.Pixel(20, 15), kYellow) << "frame only";
}

}  // namespace
