#include "ImageWitness.h"

#include "tests/support/TestEnvironment.h"
#include "tests/support/TestFiles.h"

#include <cstdlib>
#include <iterator>
#include <sstream>

namespace image_witness {

std::string ReferencePath()
{
    const std::filesystem::path path = quorrel_test::TestDirectory() / "ref.ppm";
    if (!std::filesystem::exists(path)) {
        const int width = 37;
        const int height = 23;
        std::ostringstream ppm;
        ppm << "P6\n" << width << ' ' << height << "\n255\n";
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                ppm << static_cast<char>((x * 7) & 255) << static_cast<char>((y * 11) & 255)
                    << static_cast<char>((x * y * 3) & 255);
        const std::string text = ppm.str();
        WriteFileBytes(path.string(), std::vector<std::uint8_t>(text.begin(), text.end()));
    }
    return path.string();
}

bool Run(const std::string& command)
{
    const std::string inDirectory = "cd '" + quorrel_test::TestDirectory().string() + "' && " + command;
    return std::system(inDirectory.c_str()) == 0;
}

namespace {

// A binary PPM (P6, 8 bits), comments skipped.
Rgb ReadPpm(const std::string& path)
{
    const std::vector<std::uint8_t> data = ReadFileBytes(path);
    std::size_t at = 0;
    auto token = [&] {
        std::string word;
        while (at < data.size()) {
            const char c = static_cast<char>(data[at]);
            if (c == '#') {
                while (at < data.size() && data[at] != '\n')
                    ++at;
            } else if (std::isspace(static_cast<unsigned char>(c))) {
                if (!word.empty())
                    break;
                ++at;
            } else {
                word += c;
                ++at;
            }
        }
        return word;
    };
    const std::string magic = token();
    Rgb picture;
    picture.width = std::atoi(token().c_str());
    picture.height = std::atoi(token().c_str());
    const std::string maxValue = token();
    picture.bytes.assign(data.begin() + static_cast<std::ptrdiff_t>(std::min(at + 1, data.size())), data.end());
    if (magic != "P6" || maxValue != "255" || picture.bytes.size() != 3u * picture.width * picture.height)
        return {};
    return picture;
}

}  // namespace

Rgb DecodeWith(const std::string& path, const char* netpbmTool)
{
    const std::string out = (quorrel_test::TestDirectory() / "witness.ppm").string();
    std::filesystem::remove(out);
    const std::string command = netpbmTool != nullptr ? std::string(netpbmTool) + " '" + path + "' > '" + out + "' 2>/dev/null"
                                                      : "convert '" + path + "[0]' -depth 8 ppm:'" + out + "'";
    if (!Run(command))
        return {};
    return ReadPpm(out);
}

Rgb Pixels(const SECImage& image)
{
    Rgb picture;
    if (!image.HasPicture() || !image.AreRowsAligned())
        return picture;
    picture.width = image.GetWidth();
    picture.height = image.GetHeight();
    const int bits = image.GetBitsPerPixel();
    const auto stride = static_cast<std::size_t>(image.GetStride());
    for (std::int32_t y = picture.height - 1; y >= 0; --y) {
        const std::uint8_t* row = image.GetPixels().data() + static_cast<std::size_t>(y) * stride;
        for (std::int32_t x = 0; x < picture.width; ++x) {
            if (bits == 24) {
                picture.bytes.insert(picture.bytes.end(), {row[3 * x + 2], row[3 * x + 1], row[3 * x]});
                continue;
            }
            const int perByte = 8 / bits;
            const int index = (row[x / perByte] >> (8 - bits * (x % perByte + 1))) & ((1 << bits) - 1);
            const RGBQUAD colour = image.GetPaletteEntry(index);
            picture.bytes.insert(picture.bytes.end(), {colour.rgbRed, colour.rgbGreen, colour.rgbBlue});
        }
    }
    return picture;
}

Rgb FlippedVertically(const Rgb& picture)
{
    Rgb flipped = picture;
    const auto row = static_cast<std::size_t>(3 * picture.width);
    for (std::int32_t y = 0; y < picture.height; ++y)
        std::copy_n(picture.bytes.begin() + static_cast<std::ptrdiff_t>(y * row), row,
            flipped.bytes.begin() + static_cast<std::ptrdiff_t>((picture.height - 1 - y) * row));
    return flipped;
}

int MaxDifference(const Rgb& a, const Rgb& b)
{
    if (a.width != b.width || a.height != b.height || a.bytes.size() != b.bytes.size() || a.bytes.empty())
        return -1;
    int worst = 0;
    for (std::size_t i = 0; i < a.bytes.size(); ++i)
        worst = std::max(worst, std::abs(a.bytes[i] - b.bytes[i]));
    return worst;
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path)
{
    const std::string bytes = quorrel_test::ReadFile(path);
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

void WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    quorrel_test::WriteFile(path, std::string(bytes.begin(), bytes.end()));
}

}  // namespace image_witness
