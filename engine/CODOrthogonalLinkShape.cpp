#include "engine/CODOrthogonalLinkShape.h"

#include "engine/CODBoolProperty.h"
#include "engine/CODPortComponent.h"
#include "engine/CODSymbolComponent.h"
#include "engine/OrthogonalRouter.h"
#include "engine/PropertyIds.h"

#include <cstdlib>

namespace {

CPoint Swapped(const CPoint& direction)
{
    return CPoint(direction.y, direction.x);
}

// Where an end leaves its symbol: a centre port's end moves out to the
// outline in the end's direction; any other port turns the direction to
// the side it sits nearest to.
CPoint LeaveSymbol(const CODPortComponent* pPort, const CPoint& end, CPoint& direction)
{
    const CODSymbolComponent* owner = pPort ? pPort->GetOwner() : nullptr;
    if (!owner)
        return end;
    const CRect b = owner->GetBounds();
    if (!pPort->IsCentrePort()) {
        direction = CODOrthogonalLinkShape::NearestSide(b, end);
        return end;
    }
    CPoint outside(end.x, direction.y > 0 ? b.bottom + 1 : b.top - 1);
    if (direction.x != 0)
        outside = CPoint(direction.x > 0 ? b.right + 1 : b.left - 1, end.y);
    return owner->GetOutlinePoint(end, outside);
}

}  // namespace

CODOrthogonalLinkShape::CODOrthogonalLinkShape()
{
    AddProperty(CODBoolProperty(OD_PROP_ORTHOGONAL, 1));
}

std::unique_ptr<CODComponent> CODOrthogonalLinkShape::Clone() const
{
    return std::unique_ptr<CODComponent>(new CODOrthogonalLinkShape(*this));
}

CPoint CODOrthogonalLinkShape::NearestSide(const CRect& bounds, const CPoint& point)
{
    const int cx = (bounds.left + bounds.right) / 2;
    const int cy = (bounds.top + bounds.bottom) / 2;
    const CPoint up(0, -1);
    const CPoint down(0, 1);
    if (point.x == cx)
        return point.y < cy ? up : down;
    if (point.y != cy && bounds.Width() / std::abs(point.x - cx) >= bounds.Height() / std::abs(point.y - cy))
        return point.y <= cy ? up : down;
    return CPoint(point.x <= cx ? -1 : 1, 0);
}

void CODOrthogonalLinkShape::RouteLink(const CODPortComponent* pSource, const CODPortComponent* pTarget)
{
    if (GetPointCount() < kMinPoints)
        return;
    CPoint from = EndPoint(pSource, CPoint(m_worldPoints.front()));
    CPoint to = EndPoint(pTarget, CPoint(m_worldPoints.back()));
    CPoint source;
    CPoint target;
    OrthogonalRouter::DefaultDirections(from, to, source, target);
    const CODSymbolComponent* sourceSymbol = pSource ? pSource->GetOwner() : nullptr;
    const CODSymbolComponent* targetSymbol = pTarget ? pTarget->GetOwner() : nullptr;
    if (sourceSymbol && targetSymbol) {
        const CRect a = sourceSymbol->GetBounds();
        const CRect b = targetSymbol->GetBounds();
        CRect overlap;
        if (a == b) {
            source = Swapped(source);
        } else if (overlap.IntersectRect(a, b)) {
            source = Swapped(source);
            target = CPoint(-target.y, -target.x);
        }
    }
    from = LeaveSymbol(pSource, from, source);
    to = LeaveSymbol(pTarget, to, target);
    SetModelPoints(OrthogonalRouter::Route(from, to, source, target, GetRoutingMargins()));
}
