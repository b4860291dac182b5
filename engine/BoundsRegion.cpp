#include "engine/BoundsRegion.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

std::int64_t Cross(const POINT& o, const POINT& a, const POINT& b)
{
    return static_cast<std::int64_t>(a.x - o.x) * (b.y - o.y) - static_cast<std::int64_t>(a.y - o.y) * (b.x - o.x);
}

// Andrew's monotone chain.
std::vector<POINT> ConvexOutline(std::vector<POINT> points)
{
    std::sort(points.begin(), points.end(),
              [](const POINT& a, const POINT& b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
    points.erase(std::unique(points.begin(), points.end(),
                             [](const POINT& a, const POINT& b) { return a.x == b.x && a.y == b.y; }),
                 points.end());
    if (points.size() < 3)
        return points;
    std::vector<POINT> hull(2 * points.size());
    std::size_t k = 0;
    for (const POINT& p : points) {
        while (k >= 2 && Cross(hull[k - 2], hull[k - 1], p) <= 0)
            --k;
        hull[k++] = p;
    }
    for (std::size_t i = points.size() - 1, lower = k + 1; i-- > 0;) {
        while (k >= lower && Cross(hull[k - 2], hull[k - 1], points[i]) <= 0)
            --k;
        hull[k++] = points[i];
    }
    hull.resize(k - 1);
    return hull;
}

double SegmentDistance(const POINT& p, const POINT& a, const POINT& b)
{
    const double vx = b.x - a.x;
    const double vy = b.y - a.y;
    const double length = vx * vx + vy * vy;
    double t = length > 0 ? ((p.x - a.x) * vx + (p.y - a.y) * vy) / length : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * vx), p.y - (a.y + t * vy));
}

bool Inside(const POINT& p, const std::vector<POINT>& polygon)
{
    bool inside = false;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const POINT& a = polygon[i];
        const POINT& b = polygon[j];
        if ((a.y > p.y) != (b.y > p.y)) {
            const double x = a.x + static_cast<double>(p.y - a.y) * (b.x - a.x) / (b.y - a.y);
            if (p.x < x)
                inside = !inside;
        }
    }
    return inside;
}

}  // namespace

void BoundsRegion::Clear()
{
    m_polygons.clear();
    m_rcBounds.SetRectEmpty();
}

void BoundsRegion::AddPolygon(const POINT* points, int count)
{
    if (!points || count <= 0)
        return;
    std::vector<POINT> polygon(points, points + count);
    if (count > 3)
        polygon = ConvexOutline(std::move(polygon));
    CRect box = m_polygons.empty() ? CRect(polygon[0].x, polygon[0].y, polygon[0].x, polygon[0].y) : m_rcBounds;
    for (const POINT& p : polygon)
        box = CRect(std::min(box.left, p.x), std::min(box.top, p.y), std::max(box.right, p.x), std::max(box.bottom, p.y));
    m_rcBounds = box;
    m_polygons.push_back(std::move(polygon));
}

void BoundsRegion::AddRect(const RECT& rect)
{
    const POINT corners[4] = {{rect.left, rect.top}, {rect.right, rect.top}, {rect.right, rect.bottom}, {rect.left, rect.bottom}};
    AddPolygon(corners, 4);
}

bool BoundsRegion::Contains(const POINT& point, int tolerance) const
{
    for (const auto& polygon : m_polygons) {
        if (polygon.size() >= 3 && Inside(point, polygon))
            return true;
        for (std::size_t i = 0; i < polygon.size(); ++i) {
            const POINT& a = polygon[i];
            const POINT& b = polygon[(i + 1) % polygon.size()];
            if (SegmentDistance(point, a, b) <= tolerance)
                return true;
        }
    }
    return false;
}
