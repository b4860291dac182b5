#include "platform/CDC.h"

#include "platform/BitmapPixels.h"
#include "platform/CBitmap.h"
#include "platform/CBrush.h"
#include "platform/DCSurface.h"
#include "platform/DibDecoding.h"

#include <QPainter>

#include <cstdlib>
#include <cstring>

namespace {

// The pixels a blit rectangle covers: a negative width starting at x covers
// x + width + 1 .. x, so (w - 1, -w) mirrors a picture onto 0 .. w - 1.
QRect Covered(const QRect& rect)
{
    const int left = rect.width() < 0 ? rect.x() + rect.width() + 1 : rect.x();
    const int top = rect.height() < 0 ? rect.y() + rect.height() + 1 : rect.y();
    return QRect(left, top, std::abs(rect.width()), std::abs(rect.height()));
}

bool IsSourceRop(std::uint32_t rop)
{
    return rop == SRCCOPY || rop == SRCAND || rop == SRCPAINT || rop == SRCINVERT || rop == NOTSRCCOPY;
}

}  // namespace

bool CDC::BitBlt(int x, int y, int width, int height, const CDC* source, int xSrc, int ySrc, std::uint32_t rop)
{
    return StretchBlt(x, y, width, height, source, xSrc, ySrc, width, height, rop);
}

bool CDC::StretchBlt(int x, int y, int width, int height, const CDC* source, int xSrc, int ySrc, int widthSrc,
                     int heightSrc, std::uint32_t rop)
{
    if (!IsSourceRop(rop))
        return PatBlt(x, y, width, height, rop);
    if (!source || !source->m_surface->Target())
        return false;
    const QRect target = m_surface->DeviceRect(x, y, width, height);
    const QRect from = source->m_surface->DeviceRect(xSrc, ySrc, widthSrc, heightSrc);
    // Opposite signs of the two sizes mirror the picture.
    const int signX = (from.width() < 0) != (target.width() < 0) ? -1 : 1;
    const int signY = (from.height() < 0) != (target.height() < 0) ? -1 : 1;
    const QRect destination = Covered(target);
    const QImage image = source->m_surface->bitmap->CurrentPixels().Image().copy(Covered(from));
    return m_surface->Blit(image, image.rect(), destination.x(), destination.y(), signX * destination.width(),
                           signY * destination.height(), rop);
}

bool CDC::TransparentBlt(int x, int y, int width, int height, const CDC* source, int xSrc, int ySrc, int widthSrc,
                         int heightSrc, COLORREF transparent)
{
    if (!source || !source->m_surface->Target() || width <= 0 || height <= 0 || widthSrc <= 0 || heightSrc <= 0)
        return false;
    const QRect from = Covered(source->m_surface->DeviceRect(xSrc, ySrc, widthSrc, heightSrc));
    QImage sprite = source->m_surface->bitmap->CurrentPixels().Image().copy(from).convertToFormat(QImage::Format_ARGB32);
    const QRgb key = DCSurface::Colour(transparent).rgb();
    for (int row = 0; row < sprite.height(); ++row) {
        auto* pixel = reinterpret_cast<QRgb*>(sprite.scanLine(row));
        for (int column = 0; column < sprite.width(); ++column)
            if ((pixel[column] | 0xFF000000u) == key)
                pixel[column] = 0;
    }
    const QRect destination = Covered(m_surface->DeviceRect(x, y, width, height));
    // Blended over the destination: the cleared pixels leave it as it was.
    return m_surface->Blit(sprite, sprite.rect(), destination.x(), destination.y(), destination.width(),
                           destination.height(), SRCCOPY);
}

bool CDC::PatBlt(int x, int y, int width, int height, std::uint32_t rop)
{
    QPainter* p = m_surface->Begin();
    if (!p)
        return m_surface->Target() == nullptr;
    const QRect rect = Covered(QRect(x, y, width, height));
    switch (rop) {
    case PATCOPY:
        p->fillRect(rect, m_surface->Brush(m_surface->state.brush));
        return true;
    case BLACKNESS:
        p->fillRect(rect, Qt::black);
        return true;
    case WHITENESS:
        p->fillRect(rect, Qt::white);
        return true;
    case DSTINVERT:
        p->setCompositionMode(QPainter::RasterOp_NotDestination);
        p->fillRect(rect, Qt::black);
        return true;
    default:
        return false;
    }
}

int CDC::StretchDIBits(int x, int y, int width, int height, int xSrc, int ySrc, int widthSrc, int heightSrc,
                       const void* bits, const BITMAPINFOHEADER* info, unsigned /*usage*/, std::uint32_t rop)
{
    const QImage image = DecodeDib(bits, info);
    if (image.isNull() || widthSrc <= 0 || heightSrc <= 0)
        return 0;
    // The source rectangle counts rows from the first stored row.
    const int top = info->biHeight > 0 ? image.height() - ySrc - heightSrc : ySrc;
    const QRect from = QRect(xSrc, top, widthSrc, heightSrc).intersected(image.rect());
    if (from.isEmpty())
        return 0;
    const QRect target = m_surface->DeviceRect(x, y, width, height);
    const QRect destination = Covered(target);
    if (!m_surface->Blit(image, from, destination.x(), destination.y(), target.width(), target.height(), rop))
        return 0;
    return heightSrc;
}

int CDC::GetDIBits(const HBITMAP& bitmap, unsigned startScan, unsigned scanLines, void* bits, BITMAPINFOHEADER* info,
                   unsigned /*usage*/) const
{
    if (!bitmap || !info)
        return 0;
    const int width = bitmap->GetWidth();
    const int height = bitmap->GetHeight();
    const bool topDown = info->biHeight < 0;
    if (!bits) {
        info->biSize = 40;
        info->biWidth = width;
        info->biHeight = topDown ? -height : height;
        info->biPlanes = 1;
        if (info->biBitCount == 0)
            info->biBitCount = static_cast<std::uint16_t>(bitmap->GetBitmap().bmBitsPixel);
        info->biCompression = BI_RGB;
        info->biSizeImage = static_cast<std::uint32_t>(DibRowBytes(width, info->biBitCount) * height);
        return 1;
    }
    if ((info->biBitCount != 24 && info->biBitCount != 32) || info->biWidth != width || startScan >= static_cast<unsigned>(height))
        return 0;
    const int lines = static_cast<int>(std::min<unsigned>(scanLines, static_cast<unsigned>(height) - startScan));
    const int bytesPerPixel = info->biBitCount / 8;
    const auto stride = DibRowBytes(width, info->biBitCount);
    const QImage& image = bitmap->CurrentPixels().Image();
    for (int line = 0; line < lines; ++line) {
        const int scan = static_cast<int>(startScan) + line;
        const auto* source = reinterpret_cast<const QRgb*>(image.constScanLine(topDown ? scan : height - 1 - scan));
        auto* target = static_cast<std::uint8_t*>(bits) + static_cast<std::int64_t>(line) * stride;
        std::memset(target, 0, static_cast<std::size_t>(stride));
        for (int column = 0; column < width; ++column) {
            target[column * bytesPerPixel] = static_cast<std::uint8_t>(qBlue(source[column]));
            target[column * bytesPerPixel + 1] = static_cast<std::uint8_t>(qGreen(source[column]));
            target[column * bytesPerPixel + 2] = static_cast<std::uint8_t>(qRed(source[column]));
        }
    }
    info->biSizeImage = static_cast<std::uint32_t>(stride * height);
    return lines;
}
