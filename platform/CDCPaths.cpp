#include "platform/CDC.h"

#include "platform/CRgn.h"
#include "platform/DCSurface.h"
#include "platform/RegionData.h"

#include <QPainterPath>

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
