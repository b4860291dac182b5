#pragma once

#include <cstdint>

// The plain Windows value types the program's data and file formats are built on.

using COLORREF = std::uint32_t;  // red in bits 0-7, green 8-15, blue 16-23

constexpr COLORREF RGB(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return static_cast<COLORREF>(red) | (static_cast<COLORREF>(green) << 8) | (static_cast<COLORREF>(blue) << 16);
}
constexpr std::uint8_t GetRValue(COLORREF colour) { return static_cast<std::uint8_t>(colour & 0xFF); }
constexpr std::uint8_t GetGValue(COLORREF colour) { return static_cast<std::uint8_t>((colour >> 8) & 0xFF); }
constexpr std::uint8_t GetBValue(COLORREF colour) { return static_cast<std::uint8_t>((colour >> 16) & 0xFF); }

struct POINT {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

struct SIZE {
    std::int32_t cx = 0;
    std::int32_t cy = 0;
};

// Right and bottom are exclusive.
struct RECT {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

struct RGBQUAD {
    std::uint8_t rgbBlue = 0;
    std::uint8_t rgbGreen = 0;
    std::uint8_t rgbRed = 0;
    std::uint8_t rgbReserved = 0;
};

constexpr std::uint32_t BI_RGB = 0;
constexpr std::uint32_t BI_RLE8 = 1;
constexpr std::uint32_t BI_RLE4 = 2;
constexpr std::uint32_t BI_BITFIELDS = 3;

// The 40-byte header of a device-independent bitmap, in file order.
struct BITMAPINFOHEADER {
    std::uint32_t biSize = 40;
    std::int32_t biWidth = 0;
    std::int32_t biHeight = 0;  // positive: rows stored bottom-up
    std::uint16_t biPlanes = 1;
    std::uint16_t biBitCount = 0;
    std::uint32_t biCompression = BI_RGB;
    std::uint32_t biSizeImage = 0;
    std::int32_t biXPelsPerMeter = 0;
    std::int32_t biYPelsPerMeter = 0;
    std::uint32_t biClrUsed = 0;
    std::uint32_t biClrImportant = 0;
};
static_assert(sizeof(BITMAPINFOHEADER) == 40);

// The 14-byte header in front of a .BMP file, in file order (fields are
// unaligned in the file, so it is read and written field by field).
struct BITMAPFILEHEADER {
    std::uint16_t bfType = 0x4D42;  // "BM"
    std::uint32_t bfSize = 0;
    std::uint16_t bfReserved1 = 0;
    std::uint16_t bfReserved2 = 0;
    std::uint32_t bfOffBits = 0;
};

// Bytes in one row of a DIB: rows are padded to a multiple of 4 bytes.
constexpr std::int64_t DibRowBytes(std::int64_t width, int bitCount)
{
    return ((width * bitCount + 31) / 32) * 4;
}

// Mouse-message flags: the buttons and keys held during a mouse event.
constexpr unsigned MK_LBUTTON = 0x0001;
constexpr unsigned MK_RBUTTON = 0x0002;
constexpr unsigned MK_SHIFT = 0x0004;
constexpr unsigned MK_CONTROL = 0x0008;

// Virtual-key codes of the keys the editor reacts to.
constexpr unsigned VK_ESCAPE = 0x1B;
constexpr unsigned VK_LEFT = 0x25;
constexpr unsigned VK_UP = 0x26;
constexpr unsigned VK_RIGHT = 0x27;
constexpr unsigned VK_DOWN = 0x28;
constexpr unsigned VK_DELETE = 0x2E;
