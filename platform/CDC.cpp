#include "platform/CDC.h"

#include "platform/Arithmetic.h"
#include "platform/BitmapPixels.h"
#include "platform/CBitmap.h"
#include "platform/CBrush.h"
#include "platform/CFont.h"
#include "platform/CRgn.h"
#include "platform/DCSurface.h"
#include "platform/FontRealization.h"
#include "platform/QtText.h"
#include "platform/RegionData.h"

#include <QGlyphRun>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr long long kMaxDibPixels = 1LL << 28;

COLORREF FromQRgb(QRgb rgb)
{
    return RGB(static_cast<std::uint8_t>(qRed(rgb)), static_cast<std::uint8_t>(qGreen(rgb)),
               static_cast<std::uint8_t>(qBlue(rgb)));
}

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

// A DIB in 32-bit top-down form; null when its form is not supported.
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

}  // namespace


CDC::CDC() : m_surface(std::make_unique<DCSurface>())
{
    m_surface->bitmap = CBitmap::CreateCompatibleBitmap(this, 1, 1);
    m_surface->bitmap->SetSelectedIn(this);
}

CDC::~CDC()
{
    m_surface->End();
    if (m_surface->bitmap)
        m_surface->bitmap->SetSelectedIn(nullptr);
}

HPEN CDC::SelectObject(HPEN pen)
{
    if (!pen)
        return nullptr;
    std::swap(m_surface->state.pen, pen);
    return pen;
}

HBRUSH CDC::SelectObject(HBRUSH brush)
{
    if (!brush)
        return nullptr;
    std::swap(m_surface->state.brush, brush);
    return brush;
}

HFONT CDC::SelectObject(HFONT font)
{
    if (!font)
        return nullptr;
    std::swap(m_surface->state.font, font);
    return font;
}

HBITMAP CDC::SelectObject(HBITMAP bitmap)
{
    if (!bitmap || (bitmap->GetSelectedIn() && bitmap->GetSelectedIn() != this))
        return nullptr;
    m_surface->End();
    m_surface->bitmap->SetSelectedIn(nullptr);
    bitmap->SetSelectedIn(this);
    std::swap(m_surface->bitmap, bitmap);
    return bitmap;
}

HPEN CDC::GetCurrentPen() const { return m_surface->state.pen; }
HBRUSH CDC::GetCurrentBrush() const { return m_surface->state.brush; }
HFONT CDC::GetCurrentFont() const { return m_surface->state.font; }
HBITMAP CDC::GetCurrentBitmap() const { return m_surface->bitmap; }

HPALETTE CDC::SelectPalette(HPALETTE palette, bool /*forceBackground*/)
{
    if (!palette)
        return nullptr;
    std::swap(m_surface->state.palette, palette);
    return palette;
}

unsigned CDC::RealizePalette()
{
    return 0;  // true colour: no system palette entries change
}

int CDC::SaveDC()
{
    m_surface->saved.push_back(m_surface->state);
    return static_cast<int>(m_surface->saved.size());
}

bool CDC::RestoreDC(int savedDC)
{
    auto& saved = m_surface->saved;
    const int level = savedDC < 0 ? static_cast<int>(saved.size()) + savedDC + 1 : savedDC;
    if (level < 1 || level > static_cast<int>(saved.size()))
        return false;
    m_surface->state = saved[static_cast<std::size_t>(level - 1)];
    saved.resize(static_cast<std::size_t>(level - 1));
    return true;
}

namespace {
template <typename T>
T Exchange(T& field, T value)
{
    std::swap(field, value);
    return value;
}
}  // namespace

COLORREF CDC::SetTextColor(COLORREF colour) { return Exchange(m_surface->state.textColour, colour); }
COLORREF CDC::GetTextColor() const { return m_surface->state.textColour; }
COLORREF CDC::SetBkColor(COLORREF colour) { return Exchange(m_surface->state.bkColour, colour); }
COLORREF CDC::GetBkColor() const { return m_surface->state.bkColour; }

int CDC::SetBkMode(int mode)
{
    if (mode != TRANSPARENT && mode != OPAQUE)
        return 0;
    return Exchange(m_surface->state.bkMode, mode);
}

int CDC::GetBkMode() const { return m_surface->state.bkMode; }
unsigned CDC::SetTextAlign(unsigned align) { return Exchange(m_surface->state.textAlign, align); }
unsigned CDC::GetTextAlign() const { return m_surface->state.textAlign; }

int CDC::SetPolyFillMode(int mode)
{
    if (mode != ALTERNATE && mode != WINDING)
        return 0;
    return Exchange(m_surface->state.polyFillMode, mode);
}

int CDC::GetPolyFillMode() const { return m_surface->state.polyFillMode; }

int CDC::SetROP2(int mode)
{
    if (mode < R2_BLACK || mode > R2_WHITE)
        return 0;
    return Exchange(m_surface->state.rop2, mode);
}

int CDC::GetROP2() const { return m_surface->state.rop2; }

int CDC::SetStretchBltMode(int mode)
{
    if (mode < BLACKONWHITE || mode > HALFTONE)
        return 0;
    return Exchange(m_surface->state.stretchMode, mode);
}

int CDC::GetStretchBltMode() const { return m_surface->state.stretchMode; }

int CDC::SetMapMode(int mode)
{
    if (mode < MM_TEXT || mode > MM_ANISOTROPIC)
        return 0;
    const int previous = Exchange(m_surface->state.mapMode, mode);
    m_surface->FixExtents();
    m_surface->KeepIsotropic();
    return previous;
}

int CDC::GetMapMode() const { return m_surface->state.mapMode; }
POINT CDC::SetWindowOrg(int x, int y) { return Exchange(m_surface->state.windowOrg, POINT{x, y}); }
POINT CDC::GetWindowOrg() const { return m_surface->state.windowOrg; }
POINT CDC::SetViewportOrg(int x, int y) { return Exchange(m_surface->state.viewportOrg, POINT{x, y}); }
POINT CDC::GetViewportOrg() const { return m_surface->state.viewportOrg; }

SIZE CDC::SetWindowExt(int cx, int cy)
{
    const SIZE previous = m_surface->state.windowExt;
    const int mode = m_surface->state.mapMode;
    if ((mode == MM_ISOTROPIC || mode == MM_ANISOTROPIC) && cx != 0 && cy != 0) {
        m_surface->state.windowExt = {cx, cy};
        m_surface->KeepIsotropic();
    }
    return previous;
}

SIZE CDC::GetWindowExt() const { return m_surface->state.windowExt; }

SIZE CDC::SetViewportExt(int cx, int cy)
{
    const SIZE previous = m_surface->state.viewportExt;
    const int mode = m_surface->state.mapMode;
    if ((mode == MM_ISOTROPIC || mode == MM_ANISOTROPIC) && cx != 0 && cy != 0) {
        m_surface->state.viewportExt = {cx, cy};
        m_surface->KeepIsotropic();
    }
    return previous;
}

SIZE CDC::GetViewportExt() const { return m_surface->state.viewportExt; }

bool CDC::LPtoDP(POINT* points, int count) const
{
    if (!points || count < 0)
        return false;
    m_surface->MapToDevice(points, count);
    return true;
}

bool CDC::DPtoLP(POINT* points, int count) const
{
    if (!points || count < 0)
        return false;
    m_surface->MapToLogical(points, count);
    return true;
}

int CDC::GetDeviceCaps(int index) const
{
    const QRect surface = m_surface->SurfaceRect();
    switch (index) {
    case TECHNOLOGY:
        return m_surface->printing ? DT_RASPRINTER : DT_RASDISPLAY;
    case LOGPIXELSX:
        return m_surface->dpiX;
    case LOGPIXELSY:
        return m_surface->dpiY;
    case HORZRES:
    case PHYSICALWIDTH:
        return surface.width();
    case VERTRES:
    case PHYSICALHEIGHT:
        return surface.height();
    case HORZSIZE:
        return surface.width() * 254 / (m_surface->dpiX * 10);
    case VERTSIZE:
        return surface.height() * 254 / (m_surface->dpiY * 10);
    case BITSPIXEL:
        return 32;
    case PLANES:
        return 1;
    case NUMCOLORS:
        return -1;
    case RASTERCAPS:
        return RC_BITBLT | RC_STRETCHBLT | RC_STRETCHDIB | RC_DIBTODEV;
    default:
        return 0;
    }
}

bool CDC::IsPrinting() const
{
    return m_surface->printing;
}

POINT CDC::MoveTo(int x, int y)
{
    if (m_surface->pathOpen)
        m_surface->path.moveTo(x, y);
    return Exchange(m_surface->state.position, POINT{x, y});
}

bool CDC::LineTo(int x, int y)
{
    const POINT from = Exchange(m_surface->state.position, POINT{x, y});
    if (m_surface->pathOpen) {
        if (m_surface->path.isEmpty())
            m_surface->path.moveTo(from.x, from.y);
        m_surface->path.lineTo(x, y);
        return true;
    }
    QPainterPath line(QPointF(from.x, from.y));
    line.lineTo(x, y);
    return m_surface->Shape(line, false);
}

namespace {
QPolygonF ToPolygon(const POINT* points, int count)
{
    QPolygonF polygon;
    for (int i = 0; i < count; ++i)
        polygon.append(QPointF(points[i].x, points[i].y));
    return polygon;
}
}  // namespace

bool CDC::Polyline(const POINT* points, int count)
{
    if (!points || count < 2)
        return false;
    QPainterPath line;
    line.addPolygon(ToPolygon(points, count));
    return m_surface->Shape(line, false);
}

bool CDC::Polygon(const POINT* points, int count)
{
    if (!points || count < 2)
        return false;
    QPainterPath shape;
    shape.addPolygon(ToPolygon(points, count));
    shape.closeSubpath();
    return m_surface->Shape(shape, true);
}

bool CDC::PolyBezier(const POINT* points, int count)
{
    if (!points || count < 4 || (count - 1) % 3 != 0)
        return false;
    QPainterPath curve(QPointF(points[0].x, points[0].y));
    for (int i = 1; i + 2 < count; i += 3)
        curve.cubicTo(points[i].x, points[i].y, points[i + 1].x, points[i + 1].y, points[i + 2].x, points[i + 2].y);
    return m_surface->Shape(curve, false);
}

bool CDC::Rectangle(int left, int top, int right, int bottom)
{
    QPainterPath shape;
    shape.addRect(QRectF(QPointF(left, top), QPointF(right - 1, bottom - 1)).normalized());
    return m_surface->Shape(shape, true);
}

bool CDC::Ellipse(int left, int top, int right, int bottom)
{
    QPainterPath shape;
    shape.addEllipse(QRectF(QPointF(left, top), QPointF(right - 1, bottom - 1)).normalized());
    return m_surface->Shape(shape, true);
}

bool CDC::FillRect(const RECT& rect, const HBRUSH& brush)
{
    if (!brush)
        return false;
    QPainter* p = m_surface->Begin();
    if (!p)
        return m_surface->Target() == nullptr;
    p->fillRect(QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1)), m_surface->Brush(brush));
    return true;
}

COLORREF CDC::SetPixel(int x, int y, COLORREF colour)
{
    POINT point{x, y};
    m_surface->MapToDevice(&point, 1);
    QImage* target = m_surface->Target();
    if (!target || !target->rect().contains(point.x, point.y)
        || (m_surface->state.clip && !m_surface->state.clip->contains(QPoint(point.x, point.y))))
        return CLR_INVALID;
    m_surface->End();
    target->setPixel(point.x, point.y, DCSurface::Colour(colour).rgb());
    return colour;
}

COLORREF CDC::GetPixel(int x, int y) const
{
    POINT point{x, y};
    m_surface->MapToDevice(&point, 1);
    const QImage* target = m_surface->Target();
    if (!target || !target->rect().contains(point.x, point.y)
        || (m_surface->state.clip && !m_surface->state.clip->contains(QPoint(point.x, point.y))))
        return CLR_INVALID;
    m_surface->End();
    return FromQRgb(target->pixel(point.x, point.y));
}

bool CDC::BeginPath()
{
    m_surface->pathOpen = true;
    m_surface->pathReady = false;
    m_surface->path = QPainterPath();
    return true;
}

bool CDC::EndPath()
{
    if (!m_surface->pathOpen)
        return false;
    m_surface->pathOpen = false;
    m_surface->pathReady = true;
    return true;
}

bool CDC::AbortPath()
{
    m_surface->pathOpen = false;
    m_surface->pathReady = false;
    m_surface->path = QPainterPath();
    return true;
}

bool CDC::CloseFigure()
{
    if (!m_surface->pathOpen)
        return false;
    m_surface->path.closeSubpath();
    return true;
}

namespace {
bool DrawPath(DCSurface& surface, bool stroke, bool fill)
{
    if (!surface.pathReady)
        return false;
    QPainterPath shape = surface.path;
    shape.setFillRule(surface.state.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    surface.pathReady = false;
    surface.path = QPainterPath();
    return surface.Paint(shape, stroke, fill);
}
}  // namespace

bool CDC::StrokePath() { return DrawPath(*m_surface, true, false); }
bool CDC::FillPath() { return DrawPath(*m_surface, false, true); }
bool CDC::StrokeAndFillPath() { return DrawPath(*m_surface, true, true); }

int CDC::SelectClipRgn(const CRgn* region)
{
    if (region)
        m_surface->state.clip = region->Data().Region();
    else
        m_surface->state.clip.reset();
    return m_surface->ClipKind();
}

int CDC::ExtSelectClipRgn(const CRgn* region, int mode)
{
    if (mode == RGN_COPY)
        return SelectClipRgn(region);
    if (!region)
        return RGN_ERROR;
    const QRegion current = m_surface->state.clip ? *m_surface->state.clip : m_surface->WholeSurface();
    const QRegion& other = region->Data().Region();
    switch (mode) {
    case RGN_AND:
        m_surface->state.clip = current.intersected(other);
        break;
    case RGN_OR:
        m_surface->state.clip = current.united(other);
        break;
    case RGN_XOR:
        m_surface->state.clip = current.xored(other);
        break;
    case RGN_DIFF:
        m_surface->state.clip = current.subtracted(other);
        break;
    default:
        return RGN_ERROR;
    }
    return m_surface->ClipKind();
}

int CDC::IntersectClipRect(int left, int top, int right, int bottom)
{
    POINT corners[2] = {{left, top}, {right, bottom}};
    m_surface->MapToDevice(corners, 2);
    const QRect rect(QPoint(std::min(corners[0].x, corners[1].x), std::min(corners[0].y, corners[1].y)),
                     QPoint(std::max(corners[0].x, corners[1].x) - 1, std::max(corners[0].y, corners[1].y) - 1));
    CRgn region;
    region.Data().Region() = QRegion(rect);
    return ExtSelectClipRgn(&region, RGN_AND);
}

int CDC::GetClipBox(RECT* rect) const
{
    const QRect box = (m_surface->state.clip ? *m_surface->state.clip : m_surface->WholeSurface()).boundingRect();
    if (rect) {
        POINT corners[2] = {{box.left(), box.top()}, {box.right() + 1, box.bottom() + 1}};
        m_surface->MapToLogical(corners, 2);
        *rect = RECT{std::min(corners[0].x, corners[1].x), std::min(corners[0].y, corners[1].y),
                     std::max(corners[0].x, corners[1].x), std::max(corners[0].y, corners[1].y)};
    }
    return m_surface->ClipKind();
}

bool CDC::TextOut(int x, int y, const std::string& text)
{
    const FontRealization& font = m_surface->state.font->Realize();
    const TEXTMETRIC& metrics = font.Metrics();
    QList<quint32> glyphs;
    std::vector<int> advances;
    font.Layout(QtText::Decode(text), glyphs, advances);
    QList<QPointF> positions;
    int width = 0;
    for (int advance : advances) {
        positions.append(QPointF(width, 0));
        width += advance;
    }
    const DCState& state = m_surface->state;
    const unsigned horizontal = state.textAlign & TA_CENTER;
    const unsigned vertical = state.textAlign & TA_BASELINE;
    const int left = horizontal == TA_CENTER ? -width / 2 : horizontal == TA_RIGHT ? -width : 0;
    const int baseline = vertical == TA_BASELINE ? 0 : vertical == TA_BOTTOM ? -metrics.tmDescent : metrics.tmAscent;

    QPainter* p = m_surface->Begin(false);
    if (!p)
        return m_surface->Target() == nullptr;
    // Text stays upright whichever way the mapping turns the axes: it is
    // placed in device space, scaled by the mapping's magnitude.
    const QTransform mapping = m_surface->Mapping();
    const QPointF origin = mapping.map(QPointF(x, y));
    QTransform frame;
    frame.translate(origin.x(), origin.y());
    frame.rotate(-state.font->GetLogFont().lfEscapement / 10.0);
    frame.scale(std::abs(mapping.m11()), std::abs(mapping.m22()));
    p->setWorldTransform(frame);
    if (state.bkMode == OPAQUE)
        p->fillRect(QRect(left, baseline - metrics.tmAscent, width, metrics.tmHeight), DCSurface::Colour(state.bkColour));
    if (glyphs.isEmpty())
        return true;
    QGlyphRun run;
    run.setRawFont(font.RawFont());
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    run.setUnderline(state.font->GetLogFont().lfUnderline != 0);
    run.setStrikeOut(state.font->GetLogFont().lfStrikeOut != 0);
    p->setPen(DCSurface::Colour(state.textColour));
    p->drawGlyphRun(QPointF(left, baseline), run);
    return true;
}

SIZE CDC::GetTextExtent(const std::string& text) const
{
    return m_surface->state.font->Realize().Extent(text);
}

bool CDC::GetTextMetrics(TEXTMETRIC* metrics) const
{
    if (!metrics)
        return false;
    *metrics = m_surface->state.font->Realize().Metrics();
    return true;
}

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

void CDC::Flush() const
{
    m_surface->End();
}
