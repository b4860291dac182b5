#pragma once

#include "images/SECImage.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Pictures made and decoded by an independent witness (ImageMagick, netpbm),
// and our own pictures in the same top-down RGB form for comparison.
namespace image_witness {

struct Rgb {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint8_t> bytes;  // top-down rows, red, green, blue
};

// The reference picture: 37 x 23 pixels (odd width, so rows need padding),
// every pixel a different colour. Written once as ref.ppm in the test directory.
std::string ReferencePath();

// Runs a shell command in the test directory; true when it exits with 0.
bool Run(const std::string& command);

// What ImageMagick decodes from the file (first frame, no orientation
// applied), or the netpbm tool when one is named (pcxtoppm, tgatoppm: where
// ImageMagick 6 gets a format wrong, netpbm is the witness).
Rgb DecodeWith(const std::string& path, const char* netpbmTool = nullptr);

// The picture held by an image, palette expanded.
Rgb Pixels(const SECImage& image);

Rgb FlippedVertically(const Rgb& picture);

// The largest difference of one channel value; -1 when the sizes differ.
int MaxDifference(const Rgb& a, const Rgb& b);

std::vector<std::uint8_t> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace image_witness
