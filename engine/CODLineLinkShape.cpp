#include "engine/CODLineLinkShape.h"

#include "engine/CODPortComponent.h"
#include "engine/CODSymbolComponent.h"

namespace {

// On the owner's outline for a centre port, else the port's own point.
CPoint OnOutline(const CODPortComponent* pPort, const CPoint& end, const CPoint& neighbour)
{
    if (!pPort || !pPort->IsCentrePort() || !pPort->GetOwner())
        return end;
    return pPort->GetOwner()->GetOutlinePoint(end, neighbour);
}

}  // namespace

std::unique_ptr<CODComponent> CODLineLinkShape::Clone() const
{
    return std::unique_ptr<CODComponent>(new CODLineLinkShape(*this));
}

void CODLineLinkShape::RouteLink(const CODPortComponent* pSource, const CODPortComponent* pTarget)
{
    const int count = GetPointCount();
    if (count < kMinPoints)
        return;
    std::vector<CPoint> points(m_worldPoints.begin(), m_worldPoints.end());
    const CPoint first = EndPoint(pSource, points.front());
    const CPoint last = EndPoint(pTarget, points.back());
    // Each end is clipped toward its neighbour as placed, before clipping.
    const CPoint afterFirst = count == kMinPoints ? last : points[1];
    const CPoint beforeLast = count == kMinPoints ? first : points[static_cast<std::size_t>(count - 2)];
    points.front() = OnOutline(pSource, first, afterFirst);
    points.back() = OnOutline(pTarget, last, beforeLast);
    SetModelPoints(points);
}
