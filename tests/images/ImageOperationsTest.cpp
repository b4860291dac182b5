#include "ImageWitness.h"
#include "tests/support/TestEnvironment.h"

#include "images/CODDib.h"
#include "images/ImageMemoryStream.h"
#include "images/PictureReaders.h"
#include "images/SECDib.h"
#include "images/SECJpeg.h"
#include "images/SECPcx.h"
#include "images/SECTarga.h"
#include "images/SECTiff.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

using namespace image_witness;

namespace {

std::string TestPath(const std::string& name)
{
    return (quorrel_test::TestDirectory() / name).string();
}

// Makes a file from ref.ppm with the command (which writes `name`) and returns its path.
std::string Make(const std::string& command, const std::string& name)
{
    ReferencePath();
    std::filesystem::remove(TestPath(name));
    EXPECT_TRUE(image_witness::Run(command)) << command;
    return TestPath(name);
}

struct BmpDepth {
    int bits;
    const char* command;
};

const BmpDepth kBmpDepths[] = {
    {1, "convert ref.ppm -monochrome -compress none BMP3:in.bmp"},
    {4, "convert ref.ppm -colors 16 -compress none BMP3:in.bmp"},
    {8, "convert ref.ppm -colors 200 -type palette -compress none BMP3:in.bmp"},
    {24, "convert ref.ppm -type truecolor BMP3:in.bmp"},
};

class RowOperations : public testing::TestWithParam<BmpDepth> {};

// Mirroring and flipping agree with ImageMagick's -flop and -flip at every
// depth; packing and aligning again gives the same picture.
TEST_P(RowOperations, AgreeWithImageMagick)
{
    const std::string path = Make(GetParam().command, "in.bmp");
    SECDib image;
    ASSERT_TRUE(image.LoadFromPath(path));
    ASSERT_EQ(image.GetBitsPerPixel(), GetParam().bits);
    const Rgb original = Pixels(image);

    ASSERT_TRUE(image.MirrorRows());
    ASSERT_TRUE(image_witness::Run("convert in.bmp -flop BMP3:flop.bmp"));
    EXPECT_EQ(MaxDifference(Pixels(image), DecodeWith(TestPath("flop.bmp"))), 0);
    ASSERT_TRUE(image.MirrorRows());

    ASSERT_TRUE(image.FlipVertical());
    ASSERT_TRUE(image_witness::Run("convert in.bmp -flip BMP3:flip.bmp"));
    EXPECT_EQ(MaxDifference(Pixels(image), DecodeWith(TestPath("flip.bmp"))), 0);
    ASSERT_TRUE(image.FlipVertical());

    ASSERT_TRUE(image.PackRows());
    EXPECT_FALSE(image.AreRowsAligned());
    EXPECT_EQ(image.GetPixels().size(), static_cast<std::size_t>(((GetParam().bits * 37 - 1) / 8 + 1) * 23));
    // Flipping packed rows aligns them first.
    ASSERT_TRUE(image.FlipVertical());
    EXPECT_TRUE(image.AreRowsAligned());
    ASSERT_TRUE(image.FlipVertical());
    EXPECT_EQ(MaxDifference(Pixels(image), original), 0);
}

INSTANTIATE_TEST_SUITE_P(Depths, RowOperations, testing::ValuesIn(kBmpDepths),
    [](const testing::TestParamInfo<BmpDepth>& info) { return "bits" + std::to_string(info.param.bits); });

std::vector<std::uint8_t> FileBytes(const std::string& path)
{
    return ReadFileBytes(path);
}

void Put16(std::vector<std::uint8_t>& bytes, std::size_t at, unsigned value)
{
    bytes[at] = static_cast<std::uint8_t>(value);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(std::vector<std::uint8_t>& bytes, std::size_t at, unsigned value)
{
    Put16(bytes, at, value & 0xFFFF);
    Put16(bytes, at + 2, value >> 16);
}

// Rewrites a value held in an entry of the first IFD of a little-endian TIFF.
void SetTiffTag(std::vector<std::uint8_t>& tiff, unsigned tag, unsigned value)
{
    auto get16 = [&](std::size_t at) { return static_cast<unsigned>(tiff[at] | tiff[at + 1] << 8); };
    const std::size_t ifd = get16(4) | get16(6) << 16;
    for (unsigned i = 0; i < get16(ifd); ++i) {
        const std::size_t entry = ifd + 2 + 12 * i;
        if (get16(entry) == tag) {
            if (get16(entry + 2) == 3)
                Put16(tiff, entry + 8, value);
            else
                Put32(tiff, entry + 8, value);
        }
    }
}

void SetTiffSize(std::vector<std::uint8_t>& tiff, unsigned width, unsigned height)
{
    SetTiffTag(tiff, 256, width);
    SetTiffTag(tiff, 257, height);
}

// Sets the frame size in a JPEG's start-of-frame marker.
void SetJpegSize(std::vector<std::uint8_t>& jpeg, unsigned width, unsigned height)
{
    for (std::size_t i = 2; i + 9 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && (jpeg[i + 1] == 0xC0 || jpeg[i + 1] == 0xC2)) {
            jpeg[i + 5] = static_cast<std::uint8_t>(height >> 8);
            jpeg[i + 6] = static_cast<std::uint8_t>(height);
            jpeg[i + 7] = static_cast<std::uint8_t>(width >> 8);
            jpeg[i + 8] = static_cast<std::uint8_t>(width);
            return;
        }
    }
    ADD_FAILURE() << "no start-of-frame marker";
}

struct Refusal {
    const char* name;
    const char* command;  // writes in.<extension> from ref.ppm
    const char* extension;
    std::function<std::unique_ptr<SECImage>()> reader;
    std::function<void(std::vector<std::uint8_t>&)> damage;  // none: refused as made
};

template <class T>
std::unique_ptr<SECImage> New()
{
    return std::make_unique<T>();
}

const Refusal kRefusals[] = {
    {"bmp claiming 60000 x 60000", "convert ref.ppm BMP3:in.bmp", "bmp", New<SECDib>,
        [](auto& b) { Put32(b, 18, 60000); Put32(b, 22, 60000); }},
    {"bmp claiming the largest size there is", "convert ref.ppm BMP3:in.bmp", "bmp", New<SECDib>,
        [](auto& b) { Put32(b, 18, 0x7FFFFFFF); Put32(b, 22, 0x7FFFFFFF); }},
    {"bmp run-length coded", "convert ref.ppm -colors 200 -type palette -compress rle BMP3:in.bmp", "bmp", New<SECDib>, nullptr},
    {"bmp core header", "convert ref.ppm BMP2:in.bmp", "bmp", New<SECDib>, nullptr},
    {"bmp palette larger than the depth", "convert ref.ppm -colors 16 -compress none BMP3:in.bmp", "bmp", New<SECDib>,
        [](auto& b) { Put32(b, 46, 17); }},
    {"jpeg claiming 60000 x 60000", "convert ref.ppm in.jpg", "jpg", New<SECJpeg>,
        [](auto& b) { SetJpegSize(b, 60000, 60000); }},
    {"jpeg without its image", "convert ref.ppm in.jpg", "jpg", New<SECJpeg>, [](auto& b) { b.resize(200); }},
    {"jpeg in cmyk", "convert ref.ppm -colorspace CMYK in.jpg", "jpg", New<SECJpeg>, nullptr},
    {"pcx claiming 60000 x 60000", "convert ref.ppm in.pcx", "pcx", New<SECPcx>,
        [](auto& b) { Put16(b, 8, 59999); Put16(b, 10, 59999); Put16(b, 66, 60000); }},
    {"pcx lines shorter than the width", "convert ref.ppm in.pcx", "pcx", New<SECPcx>, [](auto& b) { Put16(b, 66, 36); }},
    {"pcx of 8 bits in 2 planes", "convert ref.ppm in.pcx", "pcx", New<SECPcx>, [](auto& b) { b[65] = 2; }},
    {"pcx not run-length coded", "convert ref.ppm in.pcx", "pcx", New<SECPcx>, [](auto& b) { b[2] = 0; }},
    {"tiff claiming 60000 x 60000", "convert ref.ppm -compress none in.tif", "tif", New<SECTiff>,
        [](auto& b) { SetTiffSize(b, 60000, 60000); }},
    {"tiff of absurd sample sizes and counts", "convert ref.ppm -colorspace Gray -depth 8 -compress none in.tif", "tif",
        New<SECTiff>, [](auto& b) { SetTiffTag(b, 258, 65288); SetTiffTag(b, 277, 65280); }},
    {"tiff of one 16-bit sample", "convert ref.ppm -colorspace Gray -depth 16 in.tif", "tif", New<SECTiff>, nullptr},
    {"tiff of two 8-bit samples", "convert ref.ppm -colorspace Gray -alpha set -depth 8 in.tif", "tif", New<SECTiff>, nullptr},
    {"tiff separated (cmyk)", "convert ref.ppm -colorspace CMYK in.tif", "tif", New<SECTiff>, nullptr},
    {"targa claiming 60000 x 60000", "pamtotga -rgb -norle ref.ppm > in.tga", "tga", New<SECTarga>,
        [](auto& b) { Put16(b, 12 , 60000); Put16(b, 14, 60000); }},
    {"targa run-length claiming 60000 x 60000", "pamtotga -rgb ref.ppm > in.tga", "tga", New<SECTarga>,
        [](auto& b) { Put16(b, 12, 60000); Put16(b, 14, 60000); }},
    {"targa run-length packet past the row", "pamtotga -rgb -norle ref.ppm > in.tga", "tga", New<SECTarga>,
        [](auto& b) {
            // Two pixels a row, a first packet of three.
            const std::size_t id = b[0];
            b[2] = 10;
            Put16(b, 12, 2);
            Put16(b, 14, 1);
            b.resize(18 + id);
            b.insert(b.end(), {0x82, 1, 2, 3});
        }},
    {"targa of 8-bit colour-mapped pixels", "convert ref.ppm -colors 16 -type palette in.tga", "tga", New<SECTarga>, nullptr},
};

void PrintTo(const Refusal& refusal, std::ostream* out)
{
    *out << refusal.name;
}

class Refusals : public testing::TestWithParam<Refusal> {};

// Each is refused, quickly and without a large allocation, and the picture
// held before stays.
TEST_P(Refusals, RefuseAndKeepThePreviousPicture)
{
    const Refusal& r = GetParam();
    const std::string file = std::string("in.") + r.extension;
    const std::string path = Make(r.command, file);
    if (r.damage) {
        std::vector<std::uint8_t> bytes = FileBytes(path);
        r.damage(bytes);
        WriteFileBytes(path, bytes);
    }
    const std::string previous = Make("convert ref.ppm -type truecolor BMP3:previous.bmp", "previous.bmp");
    std::unique_ptr<SECImage> image = r.reader();
    ImageFile file_;
    ASSERT_TRUE(file_.Open(previous, ImageFile::Mode::Read));
    SECDib dib;
    ASSERT_TRUE(dib.LoadFromFile(file_));
    ASSERT_TRUE(image->CopyImage(dib));
    const Rgb before = Pixels(*image);

    // The readers answer by their result alone: a chart run must not spill library messages.
    testing::internal::CaptureStderr();
    EXPECT_FALSE(image->LoadFromPath(path));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(MaxDifference(Pixels(*image), before), 0);
}

INSTANTIATE_TEST_SUITE_P(Files, Refusals, testing::ValuesIn(kRefusals),
    [](const testing::TestParamInfo<Refusal>& info) {
        std::string name;
        for (const char* c = info.param.name; *c; ++c)
            name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return name;
    });

// LoadPicture tries BMP, JPEG, PCX, TIFF and Targa in turn and takes the
// first that loads: each file must be taken by its own reader, whatever its
// name says, and a file no reader takes gives none.
TEST(ReaderOrder, EachFileIsTakenByItsOwnReader)
{
    struct File {
        const char* command;
        const char* name;
        const char* reader;
    };
    const File files[] = {
        {"convert ref.ppm BMP3:bmp.jpg", "bmp.jpg", "SECDib"},
        {"convert ref.ppm jpeg:jpeg.bmp", "jpeg.bmp", "SECJpeg"},
        {"convert ref.ppm pcx:pcx.tif", "pcx.tif", "SECPcx"},
        {"convert ref.ppm tiff:tiff.pcx", "tiff.pcx", "SECTiff"},
        {"pamtotga -rgb ref.ppm > targa.bmp", "targa.bmp", "SECTarga"},
        {"printf 'not a picture' > text.bmp", "text.bmp", ""},
    };
    for (const File& f : files) {
        const std::string path = Make(f.command, f.name);
        // Every picture that is not a TIFF file passes the TIFF reader on its way, quietly.
        testing::internal::CaptureStderr();
        const std::unique_ptr<SECImage> image = LoadPicture(path);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << f.name;
        EXPECT_EQ(image ? image->GetRuntimeClass().m_lpszClassName : "", std::string(f.reader)) << f.name;
    }
    EXPECT_EQ(SECRuntimeClass::CreateObject("CODDib")->GetRuntimeClass().m_lpszClassName, std::string("CODDib"));
    EXPECT_EQ(SECRuntimeClass::CreateObject("SECImage"), nullptr);
}

TEST(JpegReader, GreyPicturesHaveEqualBlueGreenAndRed)
{
    SECJpeg image;
    ASSERT_TRUE(image.LoadFromPath(Make("convert ref.ppm -colorspace Gray grey.jpg", "grey.jpg")));
    ASSERT_EQ(image.GetBitsPerPixel(), 24);
    const Rgb pixels = Pixels(image);
    for (std::size_t i = 0; i < pixels.bytes.size(); i += 3) {
        ASSERT_EQ(pixels.bytes[i], pixels.bytes[i + 1]);
        ASSERT_EQ(pixels.bytes[i], pixels.bytes[i + 2]);
    }
}

// A 16 x 16 grey progressive JPEG made with libjpeg, its last scan repeated
// until the file holds `scans` scans (decoders take a repeated scan with a
// warning, and each one is a pass over the whole picture).
std::vector<std::uint8_t> ProgressiveJpegWithScans(int scans)
{
    constexpr int kSide = 16;
    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* encoded = nullptr;
    unsigned long encodedSize = 0;
    jpeg_mem_dest(&cinfo, &encoded, &encodedSize);
    cinfo.image_width = kSide;
    cinfo.image_height = kSide;
    cinfo.input_components = 1;
    cinfo.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&cinfo);
    jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(kSide);
    while (cinfo.next_scanline < kSide) {
        for (int x = 0; x < kSide; ++x)
            row[static_cast<std::size_t>(x)] = static_cast<JSAMPLE>((x * 16 + cinfo.next_scanline * 5) & 0xFF);
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::vector<std::uint8_t> bytes(encoded, encoded + encodedSize);
    jpeg_destroy_compress(&cinfo);
    std::free(encoded);

    // Markers cannot occur inside entropy-coded data, so each FF DA starts a scan.
    std::size_t lastScan = 0;
    int made = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
        if (bytes[i] == 0xFF && bytes[i + 1] == 0xDA) {
            lastScan = i;
            ++made;
        }
    }
    const std::vector<std::uint8_t> scan(bytes.begin() + static_cast<std::ptrdiff_t>(lastScan), bytes.end() - 2);
    for (; made < scans; ++made)
        bytes.insert(bytes.end() - 2, scan.begin(), scan.end());
    return bytes;
}

// Each repeated scan costs a pass over the picture: beyond the limit the
// picture is refused and the one held before stays.
TEST(JpegReader, RefusesMoreScansThanAnyEncoderWrites)
{
    SECJpeg image;
    WriteFileBytes(TestPath("scans.jpg"), ProgressiveJpegWithScans(SECJpeg::kMaxScans));
    ASSERT_TRUE(image.LoadFromPath(TestPath("scans.jpg")));
    ASSERT_EQ(image.GetWidth(), 16);
    const Rgb before = Pixels(image);

    const std::vector<std::uint8_t> tooMany = ProgressiveJpegWithScans(SECJpeg::kMaxScans + 1);
    EXPECT_LT(tooMany.size(), std::size_t{100000}) << "a small fixture";
    WriteFileBytes(TestPath("scans.jpg"), tooMany);
    EXPECT_FALSE(image.LoadFromPath(TestPath("scans.jpg")));
    EXPECT_EQ(MaxDifference(Pixels(image), before), 0);
}

// A monochrome PCX has no 256-colour palette: the grey ramp makes set bits
// white and clear ones black, also when the header palette is all black.
TEST(PcxReader, MonochromeUsesTheGreyRamp)
{
    const std::string path = Make("convert ref.ppm -monochrome pbm:- | ppmtopcx > mono.pcx", "mono.pcx");
    SECPcx image;
    ASSERT_TRUE(image.LoadFromPath(path));
    const Rgb asMade = Pixels(image);
    EXPECT_EQ(image.GetBitsPerPixel(), 8);
    EXPECT_EQ(image.GetInfoHeader().biClrUsed, 256u);
    EXPECT_EQ(image.GetPaletteEntry(255).rgbRed, 255);
    EXPECT_EQ(image.GetPaletteEntry(0).rgbRed, 0);
    EXPECT_EQ(image.GetPaletteEntry(100).rgbGreen, 100);

    std::vector<std::uint8_t> bytes = FileBytes(path);
    std::fill(bytes.begin() + 16, bytes.begin() + 64, 0);
    WriteFileBytes(path, bytes);
    ASSERT_TRUE(image.LoadFromPath(path));
    EXPECT_EQ(MaxDifference(Pixels(image), asMade), 0);
}

// A TGA 2 footer with extension area, developer directory, scan-line table,
// postage stamp and colour-correction table changes nothing in the pixels;
// right-to-left rows are mirrored.
TEST(TargaReader, Tga2SectionsAndRightToLeftRows)
{
    const std::string path = Make("pamtotga -rgb -norle ref.ppm > tga1.tga", "tga1.tga");
    SECTarga tga1;
    ASSERT_TRUE(tga1.LoadFromPath(path));
    EXPECT_EQ(tga1.GetAuthorName(), "");

    std::vector<std::uint8_t> bytes = FileBytes(path);
    const auto developer = static_cast<unsigned>(bytes.size());
    bytes.insert(bytes.end(), {1, 0, 0x10, 0x80, 0, 0, 0, 0, 0, 0, 0, 0});  // one tag, no data
    const auto scanLines = static_cast<unsigned>(bytes.size());
    bytes.resize(bytes.size() + 4 * 23);
    const auto stamp = static_cast<unsigned>(bytes.size());
    bytes.insert(bytes.end(), {2, 1, 9, 9, 9, 8, 8, 8});
    const auto correction = static_cast<unsigned>(bytes.size());
    bytes.resize(bytes.size() + 4096);
    const auto extension = static_cast<unsigned>(bytes.size());
    bytes.resize(bytes.size() + 495);
    Put16(bytes, extension, 495);
    const std::string author = "Jane Doe";
    std::copy(author.begin(), author.end(), bytes.begin() + extension + 2);
    const std::string software = "Quorrel test";
    std::copy(software.begin(), software.end(), bytes.begin() + extension + 426);
    Put32(bytes, extension + 482, correction);
    Put32(bytes, extension + 486, stamp);
    Put32(bytes, extension + 490, scanLines);
    bytes.resize(bytes.size() + 8);
    Put32(bytes, bytes.size() - 8, extension);
    Put32(bytes, bytes.size() - 4, developer);
    const char signature[] = "TRUEVISION-XFILE.";
    bytes.insert(bytes.end(), signature, signature + sizeof signature);
    const std::string tga2Path = TestPath("tga2.tga");
    WriteFileBytes(tga2Path, bytes);

    SECTarga tga2;
    ASSERT_TRUE(tga2.LoadFromPath(tga2Path));
    EXPECT_EQ(tga2.GetAuthorName(), author);
    EXPECT_EQ(tga2.GetSoftwareId(), software);
    EXPECT_EQ(MaxDifference(Pixels(tga2), Pixels(tga1)), 0);

    // A section that lies beyond the end of the file makes the file malformed.
    std::vector<std::uint8_t> broken = bytes;
    Put32(broken, extension + 490, static_cast<unsigned>(broken.size()));
    WriteFileBytes(tga2Path, broken);
    EXPECT_FALSE(tga2.LoadFromPath(tga2Path));

    bytes[17] |= 0x10;
    WriteFileBytes(tga2Path, bytes);
    ASSERT_TRUE(tga2.LoadFromPath(tga2Path));
    ASSERT_TRUE(tga1.MirrorRows());
    EXPECT_EQ(MaxDifference(Pixels(tga2), Pixels(tga1)), 0);
}

// The archive form is a BMP file image; loading reads exactly the picture and
// nothing after it, and a bad one keeps the previous picture.
TEST(ArchiveForm, RoundTripsAndStopsAtThePictureEnd)
{
    SECDib source;
    ASSERT_TRUE(source.LoadFromPath(Make("convert ref.ppm -colors 16 -compress none BMP3:in.bmp", "in.bmp")));
    ImageMemoryStream stored;
    ASSERT_TRUE(source.Serialize(stored));
    std::vector<std::uint8_t> bytes = stored.GetStored();
    ASSERT_EQ(bytes.size(), 14u + 40u + 64u + 20u * 23u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[2] | bytes[3] << 8, static_cast<int>(bytes.size()));
    bytes.insert(bytes.end(), {'N', 'E', 'X', 'T'});

    SECJpeg loaded;  // any image class holds the archive form
    ImageMemoryStream in(bytes.data(), bytes.size());
    ASSERT_TRUE(loaded.Serialize(in));
    EXPECT_EQ(MaxDifference(Pixels(loaded), Pixels(source)), 0);
    EXPECT_EQ(loaded.GetHeaderBlock(), source.GetHeaderBlock());
    ASSERT_NE(loaded.GetPalette(), nullptr);
    EXPECT_EQ(loaded.GetPalette()->GetEntries().size(), 16u);
    char next[4];
    ASSERT_EQ(in.Read(next, 4), 4u);
    EXPECT_EQ(std::string(next, 4), "NEXT");

    bytes[0] = 'X';
    ImageMemoryStream bad(bytes.data(), bytes.size());
    EXPECT_FALSE(loaded.Serialize(bad));
    const std::size_t cut = bytes.size() / 2;
    bytes[0] = 'B';
    ImageMemoryStream shortened(bytes.data(), cut);
    EXPECT_FALSE(loaded.Serialize(shortened));
    EXPECT_EQ(MaxDifference(Pixels(loaded), Pixels(source)), 0);
}

TEST(ImageCopies, CopyIsDeepAndTakeEmptiesTheOther)
{
    SECDib source;
    ASSERT_TRUE(source.LoadFromPath(Make("convert ref.ppm -colors 200 -type palette -compress none BMP3:in.bmp", "in.bmp")));
    const Rgb original = Pixels(source);

    SECPcx copy;
    ASSERT_TRUE(copy.CopyImage(source));
    ASSERT_TRUE(copy.MirrorRows());
    EXPECT_EQ(MaxDifference(Pixels(source), original), 0);
    ASSERT_NE(copy.GetPalette(), nullptr);
    EXPECT_EQ(copy.GetPalette()->GetEntries().size(), 256u);

    SECTarga taken;
    ASSERT_TRUE(taken.TakeImage(source));
    EXPECT_EQ(MaxDifference(Pixels(taken), original), 0);
    EXPECT_FALSE(source.HasPicture());
    EXPECT_EQ(source.GetWidth(), 0);
    EXPECT_EQ(source.GetPalette(), nullptr);
}

// The program's own bitmap resources are packed bitmaps: a BMP file without
// its 14-byte file header.
TEST(CODDibResources, LoadsAPackedBitmapByName)
{
    const std::string path = Make("convert ref.ppm -colors 16 -compress none BMP3:in.bmp", "in.bmp");
    SECDib file;
    ASSERT_TRUE(file.LoadFromPath(path));
    const std::vector<std::uint8_t> bytes = FileBytes(path);
    CODDib::RegisterResource("PICTURE", std::vector<std::uint8_t>(bytes.begin() + 14, bytes.end()));

    CODDib resource;
    EXPECT_FALSE(resource.LoadFromResource("MISSING"));
    ASSERT_TRUE(resource.LoadFromResource("PICTURE"));
    EXPECT_EQ(MaxDifference(Pixels(resource), Pixels(file)), 0);
    EXPECT_FALSE(resource.LoadFromPackedBitmap(bytes.data() + 14, 100));
    EXPECT_EQ(MaxDifference(Pixels(resource), Pixels(file)), 0);
}

}  // namespace
