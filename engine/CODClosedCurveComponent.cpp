#include "engine/CODClosedCurveComponent.h"

#include "engine/CArchive.h"
#include "platform/CDC.h"

std::unique_ptr<CODComponent> CODClosedCurveComponent::Clone() const
{
    return std::unique_ptr<CODComponent>(new CODClosedCurveComponent(*this));
}

void CODClosedCurveComponent::OnDraw(CDC* pDC)
{
    if (m_bOutlineOnly || !IsBezierCount(GetPointCount())) {
        DrawOutlinePolygon(pDC);
        return;
    }
    pDC->BeginPath();
    pDC->PolyBezier(m_worldPoints.data(), GetPointCount());
    pDC->CloseFigure();
    pDC->EndPath();
    pDC->StrokeAndFillPath();
}

const char* CODClosedCurveComponent::GetTypeText() const
{
    return "Closed Curve";
}

void CODClosedCurveComponent::Serialize(CArchive& ar)
{
    constexpr std::uint32_t kSchema = 1;
    ar.SerializeSchema(kSchema);
    CODCurveComponent::Serialize(ar);
}
