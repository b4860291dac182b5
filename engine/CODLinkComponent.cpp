#include "engine/CODLinkComponent.h"

#include "engine/CArchive.h"
#include "engine/CODBoolProperty.h"
#include "engine/CODCirclePort.h"
#include "engine/CODEditProperties.h"
#include "engine/CODLabelComponent.h"
#include "engine/CODLineLinkShape.h"
#include "engine/CODLineOrientation.h"
#include "engine/CODOrientationProperties.h"
#include "engine/CODOrthogonalLinkShape.h"
#include "engine/ODHelpers.h"
#include "engine/PropertyIds.h"
#include "platform/Arithmetic.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kEndCount = 2;
constexpr double kTenthsPerDegree = 10.0;
constexpr double kDegreesPerHalfTurn = 180.0;
constexpr std::uint32_t kFullPercent = 100;

bool BoolValue(const CODProperty* property, bool fallback)
{
    const auto* flag = dynamic_cast<const CODBoolProperty*>(property);
    return flag ? flag->GetBool() != 0 : fallback;
}

}  // namespace

CODLinkComponent::CODLinkComponent()
{
    for (int end = 0; end < kEndCount; ++end) {
        auto* port = new CODCirclePort();
        port->SetVisible(0);
        AddPort(port);
    }
    AddProperty(CODBoolProperty(OD_PROP_LINK_SWITCH, 1));
    AddProperty(CODBoolProperty(OD_PROP_LINK_AUTO_ROUTE, 1));
}

CODLinkComponent::CODLinkComponent(const CODLinkComponent& other) : CODSymbolComponent(other)
{
    for (int end = 0; end < kEndCount; ++end)
        GetEndPort(end)->AddProperty(CODBoolProperty(OD_PROP_PORT_CONNECTS, 1));
}

std::unique_ptr<CODComponent> CODLinkComponent::Clone() const
{
    return std::unique_ptr<CODComponent>(new CODLinkComponent(*this));
}

bool CODLinkComponent::Create(CODPortComponent* pSource, CODPortComponent* pTarget)
{
    const POINT points[kEndCount] = {pSource ? pSource->GetPosition() : CPoint(),
                                     pTarget ? pTarget->GetPosition() : CPoint()};
    return CreateWith(std::make_unique<CODLineLinkShape>(), points, kEndCount, pSource, pTarget);
}

bool CODLinkComponent::CreateOrthogonal(CODPortComponent* pSource, CODPortComponent* pTarget)
{
    const POINT points[kEndCount] = {pSource ? pSource->GetPosition() : CPoint(),
                                     pTarget ? pTarget->GetPosition() : CPoint()};
    return CreateWith(std::make_unique<CODOrthogonalLinkShape>(), points, kEndCount, pSource, pTarget);
}

bool CODLinkComponent::Create(const POINT* points, int nCount, CODPortComponent* pSource, CODPortComponent* pTarget)
{
    return CreateWith(std::make_unique<CODLineLinkShape>(), points, nCount, pSource, pTarget);
}

bool CODLinkComponent::CreateWith(std::unique_ptr<CODLineComponent> pLine, const POINT* points, int nCount,
                                  CODPortComponent* pSource, CODPortComponent* pTarget)
{
    if (GetLine() || !pLine->Create(points, nCount) || !AddChild(pLine.get()))
        return false;
    pLine.release();
    JoinEnds(pSource, pTarget);
    return true;
}

bool CODLinkComponent::Join(CODPortComponent* pSource, CODPortComponent* pTarget)
{
    if (!pSource || !pTarget)
        return false;
    if (!GetLine()) {
        if (!Create(pSource, pTarget))
            return false;
    } else if (GetSourcePort() || GetTargetPort()) {
        return false;
    } else {
        JoinEnds(pSource, pTarget);
    }
    return GetSourcePort() == pSource && GetTargetPort() == pTarget;
}

void CODLinkComponent::JoinEnds(CODPortComponent* pSource, CODPortComponent* pTarget)
{
    if (pSource)
        Connect(GetEndPort(kSourceEnd), pSource);
    if (pTarget)
        Connect(GetEndPort(kTargetEnd), pTarget);
    for (int end = 0; end < kEndCount; ++end) {
        CODCirclePort* port = GetEndPort(end);
        port->Create(CPoint(0, 0), CODCirclePort::kDefaultRadius);
        const auto* own = dynamic_cast<const CODEditProperties*>(port->GetProperty(OD_PROP_EDIT, false));
        CODEditProperties edit = own ? *own : CODEditProperties();
        edit.SetSelectable(0);
        port->AddProperty(edit);
    }
    Route();
    SetName("Link");
    SetType("Link");
}

CODLineComponent* CODLinkComponent::GetLine() const
{
    for (CODComponent* child : m_children)
        if (auto* line = dynamic_cast<CODLineComponent*>(child))
            return line;
    return nullptr;
}

CODLinkShape* CODLinkComponent::GetShape() const
{
    return dynamic_cast<CODLinkShape*>(GetLine());
}

CODCirclePort* CODLinkComponent::GetEndPort(int nEnd) const
{
    return dynamic_cast<CODCirclePort*>(GetPort(nEnd));
}

void CODLinkComponent::SetSourceEndpoint(std::unique_ptr<CODEndpoint> pEndpoint)
{
    if (CODLineComponent* line = GetLine()) {
        line->SetSourceEndpoint(std::move(pEndpoint));
        // The decoration widens the line, and so the link.
        UpdateBounds();
    }
}

void CODLinkComponent::SetTargetEndpoint(std::unique_ptr<CODEndpoint> pEndpoint)
{
    if (CODLineComponent* line = GetLine()) {
        line->SetTargetEndpoint(std::move(pEndpoint));
        // The decoration widens the line, and so the link.
        UpdateBounds();
    }
}

CODPortComponent* CODLinkComponent::ConnectedTo(int nEnd) const
{
    const CODPortComponent* end = GetEndPort(nEnd);
    for (const CODConnection* connection : GetOwnConnections())
        if (connection->Joins(end))
            return connection->GetOtherPort(end);
    return nullptr;
}

CODPortComponent* CODLinkComponent::GetSourcePort() const
{
    return ConnectedTo(kSourceEnd);
}

CODPortComponent* CODLinkComponent::GetTargetPort() const
{
    return ConnectedTo(kTargetEnd);
}

CODSymbolComponent* CODLinkComponent::GetSourceSymbol() const
{
    const CODPortComponent* port = GetSourcePort();
    return port ? port->GetOwner() : nullptr;
}

CODSymbolComponent* CODLinkComponent::GetTargetSymbol() const
{
    const CODPortComponent* port = GetTargetPort();
    return port ? port->GetOwner() : nullptr;
}

bool CODLinkComponent::IsAutoRouting() const
{
    return BoolValue(GetProperty(OD_PROP_LINK_AUTO_ROUTE, false), false)
        && BoolValue(GetProperty(OD_PROP_LINK_ROUTING, true), true);
}

void CODLinkComponent::Route()
{
    CODLineComponent* line = GetLine();
    if (!line)
        return;
    const CODPortComponent* source = GetSourcePort();
    const CODPortComponent* target = GetTargetPort();
    GetEndPort(kSourceEnd)->SetPosition(source ? source->GetPosition() : line->GetWorldPoint(0));
    GetEndPort(kTargetEnd)->SetPosition(target ? target->GetPosition()
                                               : line->GetWorldPoint(line->GetPointCount() - 1));
    if (CODLinkShape* shape = GetShape())
        shape->RouteLink(source, target);
    UpdateBounds();
    PlaceFollowingLabels();
}

void CODLinkComponent::PlaceLabel(CODLabelComponent* pLabel)
{
    const CODLineComponent* line = GetLine();
    const auto* along =
        pLabel ? dynamic_cast<const CODLineOrientation*>(pLabel->GetProperty(OD_PROP_LINE_ORIENTATION, false)) : nullptr;
    if (!along || !line || line->GetPointCount() < CODLineComponent::kMinPoints) {
        CODSymbolComponent::PlaceLabel(pLabel);
        return;
    }
    int segment = 0;
    CPoint point = line->GetPointAtPercentage(static_cast<int>(std::min(along->GetPercent(), kFullPercent)), &segment);
    const CPoint a = line->GetWorldPoint(segment);
    const CPoint b = line->GetWorldPoint(segment + 1);
    // Off the line to the left of the direction of travel (above a line
    // running to the right).
    const double radians = AngleBetween(a.x, a.y, b.x, b.y) / kTenthsPerDegree * kOdPi / kDegreesPerHalfTurn;
    const double distance = along->GetDistance();
    point.Offset(RoundHalfAwayFromZero(distance * std::sin(radians)),
                 RoundHalfAwayFromZero(-distance * std::cos(radians)));
    if (const auto* offsets =
            dynamic_cast<const CODOrientationProperties*>(pLabel->GetProperty(OD_PROP_ORIENTATION, false)))
        point.Offset(offsets->GetOffsetX(), offsets->GetOffsetY());
    const CPoint anchor = pLabel->GetAnchorPoint(along->GetAnchor());
    pLabel->Translate(point.x - anchor.x, point.y - anchor.y);
}

void CODLinkComponent::SetEndTaken(CODConnection* pConnection, bool bTaken)
{
    CODPortComponent* end = GetEnd(pConnection);
    if (IsOwnPort(end))
        end->AddProperty(CODBoolProperty(OD_PROP_PORT_CONNECTS, bTaken ? 0 : 1));
}

void CODLinkComponent::OnConnect(CODConnection* pConnection)
{
    SetEndTaken(pConnection, true);
    if (IsAutoRouting())
        Route();
}

void CODLinkComponent::OnDisconnect(CODConnection* pConnection)
{
    SetEndTaken(pConnection, false);
    if (IsAutoRouting())
        Route();
}

void CODLinkComponent::OnConnectionNotify(CODConnection* /*pConnection*/,
                                          const CODConnection::Notification& /*notification*/)
{
    if (IsAutoRouting())
        Route();
}

void CODLinkComponent::Serialize(CArchive& ar)
{
    constexpr std::uint32_t kSchema = 1;
    ar.SerializeSchema(kSchema);
    CODSymbolComponent::Serialize(ar);
    if (ar.IsStoring())
        return;
    if (GetOwnPortCount() != kEndCount || !GetEndPort(kSourceEnd) || !GetEndPort(kTargetEnd))
        ar.Fail("a link without its two ends");
    if (dynamic_cast<const CODLinkShape*>(GetChild(0)))
        return;
    // Older links drew a plain line: it becomes the straight link shape.
    const auto* line = dynamic_cast<const CODLineComponent*>(GetChild(0));
    if (!line)
        ar.Fail("a link without its line");
    auto* shape = new CODLineLinkShape(*line);
    shape->AddRef();
    shape->SetParent(this);
    CODComponent* old = m_children.front();
    m_children.front() = shape;
    old->SetParent(nullptr);
    old->Release();
}
