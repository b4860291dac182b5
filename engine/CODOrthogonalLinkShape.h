#pragma once

#include "engine/CODLineComponent.h"
#include "engine/CODLinkShape.h"

// A link's right-angle path between its two ends: each end leaves from the
// side of its symbol nearest to its port (or, for a centre port, from the
// outline in the direction of travel), and the walk of the orthogonal
// router lays the bends. Sets the orthogonal switch 280 on itself.
class CODOrthogonalLinkShape : public CODLineComponent, public CODLinkShape {
public:
    CODOrthogonalLinkShape();

    std::unique_ptr<CODComponent> Clone() const override;
    void RouteLink(const CODPortComponent* pSource, const CODPortComponent* pTarget) override;

    // The direction out of the bounds' side nearest to the point.
    static CPoint NearestSide(const CRect& bounds, const CPoint& point);

protected:
    CODOrthogonalLinkShape(const CODOrthogonalLinkShape& other) = default;
};
