#include "engine/CODCurveComponent.h"

#include "engine/CArchive.h"
#include "engine/CODLineProperties.h"
#include "platform/CDC.h"

namespace {
constexpr int kPointsPerSegment = 3;
}  // namespace

std::unique_ptr<CODComponent> CODCurveComponent::Clone() const
{
    return std::unique_ptr<CODComponent>(new CODCurveComponent(*this));
}

bool CODCurveComponent::IsBezierCount(int nCount)
{
    return nCount > kPointsPerSegment && (nCount - 1) % kPointsPerSegment == 0;
}

bool CODCurveComponent::Create(const POINT* points, int nCount)
{
    if (!IsBezierCount(nCount) || !SetPoints(points, nCount))
        return false;
    AddProperty(CODLineProperties());
    FinishCreate();
    return true;
}

void CODCurveComponent::OnDraw(CDC* pDC)
{
    if (m_bOutlineOnly)
        DrawOutlinePolygon(pDC);
    else
        pDC->PolyBezier(m_worldPoints.data(), GetPointCount());
}

const char* CODCurveComponent::GetTypeText() const
{
    return "Curve";
}

void CODCurveComponent::Serialize(CArchive& ar)
{
    constexpr std::uint32_t kSchema = 1;
    ar.SerializeSchema(kSchema);
    CODPointComponent::Serialize(ar);
}
