#include "platform/CRgn.h"

#include "platform/RegionData.h"

#include <QPolygon>

int RegionData::Kind() const
{
    if (m_region.isEmpty())
        return NULLREGION;
    return m_region.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

CRgn::CRgn() : m_data(std::make_unique<RegionData>()) {}

CRgn::CRgn(const CRgn& other) : CGdiObject(), m_data(std::make_unique<RegionData>(*other.m_data)) {}

CRgn& CRgn::operator=(const CRgn& other)
{
    *m_data = *other.m_data;
    return *this;
}

CRgn::~CRgn() = default;

HRGN CRgn::CreateRectRgn(int left, int top, int right, int bottom)
{
    auto region = std::make_shared<CRgn>();
    region->m_data->Region() = QRegion(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)).normalized());
    return region;
}

HRGN CRgn::CreatePolygonRgn(const POINT* points, int count, int fillMode)
{
    auto region = std::make_shared<CRgn>();
    if (!points || count < 3)
        return region;
    QPolygon polygon;
    for (int i = 0; i < count; ++i)
        polygon.append(QPoint(points[i].x, points[i].y));
    region->m_data->Region() = QRegion(polygon, fillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    return region;
}

int CRgn::CombineRgn(const CRgn& a, const CRgn& b, int mode)
{
    const QRegion& first = a.m_data->Region();
    const QRegion& second = b.m_data->Region();
    switch (mode) {
    case RGN_AND:
        m_data->Region() = first.intersected(second);
        break;
    case RGN_OR:
        m_data->Region() = first.united(second);
        break;
    case RGN_XOR:
        m_data->Region() = first.xored(second);
        break;
    case RGN_DIFF:
        m_data->Region() = first.subtracted(second);
        break;
    case RGN_COPY:
        m_data->Region() = first;
        break;
    default:
        return RGN_ERROR;
    }
    return m_data->Kind();
}

int CRgn::OffsetRgn(int dx, int dy)
{
    m_data->Region().translate(dx, dy);
    return m_data->Kind();
}

bool CRgn::PtInRegion(int x, int y) const
{
    return m_data->Region().contains(QPoint(x, y));
}

int CRgn::GetRgnBox(RECT* rect) const
{
    if (rect) {
        const QRect box = m_data->Region().boundingRect();
        *rect = m_data->Region().isEmpty() ? RECT{} : RECT{box.left(), box.top(), box.right() + 1, box.bottom() + 1};
    }
    return m_data->Kind();
}
