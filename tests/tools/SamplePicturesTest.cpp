#include "images/SECDib.h"
#include "images/SECJpeg.h"
#include "images/SECPcx.h"
#include "images/SECTarga.h"
#include "images/SECTiff.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 60;
constexpr int kHeight = 80;
constexpr int kTrueColourBits = 24;

struct Reader {
    const char* name;
    std::function<std::unique_ptr<SECImage>()> make;
};

// The readers in the order the program tries them for a box picture.
const std::vector<Reader> kReaders = {
    {"SECDib", [] { return std::make_unique<SECDib>(); }},
    {"SECJpeg", [] { return std::make_unique<SECJpeg>(); }},
    {"SECPcx", [] { return std::make_unique<SECPcx>(); }},
    {"SECTiff", [] { return std::make_unique<SECTiff>(); }},
    {"SECTarga", [] { return std::make_unique<SECTarga>(); }},
};

struct Picture {
    const char* file;
    const char* reader;
};

// The sample project's pictures, drawn at build time, are each read by the reader of their format.
TEST(SamplePicturesTest, EachPictureIsReadByTheReaderOfItsFormat)
{
    const Picture pictures[] = {{"johann-heinrich.bmp", "SECDib"}, {"kari.jpg", "SECJpeg"},
                                {"heinrich.pcx", "SECPcx"},        {"rosa.tif", "SECTiff"},
                                {"emil.tga", "SECTarga"}};
    const std::filesystem::path directory(SAMPLE_PICTURES);
    if (!std::filesystem::exists(directory / pictures[0].file))
        GTEST_SKIP() << "the build draws the sample pictures only where ImageMagick is installed";
    for (const Picture& picture : pictures) {
        SCOPED_TRACE(picture.file);
        const std::string path = (directory / picture.file).string();
        std::string reader;
        std::unique_ptr<SECImage> image;
        for (const Reader& r : kReaders) {
            image = r.make();
            if (image->LoadFromPath(path)) {
                reader = r.name;
                break;
            }
        }
        EXPECT_EQ(reader, picture.reader);
        ASSERT_FALSE(reader.empty());
        EXPECT_EQ(image->GetWidth(), kWidth);
        EXPECT_EQ(image->GetHeight(), kHeight);

        // Each portrait is light at the top and dark at the bottom: a file whose rows are stored
        // the other way round from what its header says shows the person upside down.
        ASSERT_EQ(image->GetBitsPerPixel(), kTrueColourBits);
        const std::vector<std::uint8_t>& pixels = image->GetPixels();
        const std::size_t stride = pixels.size() / kHeight;
        const auto brightness = [&pixels](std::size_t at) { return pixels[at] + pixels[at + 1] + pixels[at + 2]; };
        EXPECT_GT(brightness((kHeight - 1) * stride), brightness(0)) << "the top row is the lighter one";
    }
}

}  // namespace
