#include "engine/ODHelpers.h"

#include "engine/CODComponent.h"
#include "platform/Arithmetic.h"
#include "platform/CDC.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// The given context, or a screen-compatible one. The screen context is made
// once: it is only read here, and making a context per conversion made every
// new font or pen property pay for a bitmap.
class ContextOrScreen {
public:
    explicit ContextOrScreen(const CDC* pDC) : m_pDC(pDC ? pDC : &Screen()) {}
    const CDC& operator*() const { return *m_pDC; }

private:
    static const CDC& Screen()
    {
        static const CDC screen;
        return screen;
    }

    const CDC* m_pDC;
};

}  // namespace

int PointsToLogical(int nPoints, const CDC* pDC, bool bVertical)
{
    const ContextOrScreen dc(pDC);
    const int length = nPoints * (*dc).GetDeviceCaps(bVertical ? LOGPIXELSY : LOGPIXELSX) / 72;
    POINT points[2] = {{length, length}, {0, 0}};
    (*dc).DPtoLP(points, 2);
    return std::abs(bVertical ? points[0].y - points[1].y : points[0].x - points[1].x);
}

int LogicalToPoints(int nLogical, const CDC* pDC, bool bVertical)
{
    const ContextOrScreen dc(pDC);
    POINT points[2] = {{nLogical, nLogical}, {0, 0}};
    (*dc).LPtoDP(points, 2);
    const int length = std::abs(bVertical ? points[0].y - points[1].y : points[0].x - points[1].x);
    return length * 72 / (*dc).GetDeviceCaps(bVertical ? LOGPIXELSY : LOGPIXELSX);
}

int AngleBetween(int x1, int y1, int x2, int y2)
{
    const double dx = static_cast<double>(x2) - x1;
    const double dy = static_cast<double>(y2) - y1;
    double degrees = 0.0;
    if (dx != 0.0)
        degrees = std::atan(dy / dx) * (180.0 / kOdPi);
    else
        degrees = dy >= 0.0 ? 90.0 : -90.0;
    if (dx < 0.0)
        degrees += 180.0;
    return RoundHalfAwayFromZero(degrees * 10.0);
}

CRect BoundsUnion(const std::vector<CODComponent*>& components)
{
    CRect bounds;
    bool first = true;
    for (const CODComponent* component : components) {
        bounds = first ? component->GetBounds() : Enclosing(bounds, component->GetBounds());
        first = false;
    }
    return bounds;
}

CRect Enclosing(const CRect& a, const CRect& b)
{
    return CRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                 std::max(a.bottom, b.bottom));
}

CRect Normalized(const CPoint& a, const CPoint& b)
{
    CRect rect(a.x, a.y, b.x, b.y);
    rect.NormalizeRect();
    return rect;
}
