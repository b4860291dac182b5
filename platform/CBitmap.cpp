#include "platform/CBitmap.h"

#include "platform/BitmapPixels.h"
#include "platform/CDC.h"

#include <cstdlib>

namespace {

// Larger bitmaps are refused rather than risking a failed allocation.
constexpr long long kMaxPixels = 1LL << 28;

bool UsableSize(long long width, long long height)
{
    return width > 0 && height > 0 && width * height <= kMaxPixels;
}

}  // namespace

CBitmap::CBitmap(int width, int height, int bitsPerPixel, bool dibSection)
    : m_pixels(std::make_unique<BitmapPixels>(width, height)), m_nBitsPerPixel(bitsPerPixel),
      m_bDIBSection(dibSection)
{
}

CBitmap::~CBitmap() = default;

HBITMAP CBitmap::CreateCompatibleBitmap(const CDC* /*pDC*/, int width, int height)
{
    if (!UsableSize(width, height))
        return nullptr;
    auto bitmap = std::make_shared<CBitmap>(width, height, 32, false);
    return bitmap->m_pixels->Image().isNull() ? nullptr : bitmap;
}

HBITMAP CBitmap::CreateDIBSection(const CDC* /*pDC*/, const BITMAPINFOHEADER& header)
{
    const long long height = std::llabs(static_cast<long long>(header.biHeight));
    if ((header.biBitCount != 24 && header.biBitCount != 32) || header.biCompression != BI_RGB
        || !UsableSize(header.biWidth, height))
        return nullptr;
    auto bitmap = std::make_shared<CBitmap>(header.biWidth, static_cast<int>(height), header.biBitCount, true);
    return bitmap->m_pixels->Image().isNull() ? nullptr : bitmap;
}

BITMAP CBitmap::GetBitmap() const
{
    BITMAP info;
    info.bmWidth = GetWidth();
    info.bmHeight = GetHeight();
    info.bmBitsPixel = static_cast<std::uint16_t>(m_nBitsPerPixel);
    info.bmWidthBytes = m_bDIBSection ? static_cast<std::int32_t>(DibRowBytes(info.bmWidth, m_nBitsPerPixel))
                                      : info.bmWidth * 4;
    return info;
}

int CBitmap::GetWidth() const
{
    return m_pixels->Image().width();
}

int CBitmap::GetHeight() const
{
    return m_pixels->Image().height();
}

HBITMAP CBitmap::Copy() const
{
    auto copy = std::make_shared<CBitmap>(1, 1, m_nBitsPerPixel, m_bDIBSection);
    copy->m_pixels->Image() = CurrentPixels().Image().copy();
    return copy;
}

const BitmapPixels& CBitmap::CurrentPixels() const
{
    if (m_pSelectedIn)
        m_pSelectedIn->Flush();
    return *m_pixels;
}
