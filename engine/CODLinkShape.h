#pragma once

#include "platform/CPoint.h"

class CODPortComponent;

// The routing side of a link's line: given the ports the link's ends are
// connected to (none for a loose end), it lays its own points between them.
class CODLinkShape {
public:
    virtual ~CODLinkShape() = default;
    virtual void RouteLink(const CODPortComponent* pSource, const CODPortComponent* pTarget) = 0;

protected:
    // A connected end sits at its port; a loose one keeps the line's point.
    static CPoint EndPoint(const CODPortComponent* pPort, const CPoint& linePoint);
};
