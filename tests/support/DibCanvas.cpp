#include "DibCanvas.h"

#include "platform/CBitmap.h"
#include "platform/CBrush.h"

#include <QImage>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace quorrel_test {

DibCanvas::DibCanvas(int width, int height, COLORREF background)
    : m_width(width), m_height(height), m_background(background)
{
    BITMAPINFOHEADER header;
    header.biWidth = width;
    header.biHeight = height;
    header.biBitCount = 24;
    m_bitmap = CBitmap::CreateDIBSection(&m_dc, header);
    m_previous = m_dc.SelectObject(m_bitmap);
    m_dc.FillRect(RECT{0, 0, width, height}, CBrush::CreateSolidBrush(background));
}

DibCanvas::~DibCanvas()
{
    m_dc.SelectObject(m_previous);
}

std::vector<std::uint8_t> DibCanvas::Rows() const
{
    BITMAPINFOHEADER header;
    header.biWidth = m_width;
    header.biHeight = -m_height;
    header.biBitCount = 24;
    std::vector<std::uint8_t> rows(static_cast<std::size_t>(DibRowBytes(m_width, 24) * m_height));
    m_dc.GetDIBits(m_bitmap, 0, static_cast<unsigned>(m_height), rows.data(), &header, DIB_RGB_COLORS);
    return rows;
}

COLORREF DibCanvas::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return CLR_INVALID;
    const auto rows = Rows();
    const auto* pixel = rows.data() + y * DibRowBytes(m_width, 24) + 3 * x;
    return RGB(pixel[2], pixel[1], pixel[0]);
}

std::vector<COLORREF> DibCanvas::Pixels() const
{
    const auto rows = Rows();
    std::vector<COLORREF> pixels;
    pixels.reserve(static_cast<std::size_t>(m_width * m_height));
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) {
            const auto* pixel = rows.data() + y * DibRowBytes(m_width, 24) + 3 * x;
            pixels.push_back(RGB(pixel[2], pixel[1], pixel[0]));
        }
    return pixels;
}

int DibCanvas::Count(const RECT& area, COLORREF colour) const
{
    const auto rows = Rows();
    int count = 0;
    for (int y = std::max(0, area.top); y < std::min(m_height, area.bottom); ++y)
        for (int x = std::max(0, area.left); x < std::min(m_width, area.right); ++x) {
            const auto* pixel = rows.data() + y * DibRowBytes(m_width, 24) + 3 * x;
            count += RGB(pixel[2], pixel[1], pixel[0]) == colour ? 1 : 0;
        }
    return count;
}

RECT DibCanvas::InkBounds() const
{
    const auto rows = Rows();
    RECT bounds{m_width, m_height, 0, 0};
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) {
            const auto* pixel = rows.data() + y * DibRowBytes(m_width, 24) + 3 * x;
            if (RGB(pixel[2], pixel[1], pixel[0]) != m_background) {
                bounds.left = std::min(bounds.left, x);
                bounds.top = std::min(bounds.top, y);
                bounds.right = std::max(bounds.right, x + 1);
                bounds.bottom = std::max(bounds.bottom, y + 1);
            }
        }
    return bounds.right == 0 ? RECT{} : bounds;
}

void DibCanvas::SaveIfAsked(const std::string& name) const
{
    const char* directory = std::getenv("QUORREL_TEST_PNG_DIR");
    if (!directory || !*directory)
        return;
    const auto rows = Rows();
    QImage image(m_width, m_height, QImage::Format_RGB32);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) {
            const auto* pixel = rows.data() + y * DibRowBytes(m_width, 24) + 3 * x;
            image.setPixel(x, y, qRgb(pixel[2], pixel[1], pixel[0]));
        }
    image.save(QString::fromStdString((std::filesystem::path(directory) / (name + ".png")).string()));
}

}  // namespace quorrel_test
