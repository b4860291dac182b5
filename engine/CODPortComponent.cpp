#include "engine/CODPortComponent.h"

#include "engine/CArchive.h"
#include "engine/CODBoolProperty.h"
#include "engine/CODEditProperties.h"
#include "engine/CODSymbolComponent.h"
#include "engine/PropertyIds.h"

CODPortComponent::CODPortComponent()
{
    SetPointCount(1);
}

CODPortComponent::CODPortComponent(const CODPortComponent& other)
    : CODPointComponent(other), m_bCentrePort(other.m_bCentrePort)
{
}

std::unique_ptr<CODComponent> CODPortComponent::Clone() const
{
    return std::unique_ptr<CODComponent>(new CODPortComponent(*this));
}

bool CODPortComponent::Create(const CPoint& point)
{
    SetPointCount(1);
    SetPoint(0, point);
    CODEditProperties edit;
    edit.SetRotatable(0);
    edit.SetScalable(0);
    AddProperty(edit);
    FinishCreate();
    return true;
}

CODTransform CODPortComponent::GetAccumulatedTransform() const
{
    if (!m_pOwner)
        return CODComponent::GetAccumulatedTransform();
    CODTransform accumulated = m_pOwner->GetAccumulatedTransform();
    if (const CODTransform* own = GetTransform())
        accumulated.Multiply(*own);
    return accumulated;
}

CPoint CODPortComponent::GetPosition() const
{
    return CPoint(GetAccumulatedTransform().TransformPoint(GetPoint(0)));
}

void CODPortComponent::SetPosition(const CPoint& point)
{
    int x = point.x;
    int y = point.y;
    if (!GetAccumulatedTransform().InverseTransformPoint(x, y))
        return;
    SetPoint(0, CPoint(x, y));
    UpdateBounds();
}

bool CODPortComponent::CanConnect(const CODPortComponent* pOther) const
{
    return m_pOwner && m_pOwner->CanConnect(this, pOther);
}

bool CODPortComponent::AcceptsConnections() const
{
    const auto* accepts = dynamic_cast<const CODBoolProperty*>(GetProperty(OD_PROP_PORT_CONNECTS, false));
    return !accepts || accepts->GetBool();
}

bool CODPortComponent::HitTest(const CPoint& point, int nTolerance) const
{
    const CRect b = GetBounds();
    return point.x >= b.left - nTolerance && point.x <= b.right + nTolerance && point.y >= b.top - nTolerance
        && point.y <= b.bottom + nTolerance;
}

const char* CODPortComponent::GetTypeText() const
{
    return "Port";
}

void CODPortComponent::Serialize(CArchive& ar)
{
    constexpr std::uint32_t kSchema = 1;
    ar.SerializeSchema(kSchema);
    if (ar.IsStoring())
        ar.WriteInt(m_bCentrePort);
    else
        m_bCentrePort = ar.ReadInt();
    CODPointComponent::Serialize(ar);
}
