#include "platform/DCSurface.h"

#include "platform/Arithmetic.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Pixel patterns of the dashed cosmetic pens.
QList<qreal> DashPattern(std::uint32_t style)
{
    switch (style) {
    case PS_DASH:
        return {18, 6};
    case PS_DOT:
        return {3, 3};
    case PS_DASHDOT:
        return {9, 6, 3, 6};
    default:
        return {9, 3, 3, 3, 3, 3};
    }
}

QPainter::CompositionMode BlitMode(std::uint32_t rop)
{
    switch (rop) {
    case SRCAND:
        return QPainter::RasterOp_SourceAndDestination;
    case SRCPAINT:
        return QPainter::RasterOp_SourceOrDestination;
    case SRCINVERT:
        return QPainter::RasterOp_SourceXorDestination;
    case NOTSRCCOPY:
        return QPainter::RasterOp_NotSource;
    default:
        return QPainter::CompositionMode_SourceOver;
    }
}

}  // namespace

QRect DCSurface::SurfaceRect() const
{
    if (lent && lent->device())
        return QRect(0, 0, lent->device()->width(), lent->device()->height());
    const QImage* target = Target();
    return target ? target->rect() : QRect();
}

QTransform DCSurface::Mapping() const
{
    const double sx = static_cast<double>(state.viewportExt.cx) / state.windowExt.cx;
    const double sy = static_cast<double>(state.viewportExt.cy) / state.windowExt.cy;
    return QTransform(sx, 0, 0, sy, state.viewportOrg.x - state.windowOrg.x * sx,
                      state.viewportOrg.y - state.windowOrg.y * sy);
}

QPainter* DCSurface::Begin(bool logical) const
{
    QPainter* p = lent;
    if (!p) {
        QImage* target = Target();
        if (!target || (!painter.isActive() && !painter.begin(target)))
            return nullptr;
        p = &painter;
    }
    p->setRenderHint(QPainter::Antialiasing, false);
    p->setRenderHint(QPainter::TextAntialiasing, true);
    p->setRenderHint(QPainter::SmoothPixmapTransform, state.stretchMode == HALFTONE);
    p->setWorldTransform(QTransform());
    if (state.clip)
        p->setClipRegion(*state.clip);
    else
        p->setClipping(false);
    if (logical)
        p->setWorldTransform(Mapping());
    p->setBackgroundMode(state.bkMode == OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
    p->setBackground(QBrush(Colour(state.bkColour)));
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    return p;
}

double DCSurface::Scale() const
{
    const QTransform mapping = Mapping();
    return std::max(std::abs(mapping.m11()), std::abs(mapping.m22()));
}

QPen DCSurface::Pen() const
{
    const LOGPEN& logPen = state.pen->GetLogPen();
    if (logPen.lopnStyle == PS_NULL)
        return QPen(Qt::NoPen);
    COLORREF colour = logPen.lopnColor;
    if (state.rop2 == R2_BLACK)
        colour = RGB(0, 0, 0);
    else if (state.rop2 == R2_WHITE)
        colour = RGB(255, 255, 255);
    const int width = logPen.lopnWidth.x;
    const bool dashed = logPen.lopnStyle >= PS_DASH && logPen.lopnStyle <= PS_DASHDOTDOT;
    if (width == 0 || (width == 1 && (dashed || Scale() <= 1.0))) {
        QPen pen(Colour(colour), 0);
        pen.setCosmetic(true);
        if (dashed)
            pen.setDashPattern(DashPattern(logPen.lopnStyle));
        pen.setCapStyle(Qt::FlatCap);
        return pen;
    }
    QPen pen(Colour(colour), width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QBrush DCSurface::Brush(const HBRUSH& brush) const
{
    const LOGBRUSH& logBrush = brush->GetLogBrush();
    switch (logBrush.lbStyle) {
    case BS_HOLLOW:
        return QBrush(Qt::NoBrush);
    case BS_HATCHED: {
        static const Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,   Qt::FDiagPattern,
                                                 Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
        return QBrush(Colour(logBrush.lbColor), hatches[logBrush.lbHatch]);
    }
    case BS_PATTERN:
        return QBrush(brush->GetPattern()->CurrentPixels().Image());
    default:
        return QBrush(Colour(logBrush.lbColor));
    }
}

QPainter::CompositionMode DCSurface::PenMode() const
{
    switch (state.rop2) {
    case R2_XORPEN:
        return QPainter::RasterOp_SourceXorDestination;
    case R2_NOTXORPEN:
        return QPainter::RasterOp_NotSourceXorDestination;
    case R2_NOT:
        return QPainter::RasterOp_NotDestination;
    default:
        return QPainter::CompositionMode_SourceOver;
    }
}

bool DCSurface::Shape(const QPainterPath& shape, bool fill)
{
    if (pathOpen) {
        path.addPath(shape);
        return true;
    }
    QPainterPath filled = shape;
    filled.setFillRule(state.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    return Paint(filled, true, fill);
}

bool DCSurface::Paint(const QPainterPath& shape, bool stroke, bool fill)
{
    QPainter* p = Begin();
    if (!p)
        return Target() == nullptr;
    p->setCompositionMode(PenMode());
    p->setPen(stroke ? Pen() : QPen(Qt::NoPen));
    p->setBrush(fill ? Brush(state.brush) : QBrush(Qt::NoBrush));
    p->drawPath(shape);
    return true;
}

bool DCSurface::Blit(const QImage& source, const QRect& sourceRect, int x, int y, int width, int height,
          std::uint32_t rop) const
{
    QPainter* p = Begin(false);
    if (!p)
        return Target() == nullptr;
    QImage part = source.copy(sourceRect);
    if (width < 0 || height < 0)
        part = part.mirrored(width < 0, height < 0);
    p->setCompositionMode(BlitMode(rop));
    p->drawImage(QRect(x, y, std::abs(width), std::abs(height)), part);
    return true;
}

QRect DCSurface::DeviceRect(int x, int y, int width, int height) const
{
    POINT corners[2] = {{x, y}, {x + width, y + height}};
    MapToDevice(corners, 2);
    return QRect(corners[0].x, corners[0].y, corners[1].x - corners[0].x, corners[1].y - corners[0].y);
}

void DCSurface::MapToDevice(POINT* points, int count) const
{
    for (int i = 0; i < count; ++i) {
        points[i].x = MulDiv(points[i].x - state.windowOrg.x, state.viewportExt.cx, state.windowExt.cx)
            + state.viewportOrg.x;
        points[i].y = MulDiv(points[i].y - state.windowOrg.y, state.viewportExt.cy, state.windowExt.cy)
            + state.viewportOrg.y;
    }
}

void DCSurface::MapToLogical(POINT* points, int count) const
{
    for (int i = 0; i < count; ++i) {
        points[i].x = MulDiv(points[i].x - state.viewportOrg.x, state.windowExt.cx, state.viewportExt.cx)
            + state.windowOrg.x;
        points[i].y = MulDiv(points[i].y - state.viewportOrg.y, state.windowExt.cy, state.viewportExt.cy)
            + state.windowOrg.y;
    }
}

void DCSurface::FixExtents()
{
    int units = 0;
    switch (state.mapMode) {
    case MM_TEXT:
        state.windowExt = {1, 1};
        state.viewportExt = {1, 1};
        return;
    case MM_LOMETRIC:
        units = 254;
        break;
    case MM_HIMETRIC:
        units = 2540;
        break;
    case MM_LOENGLISH:
        units = 100;
        break;
    case MM_HIENGLISH:
        units = 1000;
        break;
    case MM_TWIPS:
        units = 1440;
        break;
    default:
        return;
    }
    state.windowExt = {units, units};
    state.viewportExt = {dpiX, -dpiY};
}

void DCSurface::KeepIsotropic()
{
    if (state.mapMode != MM_ISOTROPIC)
        return;
    const double sx = std::abs(static_cast<double>(state.viewportExt.cx) / state.windowExt.cx);
    const double sy = std::abs(static_cast<double>(state.viewportExt.cy) / state.windowExt.cy);
    const auto sign = [](int value) { return value < 0 ? -1 : 1; };
    if (sx < sy)
        state.viewportExt.cy = sign(state.viewportExt.cy) * RoundHalfAwayFromZero(sx * std::abs(state.windowExt.cy));
    else if (sy < sx)
        state.viewportExt.cx = sign(state.viewportExt.cx) * RoundHalfAwayFromZero(sy * std::abs(state.windowExt.cx));
}

QRegion DCSurface::WholeSurface() const
{
    return QRegion(SurfaceRect());
}

int DCSurface::ClipKind() const
{
    const QRegion region = state.clip ? *state.clip : WholeSurface();
    if (region.isEmpty())
        return NULLREGION;
    return region.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}
