#include "chartparts/ArrowEndpoint.h"

#include "chartparts/ArrowShape.h"
#include "engine/BoundsRegion.h"
#include "engine/CArchive.h"
#include "engine/CODTransform.h"
#include "engine/ODHelpers.h"
#include "platform/CBrush.h"
#include "platform/CDC.h"
#include "platform/CPen.h"

std::unique_ptr<CODEndpoint> ArrowEndpoint::Clone() const
{
    return std::unique_ptr<CODEndpoint>(new ArrowEndpoint(*this));
}

void ArrowEndpoint::Serialize(CArchive& ar)
{
    CODEndpoint::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteInt(m_nLength);
        ar.WriteInt(m_nWidth);
        return;
    }
    m_nLength = ar.ReadInt();
    m_nWidth = ar.ReadInt();
}

void ArrowEndpoint::GetArrowPoints(std::array<POINT, kPointCount>& points) const
{
    CODTransform place;
    place.Rotate(static_cast<float>(AngleBetween(m_nFromX, m_nFromY, m_nToX, m_nToY)));
    place.Translate(m_nToX, m_nToY);
    points = ArrowShape(m_nLength, m_nWidth);
    place.TransformPoints(points.data(), kPointCount);
}

void ArrowEndpoint::Draw(CDC* pDC)
{
    if (!pDC)
        return;
    std::array<POINT, kPointCount> points;
    GetArrowPoints(points);
    const HPEN pen = pDC->GetCurrentPen();
    const COLORREF colour = pen ? pen->GetLogPen().lopnColor : 0;
    const HBRUSH previous = pDC->SelectObject(CBrush::CreateSolidBrush(colour));
    pDC->Polygon(points.data(), kPointCount);
    pDC->SelectObject(previous);
}

void ArrowEndpoint::AddToRegion(BoundsRegion& region) const
{
    std::array<POINT, kPointCount> points;
    GetArrowPoints(points);
    region.AddPolygon(points.data(), kPointCount);
}
