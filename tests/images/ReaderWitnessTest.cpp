#include "ImageWitness.h"
#include "tests/support/TestEnvironment.h"

#include "images/SECDib.h"
#include "images/SECJpeg.h"
#include "images/SECPcx.h"
#include "images/SECTarga.h"
#include "images/SECTiff.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace image_witness;

namespace {

struct Variant {
    const char* name;
    const char* command;  // makes out.<extension> from ref.ppm
    const char* extension;
    std::function<std::unique_ptr<SECImage>()> reader;
    int bits;       // the loaded picture's depth
    int tolerance;  // JPEG and YCbCr decoders may round differently
    bool bottomRowFirst = false;  // stored orientation puts the first row at the bottom
    const char* witness = nullptr;  // netpbm decoder where ImageMagick 6 errs
};

void PrintTo(const Variant& variant, std::ostream* out)
{
    *out << variant.name;
}

template <class T>
std::unique_ptr<SECImage> Make()
{
    return std::make_unique<T>();
}

const Variant kVariants[] = {
    {"bmp 1 bit", "convert ref.ppm -monochrome -compress none BMP3:out.bmp", "bmp", Make<SECDib>, 1, 0},
    {"bmp 4 bits", "convert ref.ppm -colors 16 -compress none BMP3:out.bmp", "bmp", Make<SECDib>, 4, 0},
    {"bmp 8 bits", "convert ref.ppm -colors 200 -type palette -compress none BMP3:out.bmp", "bmp", Make<SECDib>, 8, 0},
    {"bmp 24 bits", "convert ref.ppm -type truecolor BMP3:out.bmp", "bmp", Make<SECDib>, 24, 0},
    {"bmp 24 bits, version 5 header", "convert ref.ppm -type truecolor out.bmp", "bmp", Make<SECDib>, 24, 0},
    {"bmp 8 bits, version 5 header", "convert ref.ppm -colors 100 -type palette -compress none out.bmp", "bmp", Make<SECDib>, 8, 0},
    {"jpeg colour", "convert ref.ppm -quality 90 out.jpg", "jpg", Make<SECJpeg>, 24, 2},
    {"jpeg colour 4:2:0", "convert ref.ppm -quality 75 -sampling-factor 2x2 out.jpg", "jpg", Make<SECJpeg>, 24, 2},
    {"jpeg progressive", "convert ref.ppm -interlace JPEG out.jpg", "jpg", Make<SECJpeg>, 24, 2},
    {"jpeg grey", "convert ref.ppm -colorspace Gray out.jpg", "jpg", Make<SECJpeg>, 24, 2},
    // ImageMagick 6 shows clear bits of a 1-bit PCX as white whatever the palette says.
    {"pcx 1 bit", "convert ref.ppm -monochrome pbm:- | ppmtopcx > out.pcx", "pcx", Make<SECPcx>, 8, 0, false, "pcxtoppm"},
    {"pcx 1 bit, 4 planes", "convert ref.ppm -colors 16 ppm:- | ppmtopcx > out.pcx", "pcx", Make<SECPcx>, 8, 0},
    {"pcx 8 bits with palette", "convert ref.ppm -colors 200 -type palette out.pcx", "pcx", Make<SECPcx>, 8, 0},
    {"pcx 24 bits in 3 planes", "convert ref.ppm out.pcx", "pcx", Make<SECPcx>, 24, 0},
    {"tiff grey", "convert ref.ppm -colorspace Gray -depth 8 out.tif", "tif", Make<SECTiff>, 24, 0},
    {"tiff min-is-white", "convert ref.ppm -colorspace Gray pgm:- | pamtotiff -miniswhite > out.tif", "tif", Make<SECTiff>, 24, 0},
    {"tiff 1 bit", "convert ref.ppm -monochrome -depth 1 out.tif", "tif", Make<SECTiff>, 24, 0},
    {"tiff palette", "convert ref.ppm -colors 200 -type palette out.tif", "tif", Make<SECTiff>, 24, 1},
    {"tiff rgb", "convert ref.ppm -compress none out.tif", "tif", Make<SECTiff>, 24, 0},
    {"tiff rgb lzw", "convert ref.ppm -compress lzw out.tif", "tif", Make<SECTiff>, 24, 0},
    {"tiff rgb 16 bits a sample", "convert ref.ppm -depth 16 out.tif", "tif", Make<SECTiff>, 24, 1},
    {"tiff ycbcr", "convert ref.ppm -colorspace YCbCr -compress none out.tif", "tif", Make<SECTiff>, 24, 3},
    {"tiff jpeg", "convert ref.ppm -compress jpeg -quality 90 out.tif", "tif", Make<SECTiff>, 24, 2},
    {"tiff strips", "convert ref.ppm -define tiff:rows-per-strip=4 out.tif", "tif", Make<SECTiff>, 24, 0},
    {"tiff tiles", "convert ref.ppm -define tiff:tile-geometry=16x16 out.tif", "tif", Make<SECTiff>, 24, 0},
    {"tiff planar", "convert ref.ppm -interlace plane out.tif", "tif", Make<SECTiff>, 24, 0},
    {"tiff planar tiles", "convert ref.ppm -interlace plane -define tiff:tile-geometry=16x16 out.tif", "tif", Make<SECTiff>, 24, 0},
    {"tiff bottom-left orientation", "convert ref.ppm -orient BottomLeft out.tif", "tif", Make<SECTiff>, 24, 0, true},
    // ImageMagick 6 writes and reads bottom-left Targa rows top row first; netpbm
    // follows the format there.
    {"targa 24 bits", "pamtotga -rgb -norle ref.ppm > out.tga", "tga", Make<SECTarga>, 24, 0, false, "tgatoppm"},
    {"targa 24 bits run-length", "pamtotga -rgb ref.ppm > out.tga", "tga", Make<SECTarga>, 24, 0, false, "tgatoppm"},
    {"targa 16 bits", "convert ref.ppm -depth 5 -orient TopLeft out.tga", "tga", Make<SECTarga>, 24, 1},
    {"targa 16 bits run-length", "convert ref.ppm -depth 5 -orient TopLeft -compress RLE out.tga", "tga", Make<SECTarga>, 24, 1},
    {"targa top-left origin", "convert ref.ppm -orient TopLeft out.tga", "tga", Make<SECTarga>, 24, 0},
    {"targa top-left run-length", "convert ref.ppm -orient TopLeft -compress RLE out.tga", "tga", Make<SECTarga>, 24, 0},
};

class ReaderWitness : public testing::TestWithParam<Variant> {};

// Every variant loads with the pixels ImageMagick decodes; the same file cut
// short is refused and leaves the picture loaded before it untouched.
TEST_P(ReaderWitness, LoadsWhatImageMagickDecodesAndRefusesItTruncated)
{
    const Variant& v = GetParam();
    ReferencePath();
    const std::string file = std::string("out.") + v.extension;
    std::filesystem::remove(quorrel_test::TestDirectory() / file);
    ASSERT_TRUE(image_witness::Run(v.command)) << v.command;
    const std::string path = (quorrel_test::TestDirectory() / file).string();
    Rgb expected = DecodeWith(path, v.witness);
    ASSERT_FALSE(expected.bytes.empty());
    if (v.bottomRowFirst)
        expected = FlippedVertically(expected);

    std::unique_ptr<SECImage> image = v.reader();
    ASSERT_TRUE(image->LoadFromPath(path));
    EXPECT_EQ(image->GetBitsPerPixel(), v.bits);
    const Rgb loaded = Pixels(*image);
    const int difference = MaxDifference(loaded, expected);
    EXPECT_GE(difference, 0);
    EXPECT_LE(difference, v.tolerance);

    std::vector<std::uint8_t> bytes = ReadFileBytes(path);
    bytes.resize(bytes.size() / 2);
    const std::string truncated = (quorrel_test::TestDirectory() / ("cut." + std::string(v.extension))).string();
    WriteFileBytes(truncated, bytes);
    EXPECT_FALSE(image->LoadFromPath(truncated));
    EXPECT_EQ(MaxDifference(Pixels(*image), loaded), 0);
}

INSTANTIATE_TEST_SUITE_P(Variants, ReaderWitness, testing::ValuesIn(kVariants),
    [](const testing::TestParamInfo<Variant>& info) {
        std::string name;
        for (const char* c = info.param.name; *c; ++c)
            name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return name;
    });

}  // namespace
