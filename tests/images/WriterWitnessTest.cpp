#include "ImageWitness.h"
#include "tests/support/TestEnvironment.h"

#include "images/SECDib.h"
#include "images/SECJpeg.h"
#include "images/SECPcx.h"
#include "images/SECTarga.h"
#include "images/SECTiff.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

using namespace image_witness;

namespace {

std::string TestPath(const std::string& name)
{
    return (quorrel_test::TestDirectory() / name).string();
}

template <class T>
std::unique_ptr<SECImage> LoadMade(const std::string& command, const std::string& name)
{
    ReferencePath();
    EXPECT_TRUE(image_witness::Run(command)) << command;
    auto image = std::make_unique<T>();
    EXPECT_TRUE(image->LoadFromPath(TestPath(name))) << name;
    return image;
}

struct Source {
    const char* name;
    std::function<std::unique_ptr<SECImage>()> load;
};

void PrintTo(const Source& source, std::ostream* out)
{
    *out << source.name;
}

const Source kSources[] = {
    {"bmp1", [] { return LoadMade<SECDib>("convert ref.ppm -monochrome -compress none BMP3:in.bmp", "in.bmp"); }},
    {"bmp4", [] { return LoadMade<SECDib>("convert ref.ppm -colors 16 -compress none BMP3:in.bmp", "in.bmp"); }},
    {"bmp8", [] { return LoadMade<SECDib>("convert ref.ppm -colors 200 -type palette -compress none BMP3:in.bmp", "in.bmp"); }},
    {"bmp24", [] { return LoadMade<SECDib>("convert ref.ppm -type truecolor BMP3:in.bmp", "in.bmp"); }},
    {"pcx8", [] { return LoadMade<SECPcx>("convert ref.ppm -colors 200 -type palette in.pcx", "in.pcx"); }},
    {"targa24", [] { return LoadMade<SECTarga>("pamtotga -rgb ref.ppm > in.tga", "in.tga"); }},
};

class BmpWriter : public testing::TestWithParam<Source> {};

// ImageMagick reads every BMP we write with our pixels exactly; bfSize is the
// file's length.
TEST_P(BmpWriter, ImageMagickReadsOurPixels)
{
    std::unique_ptr<SECImage> picture = GetParam().load();
    ASSERT_TRUE(picture->HasPicture());
    SECDib writer;
    ASSERT_TRUE(writer.CopyImage(*picture));
    const std::string out = TestPath("written.bmp");
    ASSERT_TRUE(writer.SaveToPath(out));
    EXPECT_EQ(MaxDifference(DecodeWith(out), Pixels(*picture)), 0);
    const std::vector<std::uint8_t> bytes = ReadFileBytes(out);
    ASSERT_GE(bytes.size(), 54u);
    EXPECT_EQ(bytes[2] | bytes[3] << 8 | bytes[4] << 16, static_cast<int>(bytes.size()));
    EXPECT_EQ(bytes[34] | bytes[35] << 8, 0);  // image size written as 0
}

class JpegWriter : public testing::TestWithParam<Source> {};

// At the export's quality 95 our JPEG decodes to what ImageMagick's own
// encoder makes of the same pixels with the same settings (quality 95, 2 x 2
// chroma sampling), palette pictures expanded through their palettes.
TEST_P(JpegWriter, MatchesImageMagicksEncodingAtQuality95)
{
    std::unique_ptr<SECImage> picture = GetParam().load();
    SECJpeg writer;
    ASSERT_TRUE(writer.CopyImage(*picture));
    writer.SetQuality(95);
    ASSERT_TRUE(writer.SaveToPath(TestPath("written.jpg")));
    SECDib bmp;
    ASSERT_TRUE(bmp.CopyImage(*picture));
    ASSERT_TRUE(bmp.SaveToPath(TestPath("written.bmp")));
    ASSERT_TRUE(image_witness::Run("convert written.bmp -quality 95 -sampling-factor 2x2 witness95.jpg"));
    const int difference = MaxDifference(DecodeWith(TestPath("written.jpg")), DecodeWith(TestPath("witness95.jpg")));
    EXPECT_GE(difference, 0);
    EXPECT_LE(difference, 2);
    // Saving left the picture as it was.
    EXPECT_EQ(MaxDifference(Pixels(writer), Pixels(*picture)), 0);
}

auto SourceName = [](const testing::TestParamInfo<Source>& info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(Sources, BmpWriter, testing::ValuesIn(kSources), SourceName);
INSTANTIATE_TEST_SUITE_P(Sources, JpegWriter, testing::ValuesIn(kSources), SourceName);

// A chart of flat colour areas: red stays red, and the JPEG export shows the
// colours of the BMP export.
TEST(JpegWriter, ChartColoursMatchTheBmpExport)
{
    // 16 x 16 blocks in red, green, blue, yellow, white, black, dark red, teal.
    const std::string ppm = TestPath("chart.ppm");
    {
        const unsigned char colours[8][3] = {
            {255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 0}, {255, 255, 255}, {0, 0, 0}, {128, 0, 0}, {0, 128, 128}};
        std::string text = "P6\n64 32\n255\n";
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 64; ++x)
                text.append(reinterpret_cast<const char*>(colours[(y / 16) * 4 + x / 16]), 3);
        WriteFileBytes(ppm, std::vector<std::uint8_t>(text.begin(), text.end()));
    }
    ASSERT_TRUE(image_witness::Run("convert chart.ppm BMP3:chart.bmp"));
    SECDib chart;
    ASSERT_TRUE(chart.LoadFromPath(TestPath("chart.bmp")));
    SECJpeg jpeg;
    ASSERT_TRUE(jpeg.CopyImage(chart));
    jpeg.SetQuality(95);
    ASSERT_TRUE(jpeg.SaveToPath(TestPath("chart.jpg")));
    ASSERT_TRUE(chart.SaveToPath(TestPath("export.bmp")));

    const Rgb asBmp = DecodeWith(TestPath("export.bmp"));
    EXPECT_EQ(MaxDifference(asBmp, DecodeWith(ppm)), 0);
    SECJpeg reread;
    ASSERT_TRUE(reread.LoadFromPath(TestPath("chart.jpg")));
    const Rgb asJpeg = DecodeWith(TestPath("chart.jpg"));
    EXPECT_EQ(MaxDifference(Pixels(reread), asJpeg), 0);
    // Inside every block (away from the edges, where chroma is interpolated)
    // ImageMagick and our reader see the BMP's colours: red where red was.
    ASSERT_EQ(asJpeg.bytes.size(), asBmp.bytes.size());
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 64; ++x) {
            if (x % 16 < 4 || x % 16 > 11 || y % 16 < 4 || y % 16 > 11)
                continue;
            for (int c = 0; c < 3; ++c) {
                const std::size_t i = static_cast<std::size_t>(3 * (y * 64 + x) + c);
                ASSERT_LE(std::abs(asJpeg.bytes[i] - asBmp.bytes[i]), 4) << x << ',' << y;
            }
        }
    }
}

TEST(Writers, RefuseWhatTheyCannotWrite)
{
    SECDib empty;
    EXPECT_FALSE(empty.SaveToPath(TestPath("empty.bmp")));
    std::unique_ptr<SECImage> picture = LoadMade<SECDib>("convert ref.ppm -type truecolor BMP3:in.bmp", "in.bmp");
    SECDib dib;
    SECJpeg jpeg;
    ASSERT_TRUE(dib.CopyImage(*picture));
    ASSERT_TRUE(jpeg.CopyImage(*picture));
    EXPECT_FALSE(dib.SaveToPath(TestPath("no/such/directory/out.bmp")));
    EXPECT_FALSE(jpeg.SaveToPath(TestPath("no/such/directory/out.jpg")));
    // A full disk: every write fails.
    if (std::filesystem::exists("/dev/full")) {
        EXPECT_FALSE(dib.SaveToPath("/dev/full"));
        EXPECT_FALSE(jpeg.SaveToPath("/dev/full"));
    }
    // No writers for the read-only formats.
    SECPcx pcx;
    SECTarga targa;
    SECTiff tiff;
    for (SECImage* image : std::initializer_list<SECImage*>{&pcx, &targa, &tiff}) {
        ASSERT_TRUE(image->CopyImage(*picture));
        EXPECT_FALSE(image->SaveToPath(TestPath("out.img")));
    }
}

// The descriptor of an open file, found by its path among the process's own.
int DescriptorOf(const std::string& path)
{
    const std::filesystem::path wanted = std::filesystem::canonical(path);
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code error;
        if (std::filesystem::read_symlink(entry.path(), error) == wanted)
            return std::stoi(entry.path().filename().string());
    }
    return -1;
}

// A close that fails (as it can when the disk fills up) is reported: a
// writer must not call a file written that may not be.
TEST(ImageFiles, AFailedCloseIsReported)
{
    ImageFile file;
    ASSERT_TRUE(file.Open(TestPath("closed.bmp"), ImageFile::Mode::Create));
    ASSERT_TRUE(file.Write("BM", 2));
    const int descriptor = DescriptorOf(TestPath("closed.bmp"));
    ASSERT_GE(descriptor, 0);
    ASSERT_EQ(::close(descriptor), 0);  // behind the file's back: its own close now fails
    EXPECT_FALSE(file.Close());
    EXPECT_FALSE(file.IsOpen());
    EXPECT_TRUE(file.Close()) << "closing a closed file is no error";
}

// Reading a FIFO would wait for a writer for ever, and a device need not end.
TEST(ImageFiles, ReadersRefuseWhatIsNoRegularFile)
{
    const std::string fifo = TestPath("picture.fifo");
    std::filesystem::remove(fifo);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const char* reader : {"SECDib", "SECJpeg", "SECPcx", "SECTiff", "SECTarga"}) {
        for (const std::string& path : {fifo, std::string("/dev/zero")})
            EXPECT_FALSE(SECRuntimeClass::CreateObject(reader)->LoadFromPath(path)) << reader << " " << path;
    }
    std::filesystem::remove(fifo);
}

// A 24-bit picture 3 pixels wide takes 12 bytes a row: bfSize = 54 + 12 x height.
TEST(BmpWriter, RowsOfWidthThreeArePadded)
{
    ASSERT_TRUE(image_witness::Run("convert -size 3x5 xc:red BMP3:narrow.bmp"));
    SECDib image;
    ASSERT_TRUE(image.LoadFromPath(TestPath("narrow.bmp")));
    EXPECT_EQ(image.GetStride(), 12);
    ASSERT_TRUE(image.SaveToPath(TestPath("narrow-out.bmp")));
    const std::vector<std::uint8_t> bytes = ReadFileBytes(TestPath("narrow-out.bmp"));
    EXPECT_EQ(bytes.size(), 54u + 12u * 5u);
    EXPECT_EQ(bytes[2], 54 + 12 * 5);
}

}  // namespace
