#include "platform/CDC.h"

#include "platform/DCSurface.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <utility>

namespace {

COLORREF FromQRgb(QRgb rgb)
{
    return RGB(static_cast<std::uint8_t>(qRed(rgb)), static_cast<std::uint8_t>(qGreen(rgb)),
               static_cast<std::uint8_t>(qBlue(rgb)));
}

QPolygonF ToPolygon(const POINT* points, int count)
{
    QPolygonF polygon;
    for (int i = 0; i < count; ++i)
        polygon.append(QPointF(points[i].x, points[i].y));
    return polygon;
}

}  // namespace

POINT CDC::MoveTo(int x, int y)
{
    if (m_surface->pathOpen)
        m_surface->path.moveTo(x, y);
    return std::exchange(m_surface->state.position, POINT{x, y});
}

bool CDC::LineTo(int x, int y)
{
    const POINT from = std::exchange(m_surface->state.position, POINT{x, y});
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
