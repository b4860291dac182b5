#include "engine/CODEllipseComponent.h"

#include "engine/CArchive.h"
#include "engine/CODFillProperties.h"
#include "engine/CODLineProperties.h"
#include "platform/Arithmetic.h"
#include "platform/CDC.h"

namespace {
// Control distance of a cubic quarter circle, as a fraction of the radius.
constexpr double kKappa = 0.5522847498;
}  // namespace

std::unique_ptr<CODComponent> CODEllipseComponent::Clone() const
{
    return std::unique_ptr<CODComponent>(new CODEllipseComponent(*this));
}

bool CODEllipseComponent::Create(const CRect& rect)
{
    if (rect.IsRectEmpty())
        return false;
    AddProperty(CODLineProperties());
    AddProperty(CODFillProperties());
    POINT points[kControlPoints];
    BezierPoints(rect, points);
    SetPoints(points, kControlPoints);
    FinishCreate();
    return true;
}

void CODEllipseComponent::BezierPoints(const CRect& rect, POINT* points)
{
    const double cx = (rect.left + rect.right) / 2.0;
    const double cy = (rect.top + rect.bottom) / 2.0;
    const double kx = rect.Width() / 2.0 * kKappa;
    const double ky = rect.Height() / 2.0 * kKappa;
    const auto at = [](double x, double y) { return POINT{RoundHalfAwayFromZero(x), RoundHalfAwayFromZero(y)}; };
    const double l = rect.left;
    const double t = rect.top;
    const double r = rect.right;
    const double b = rect.bottom;
    const POINT control[kControlPoints] = {
        at(r, cy),      at(r, cy + ky), at(cx + kx, b), at(cx, b), at(cx - kx, b), at(l, cy + ky), at(l, cy),
        at(l, cy - ky), at(cx - kx, t), at(cx, t),      at(cx + kx, t), at(r, cy - ky), at(r, cy)};
    std::copy(control, control + kControlPoints, points);
}

void CODEllipseComponent::OnDraw(CDC* pDC)
{
    if (m_bOutlineOnly || GetPointCount() != kControlPoints) {
        DrawOutlinePolygon(pDC);
        return;
    }
    pDC->BeginPath();
    pDC->PolyBezier(m_worldPoints.data(), kControlPoints);
    pDC->CloseFigure();
    pDC->EndPath();
    pDC->StrokeAndFillPath();
}

const char* CODEllipseComponent::GetTypeText() const
{
    return "Ellipse";
}

void CODEllipseComponent::Serialize(CArchive& ar)
{
    constexpr std::uint32_t kSchema = 2;
    // Older ellipses kept the four corners of their rectangle.
    constexpr std::uint32_t kLastRectangleSchema = 1;
    const std::uint32_t schema = ar.SerializeSchema(kSchema);
    CODPointComponent::Serialize(ar);
    if (ar.IsStoring() || schema > kLastRectangleSchema)
        return;
    if (GetPointCount() != kBoxCorners)
        ar.Fail("an ellipse without its rectangle");
    CRect rect(m_points[0].x, m_points[0].y, m_points[2].x, m_points[2].y);
    rect.NormalizeRect();
    m_points.resize(kControlPoints);
    BezierPoints(rect, m_points.data());
    m_worldPoints = m_points;
}
