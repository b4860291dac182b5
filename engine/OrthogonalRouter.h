#pragma once

#include "platform/CPoint.h"
#include "platform/CRect.h"

#include <vector>

// Right-angle routing between two end points. Directions are unit steps
// ((1, 0) right, (0, 1) down, ...): the source direction is the way the path
// leaves the first point, the target direction the way it leaves the last
// point backwards (the side it enters from). A 5 x 5 grid of cells is laid
// over the rectangle of the two points; the outer columns and rows lie the
// margins outside it.
class OrthogonalRouter {
public:
    // Leave along the longer axis toward the target, enter facing the source.
    static void DefaultDirections(const CPoint& from, const CPoint& to, CPoint& source, CPoint& target);
    // The path from one point to the other with at most four bends of the
    // walk between them; margins are (left, top, right, bottom).
    static std::vector<CPoint> Route(const CPoint& from, const CPoint& to, const CPoint& source, const CPoint& target,
                                     const CRect& margins = CRect());
};
