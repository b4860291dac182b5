#include "engine/CODLineComponent.h"

#include "engine/CArchive.h"
#include "engine/CODBoolProperty.h"
#include "engine/CODIntProperty.h"
#include "engine/CODLineProperties.h"
#include "engine/OrthogonalRouter.h"
#include "engine/PropertyIds.h"
#include "platform/CDC.h"

CODLineComponent::CODLineComponent()
{
    AddProperty(CODBoolProperty(OD_PROP_ORTHOGONAL, 0));
    for (int id : {OD_PROP_MARGIN_LEFT, OD_PROP_MARGIN_TOP, OD_PROP_MARGIN_RIGHT, OD_PROP_MARGIN_BOTTOM})
        AddProperty(CODIntProperty(id, 0));
}

CODLineComponent::CODLineComponent(const CODLineComponent& other)
    : CODPointComponent(other),
      m_pSourceEndpoint(other.m_pSourceEndpoint ? other.m_pSourceEndpoint->Clone() : nullptr),
      m_pTargetEndpoint(other.m_pTargetEndpoint ? other.m_pTargetEndpoint->Clone() : nullptr)
{
}

CODLineComponent::~CODLineComponent() = default;

std::unique_ptr<CODComponent> CODLineComponent::Clone() const
{
    return std::unique_ptr<CODComponent>(new CODLineComponent(*this));
}

bool CODLineComponent::Create(const POINT* points, int nCount)
{
    if (nCount < kMinPoints || !SetPoints(points, nCount))
        return false;
    AddProperty(CODLineProperties());
    m_worldPoints = m_points;
    if (IsOrthogonal())
        RouteOrthogonal();
    FinishCreate();
    return true;
}

bool CODLineComponent::Create(const std::vector<POINT>& points)
{
    return Create(points.data(), static_cast<int>(points.size()));
}

bool CODLineComponent::IsOrthogonal() const
{
    for (std::size_t i = 1; i < m_worldPoints.size(); ++i)
        if (m_worldPoints[i].x != m_worldPoints[i - 1].x && m_worldPoints[i].y != m_worldPoints[i - 1].y)
            return false;
    return m_worldPoints.size() >= kMinPoints;
}

int CODLineComponent::IntProperty(int nId) const
{
    const auto* property = dynamic_cast<const CODIntProperty*>(GetProperty(nId, true));
    return property ? property->GetInt() : 0;
}

void CODLineComponent::RouteOrthogonal()
{
    if (GetPointCount() < kMinPoints)
        return;
    const CPoint from(m_points.front());
    const CPoint to(m_points.back());
    CPoint source;
    CPoint target;
    OrthogonalRouter::DefaultDirections(from, to, source, target);
    const std::vector<CPoint> route = OrthogonalRouter::Route(from, to, source, target, GetRoutingMargins());
    const std::vector<POINT> points(route.begin(), route.end());
    SetPoints(points.data(), static_cast<int>(points.size()));
}

CRect CODLineComponent::GetRoutingMargins() const
{
    return CRect(IntProperty(OD_PROP_MARGIN_LEFT), IntProperty(OD_PROP_MARGIN_TOP), IntProperty(OD_PROP_MARGIN_RIGHT),
                 IntProperty(OD_PROP_MARGIN_BOTTOM));
}

void CODLineComponent::SetModelPoints(const std::vector<CPoint>& points)
{
    const CODTransform toModel = GetAccumulatedTransform();
    std::vector<POINT> local(points.begin(), points.end());
    if (!toModel.IsIdentity())
        for (POINT& point : local)
            toModel.InverseTransformPoint(point.x, point.y);
    SetPoints(local.data(), static_cast<int>(local.size()));
    UpdateBounds();
}

void CODLineComponent::SetSourceEndpoint(std::unique_ptr<CODEndpoint> pEndpoint)
{
    m_pSourceEndpoint = std::move(pEndpoint);
    UpdateBounds();
}

void CODLineComponent::SetTargetEndpoint(std::unique_ptr<CODEndpoint> pEndpoint)
{
    m_pTargetEndpoint = std::move(pEndpoint);
    UpdateBounds();
}

void CODLineComponent::BuildBoundsRegion()
{
    CODPointComponent::BuildBoundsRegion();
    const std::size_t count = m_worldPoints.size();
    if (count < kMinPoints)
        return;
    if (m_pSourceEndpoint) {
        m_pSourceEndpoint->SetSegment(m_worldPoints[1], m_worldPoints[0]);
        m_pSourceEndpoint->AddToRegion(m_boundsRegion);
    }
    if (m_pTargetEndpoint) {
        m_pTargetEndpoint->SetSegment(m_worldPoints[count - 2], m_worldPoints[count - 1]);
        m_pTargetEndpoint->AddToRegion(m_boundsRegion);
    }
}

void CODLineComponent::OnDraw(CDC* pDC)
{
    pDC->Polyline(m_worldPoints.data(), GetPointCount());
    if (m_bOutlineOnly)
        return;
    if (m_pSourceEndpoint)
        m_pSourceEndpoint->Draw(pDC);
    if (m_pTargetEndpoint)
        m_pTargetEndpoint->Draw(pDC);
}

const char* CODLineComponent::GetTypeText() const
{
    return "Line";
}

void CODLineComponent::Serialize(CArchive& ar)
{
    constexpr std::uint32_t kSchema = 1;
    ar.SerializeSchema(kSchema);
    if (ar.IsStoring()) {
        ar.WriteObject(m_pSourceEndpoint.get());
        ar.WriteObject(m_pTargetEndpoint.get());
    } else {
        m_pSourceEndpoint = ar.ReadOwnedObject<CODEndpoint>();
        m_pTargetEndpoint = ar.ReadOwnedObject<CODEndpoint>();
    }
    CODPointComponent::Serialize(ar);
}
