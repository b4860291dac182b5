#include "platform/DibDecoding.h"

#include "platform/BitmapPixels.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

constexpr long long kMaxDibPixels = 1LL << 28;

}  // namespace

QImage DecodeDib(const void* bits, const BITMAPINFOHEADER* info)
{
    if (!bits || !info || info->biWidth <= 0 || info->biHeight == 0 || info->biCompression != BI_RGB)
        return {};
    const int width = info->biWidth;
    const long long height = std::llabs(static_cast<long long>(info->biHeight));
    const int bitCount = info->biBitCount;
    if (width * height > kMaxDibPixels)
        return {};
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
        return {};
    std::vector<QRgb> colours;
    if (bitCount <= 8) {
        const std::uint32_t count = info->biClrUsed ? std::min<std::uint32_t>(info->biClrUsed, 1u << bitCount)
                                                    : (1u << bitCount);
        const auto* table = reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const std::uint8_t*>(info) + info->biSize);
        for (std::uint32_t i = 0; i < count; ++i)
            colours.push_back(qRgb(table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue));
        colours.resize(1u << bitCount, qRgb(0, 0, 0));
    }
    const auto stride = DibRowBytes(width, bitCount);
    const bool bottomUp = info->biHeight > 0;
    QImage image(width, static_cast<int>(height), QImage::Format_RGB32);
    for (int row = 0; row < image.height(); ++row) {
        const auto* source = static_cast<const std::uint8_t*>(bits) + (bottomUp ? height - 1 - row : row) * stride;
        auto* target = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int x = 0; x < width; ++x) {
            switch (bitCount) {
            case 1:
                target[x] = colours[(source[x / 8] >> (7 - x % 8)) & 1];
                break;
            case 4:
                target[x] = colours[(source[x / 2] >> (x % 2 ? 0 : 4)) & 0x0F];
                break;
            case 8:
                target[x] = colours[source[x]];
                break;
            case 16: {
                const int value = source[2 * x] | (source[2 * x + 1] << 8);
                target[x] = qRgb(((value >> 10) & 31) * 255 / 31, ((value >> 5) & 31) * 255 / 31, (value & 31) * 255 / 31);
                break;
            }
            case 24:
                target[x] = qRgb(source[3 * x + 2], source[3 * x + 1], source[3 * x]);
                break;
            default:
                target[x] = qRgb(source[4 * x + 2], source[4 * x + 1], source[4 * x]);
                break;
            }
        }
    }
    return image;
}
