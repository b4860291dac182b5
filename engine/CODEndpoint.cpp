#include "engine/CODEndpoint.h"

std::unique_ptr<CODEndpoint> CODEndpoint::Clone() const
{
    return std::unique_ptr<CODEndpoint>(new CODEndpoint(*this));
}

void CODEndpoint::Draw(CDC* /*pDC*/) {}

void CODEndpoint::AddToRegion(BoundsRegion& /*region*/) const {}

void CODEndpoint::SetSegment(const CPoint& from, const CPoint& to)
{
    m_nFromX = from.x;
    m_nFromY = from.y;
    m_nToX = to.x;
    m_nToY = to.y;
}
