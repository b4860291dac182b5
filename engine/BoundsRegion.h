#pragma once

#include "platform/CRect.h"
#include "platform/WinTypes.h"

#include <vector>

// The outline of a component for hit testing and invalidation: polygons in
// model coordinates and the rectangle enclosing them all.
class BoundsRegion {
public:
    void Clear();
    // Up to three points are kept as given (a point, a segment, a triangle);
    // more are reduced to their convex outline.
    void AddPolygon(const POINT* points, int count);
    void AddRect(const RECT& rect);

    // Inside a polygon, or within tolerance (in logical units) of its outline.
    bool Contains(const POINT& point, int tolerance) const;
    // From the least to the greatest coordinates of the points; empty when
    // there are no polygons.
    CRect GetBoundingRect() const { return m_rcBounds; }
    const std::vector<std::vector<POINT>>& GetPolygons() const { return m_polygons; }
    bool IsEmpty() const { return m_polygons.empty(); }

private:
    CRect m_rcBounds;
    std::vector<std::vector<POINT>> m_polygons;
};
