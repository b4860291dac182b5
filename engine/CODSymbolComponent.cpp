#include "engine/CODSymbolComponent.h"

#include "engine/CArchive.h"
#include "engine/CODBoolProperty.h"
#include "engine/CODCirclePort.h"
#include "engine/CODLabelComponent.h"
#include "engine/CODOrientationProperties.h"
#include "engine/CODPortComponent.h"
#include "engine/PropertyIds.h"
#include "engine/SymbolResources.h"
#include "platform/Arithmetic.h"
#include "platform/MessageBox.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>

namespace {

std::int64_t DistanceSquared(const CPoint& a, const CPoint& b)
{
    const std::int64_t dx = a.x - b.x;
    const std::int64_t dy = a.y - b.y;
    return dx * dx + dy * dy;
}

double Cross(double ax, double ay, double bx, double by)
{
    return ax * by - ay * bx;
}

// The parameter along a -> b where it crosses the segment c -> d, if it does.
std::optional<double> Crossing(const POINT& a, const POINT& b, const POINT& c, const POINT& d)
{
    const double rx = b.x - a.x;
    const double ry = b.y - a.y;
    const double sx = d.x - c.x;
    const double sy = d.y - c.y;
    const double denominator = Cross(rx, ry, sx, sy);
    if (denominator == 0.0)
        return std::nullopt;
    const double t = Cross(c.x - a.x, c.y - a.y, sx, sy) / denominator;
    const double u = Cross(c.x - a.x, c.y - a.y, rx, ry) / denominator;
    if (t < 0.0 || t > 1.0 || u < 0.0 || u > 1.0)
        return std::nullopt;
    return t;
}

void ReleaseAll(std::vector<CODConnection*>& array, CODConnection* pConnection)
{
    CODConnection* connection = pConnection;
    const auto count = std::count(array.begin(), array.end(), connection);
    array.erase(std::remove(array.begin(), array.end(), connection), array.end());
    for (auto i = count; i > 0; --i)
        connection->Release();
}

bool IsFollowing(const CODLabelComponent& label)
{
    const auto* follow = dynamic_cast<const CODBoolProperty*>(label.GetProperty(OD_PROP_LABEL_SWITCH, false));
    return follow && follow->GetBool();
}

}  // namespace

CODSymbolComponent::CODSymbolComponent()
{
    auto* centre = new CODCirclePort();
    centre->Create(CPoint(0, 0));
    centre->SetCentrePort(1);
    // A connection target, not a visible part of the symbol.
    centre->SetVisible(0);
    m_pCentrePort = centre;
    TakeOwnership(centre);
}

CODSymbolComponent::CODSymbolComponent(const CODSymbolComponent& other) : CODComponent(other)
{
    // Connections and labels tie the original to its neighbours; the copy
    // starts without them.
    m_pCentrePort = static_cast<CODCirclePort*>(other.m_pCentrePort->Clone().release());
    TakeOwnership(m_pCentrePort);
    for (const CODPortComponent* port : other.m_ports) {
        auto* copy = static_cast<CODPortComponent*>(port->Clone().release());
        TakeOwnership(copy);
        m_ports.push_back(copy);
    }
}

CODSymbolComponent::~CODSymbolComponent()
{
    while (!m_connections.empty()) {
        CODConnection* connection = m_connections.back();
        connection->AddRef();
        DetachConnection(connection, this);
        // Gone from this array even when its port has lost its owner.
        ReleaseAll(m_connections, connection);
        connection->Release();
    }
    for (CODPortComponent* port : m_ports) {
        port->SetOwner(nullptr);
        port->Release();
    }
    m_pCentrePort->SetOwner(nullptr);
    m_pCentrePort->Release();
    for (CODLabelComponent* label : m_labels) {
        label->SetOwner(nullptr);
        label->Release();
    }
}

std::unique_ptr<CODComponent> CODSymbolComponent::Clone() const
{
    return std::unique_ptr<CODComponent>(new CODSymbolComponent(*this));
}

void CODSymbolComponent::TakeOwnership(CODPortComponent* pPort)
{
    pPort->AddRef();
    pPort->SetOwner(this);
    pPort->UpdateBounds();
}

bool CODSymbolComponent::Create()
{
    m_pCentrePort->SetPosition(CPoint(0, 0));
    UpdateBounds();
    SetName("Symbol");
    SetType("Symbol");
    return true;
}

bool CODSymbolComponent::Create(const std::vector<CODComponent*>& components)
{
    const bool added = AddChildren(components);
    UpdateBounds();
    SetName("Component");
    SetType("Component");
    return added;
}

bool CODSymbolComponent::Create(std::uint32_t nResourceId, const CODResourceModule& module)
{
    const CODResourceModule::Handle resource = module.FindResource(nResourceId, kSymbolResourceType);
    if (!resource) {
        MessageBox::Show("FindResource()");
        return false;
    }
    const std::size_t size = module.SizeofResource(resource);
    if (size == 0) {
        MessageBox::Show("SizeofResource()");
        return false;
    }
    const CODResourceModule::Handle loaded = module.LoadResource(resource);
    if (!loaded) {
        MessageBox::Show("LoadResource()");
        return false;
    }
    const std::uint8_t* bytes = module.LockResource(loaded);
    if (!bytes) {
        MessageBox::Show("LockResource()");
        return false;
    }
    try {
        CArchive ar(bytes, size);
        Serialize(ar);
        ar.Finish();
    } catch (const CArchiveException&) {
        return false;
    }
    return true;
}

bool CODSymbolComponent::AddPort(CODPortComponent* pPort)
{
    if (!pPort || pPort->GetOwner() || std::find(m_ports.begin(), m_ports.end(), pPort) != m_ports.end())
        return false;
    m_ports.push_back(pPort);
    TakeOwnership(pPort);
    UpdateCentrePort();
    return true;
}

bool CODSymbolComponent::RemovePort(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetOwnPortCount())
        return false;
    CODPortComponent* port = m_ports[static_cast<std::size_t>(nIndex)];
    for (CODConnection* connection : GetConnections())
        if (connection->Joins(port))
            DetachConnection(connection, nullptr);
    m_ports.erase(m_ports.begin() + nIndex);
    port->SetOwner(nullptr);
    port->Release();
    UpdateCentrePort();
    return true;
}

int CODSymbolComponent::GetPortCount() const
{
    int count = GetOwnPortCount();
    for (const CODComponent* child : m_children)
        if (const auto* symbol = dynamic_cast<const CODSymbolComponent*>(child))
            count += symbol->GetPortCount();
    return count;
}

CODPortComponent* CODSymbolComponent::GetPort(int nIndex) const
{
    if (nIndex < 0)
        return nullptr;
    if (nIndex < GetOwnPortCount())
        return m_ports[static_cast<std::size_t>(nIndex)];
    int index = nIndex - GetOwnPortCount();
    for (const CODComponent* child : m_children) {
        const auto* symbol = dynamic_cast<const CODSymbolComponent*>(child);
        if (!symbol)
            continue;
        const int count = symbol->GetPortCount();
        if (index < count)
            return symbol->GetPort(index);
        index -= count;
    }
    return nullptr;
}

void CODSymbolComponent::SetPortsVisible(int bVisible)
{
    for (CODPortComponent* port : m_ports)
        port->SetVisible(bVisible);
}

void CODSymbolComponent::EnableCentrePort(bool bEnable)
{
    m_pCentrePort->AddProperty(CODBoolProperty(OD_PROP_PORT_CONNECTS, bEnable ? 1 : 0));
}

void CODSymbolComponent::UpdateCentrePort()
{
    EnableCentrePort(GetPortCount() == 0);
}

CODPortComponent* CODSymbolComponent::FindPortAt(const CPoint& point, int nTolerance) const
{
    CODPortComponent* best = nullptr;
    std::int64_t bestDistance = 0;
    for (CODPortComponent* port : m_ports) {
        if (!port->AcceptsConnections() || !port->HitTest(point, nTolerance))
            continue;
        const std::int64_t distance = DistanceSquared(port->GetPosition(), point);
        if (!best || distance < bestDistance) {
            best = port;
            bestDistance = distance;
        }
    }
    if (m_pCentrePort->AcceptsConnections()) {
        const bool centreHit = m_pCentrePort->HitTest(point, nTolerance);
        const bool nearer = centreHit && (!best || DistanceSquared(m_pCentrePort->GetPosition(), point) < bestDistance);
        if (nearer || (!best && m_boundsRegion.Contains(point, 0)))
            best = m_pCentrePort;
    }
    if (best)
        return best;
    for (const CODComponent* child : m_children)
        if (const auto* symbol = dynamic_cast<const CODSymbolComponent*>(child))
            if (CODPortComponent* found = symbol->FindPortAt(point, nTolerance))
                return found;
    return nullptr;
}

bool CODSymbolComponent::AddLabel(CODLabelComponent* pLabel)
{
    if (!pLabel || pLabel->GetOwner() || std::find(m_labels.begin(), m_labels.end(), pLabel) != m_labels.end())
        return false;
    m_labels.push_back(pLabel);
    pLabel->AddRef();
    pLabel->SetOwner(this);
    if (m_pParent && m_pParent->FindChild(pLabel) < 0)
        m_pParent->AddChild(pLabel);
    if (IsFollowing(*pLabel))
        PlaceLabel(pLabel);
    return true;
}

CODLabelComponent* CODSymbolComponent::AddLabel(const std::string& strText, int nOrientation, CDC* pDC)
{
    auto* label = new CODLabelComponent();
    label->Create(CPoint(0, 0), pDC);
    label->SetText(strText);
    label->SizeToText(CODTextComponent::kSizeGrow, pDC, true);
    label->AddProperty(CODOrientationProperties(OD_PROP_ORIENTATION, nOrientation));
    label->AddProperty(CODBoolProperty(OD_PROP_LABEL_SWITCH, 1));
    // Held for the call: a refused label is released and none returned.
    label->AddRef();
    const bool added = AddLabel(label);
    label->Release();
    return added ? label : nullptr;
}

bool CODSymbolComponent::RemoveLabel(CODLabelComponent* pLabel)
{
    const auto it = std::find(m_labels.begin(), m_labels.end(), pLabel);
    return it != m_labels.end() && RemoveLabel(static_cast<int>(it - m_labels.begin()));
}

bool CODSymbolComponent::RemoveLabel(int nIndex)
{
    CODLabelComponent* label = GetLabel(nIndex);
    if (!label)
        return false;
    m_labels.erase(m_labels.begin() + nIndex);
    label->SetOwner(nullptr);
    if (CODComponent* parent = label->GetParent())
        parent->RemoveChild(parent->FindChild(label));
    label->Release();
    return true;
}

CODLabelComponent* CODSymbolComponent::GetLabel(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetLabelCount() ? m_labels[static_cast<std::size_t>(nIndex)] : nullptr;
}

void CODSymbolComponent::PlaceLabel(CODLabelComponent* pLabel)
{
    if (!pLabel)
        return;
    const auto* orientation =
        dynamic_cast<const CODOrientationProperties*>(pLabel->GetProperty(OD_PROP_ORIENTATION, false));
    const CODOrientationProperties placement = orientation ? *orientation : CODOrientationProperties();
    const CRect b = GetBounds();
    const CRect label = pLabel->GetBounds();
    const int w = label.Width();
    const int h = label.Height();
    const int centreX = b.left + (b.right - b.left) / 2 - w / 2;
    const int centreY = b.top + (b.bottom - b.top) / 2 - h / 2;
    CPoint topLeft;
    switch (placement.GetOrientation()) {
    case 0:
        topLeft = CPoint(b.left, b.top);
        break;
    case 1:
        topLeft = CPoint(centreX, b.top);
        break;
    case 2:
        topLeft = CPoint(b.right - w, b.top);
        break;
    case 3:
        topLeft = CPoint(b.right - w, centreY);
        break;
    case 4:
        topLeft = CPoint(b.right - w, b.bottom - h);
        break;
    case 5:
        topLeft = CPoint(centreX, b.bottom - h);
        break;
    case 6:
        topLeft = CPoint(b.left, b.bottom - h);
        break;
    case 7:
        topLeft = CPoint(b.left, centreY);
        break;
    default:
        topLeft = CPoint(centreX, centreY);
        break;
    }
    pLabel->MoveTo(topLeft.x + placement.GetOffsetX(), topLeft.y + placement.GetOffsetY());
}

void CODSymbolComponent::PlaceFollowingLabels()
{
    for (CODLabelComponent* label : m_labels)
        if (IsFollowing(*label))
            PlaceLabel(label);
}

bool CODSymbolComponent::IsOwnPort(const CODPortComponent* pPort) const
{
    return pPort && pPort->GetOwner() == this;
}

bool CODSymbolComponent::BelongsHere(const CODPortComponent* pPort) const
{
    const CODSymbolComponent* owner = pPort ? pPort->GetOwner() : nullptr;
    return owner && (owner == this || IsDescendant(owner));
}

bool CODSymbolComponent::CanConnect(const CODPortComponent* pPort, const CODPortComponent* pOther) const
{
    return pOther && IsOwnPort(pPort) && pPort->AcceptsConnections();
}

CODConnection* CODSymbolComponent::Connect(CODPortComponent* pPort, CODPortComponent* pOther)
{
    if (!pPort || !pOther || pPort == pOther || !BelongsHere(pPort))
        return nullptr;
    CODSymbolComponent* owner = pPort->GetOwner();
    for (const CODConnection* existing : owner->m_connections)
        if (existing->GetPort1() == pPort && existing->GetPort2() == pOther)
            return nullptr;
    if (!pPort->CanConnect(pOther) || !pOther->CanConnect(pPort))
        return nullptr;
    CODSymbolComponent* other = pOther->GetOwner();
    auto* connection = new CODConnection(pPort, pOther);
    owner->m_connections.push_back(connection);
    connection->AddRef();
    other->m_connections.push_back(connection);
    connection->AddRef();
    owner->OnConnect(connection);
    if (other != owner)
        other->OnConnect(connection);
    return connection;
}

bool CODSymbolComponent::Disconnect(CODPortComponent* pPort, CODPortComponent* pOther)
{
    CODConnection* connection = GetConnection(pPort, pOther);
    if (!connection)
        return false;
    DetachConnection(connection, nullptr);
    return true;
}

void CODSymbolComponent::DetachConnection(CODConnection* pConnection, const CODSymbolComponent* pSkip)
{
    // Kept alive until both hooks have run.
    pConnection->AddRef();
    CODSymbolComponent* first = pConnection->GetPort1()->GetOwner();
    CODSymbolComponent* second = pConnection->GetPort2()->GetOwner();
    if (first)
        ReleaseAll(first->m_connections, pConnection);
    if (second && second != first)
        ReleaseAll(second->m_connections, pConnection);
    if (first && first != pSkip)
        first->OnDisconnect(pConnection);
    if (second && second != first && second != pSkip)
        second->OnDisconnect(pConnection);
    pConnection->Release();
}

std::vector<CODConnection*> CODSymbolComponent::GetConnections() const
{
    std::vector<CODConnection*> all;
    for (CODConnection* connection : m_connections)
        if (std::find(all.begin(), all.end(), connection) == all.end())
            all.push_back(connection);
    for (const CODComponent* child : m_children)
        if (const auto* symbol = dynamic_cast<const CODSymbolComponent*>(child))
            for (CODConnection* connection : symbol->GetConnections())
                if (std::find(all.begin(), all.end(), connection) == all.end())
                    all.push_back(connection);
    return all;
}

CODConnection* CODSymbolComponent::GetConnection(const CODPortComponent* pPort, const CODPortComponent* pOther) const
{
    for (CODConnection* connection : GetConnections())
        if (connection->Joins(pPort) && connection->GetOtherPort(pPort) == pOther)
            return connection;
    return nullptr;
}

CODPortComponent* CODSymbolComponent::GetEnd(const CODConnection* pConnection) const
{
    if (!pConnection)
        return nullptr;
    if (BelongsHere(pConnection->GetPort1()))
        return pConnection->GetPort1();
    return BelongsHere(pConnection->GetPort2()) ? pConnection->GetPort2() : nullptr;
}

CODPortComponent* CODSymbolComponent::GetOtherEnd(const CODConnection* pConnection) const
{
    const CODPortComponent* end = GetEnd(pConnection);
    return end ? pConnection->GetOtherPort(end) : nullptr;
}

void CODSymbolComponent::OnConnect(CODConnection* /*pConnection*/) {}

void CODSymbolComponent::OnDisconnect(CODConnection* /*pConnection*/) {}

// A symbol's ports move with it; news from a link needs nothing here.
void CODSymbolComponent::OnConnectionNotify(CODConnection* /*pConnection*/,
                                            const CODConnection::Notification& /*notification*/)
{
}

void CODSymbolComponent::NotifyConnections(const std::vector<CODConnection*>& connections)
{
    for (CODConnection* connection : connections)
        connection->Post(CODConnection::PortMoved, CODConnection::kPriorityPortMoved, GetEnd(connection));
    for (CODConnection* connection : connections)
        connection->Deliver();
}

CPoint CODSymbolComponent::GetOutlinePoint(const CPoint& from, const CPoint& toward) const
{
    std::optional<double> last;
    for (const std::vector<POINT>& polygon : m_boundsRegion.GetPolygons()) {
        if (polygon.size() < 2)
            continue;
        for (std::size_t i = 0; i < polygon.size(); ++i) {
            const std::optional<double> t = Crossing(from, toward, polygon[i], polygon[(i + 1) % polygon.size()]);
            if (t && (!last || *t > *last))
                last = t;
        }
    }
    if (!last)
        return from;
    return CPoint(RoundHalfAwayFromZero(from.x + *last * (toward.x - from.x)),
                  RoundHalfAwayFromZero(from.y + *last * (toward.y - from.y)));
}

void CODSymbolComponent::Translate(int dx, int dy)
{
    CODComponent::Translate(dx, dy);
    for (CODLabelComponent* label : m_labels)
        if (IsFollowing(*label))
            PlaceLabel(label);
        else
            label->Translate(dx, dy);
    NotifyConnections(GetConnections());
}

void CODSymbolComponent::Rotate(float fAngle, float cx, float cy, int nWidth, int nHeight)
{
    CODComponent::Rotate(fAngle, cx, cy, nWidth, nHeight);
    PlaceFollowingLabels();
    NotifyConnections(GetConnections());
}

void CODSymbolComponent::Scale(float sx, float sy, float cx, float cy)
{
    std::vector<CPoint> centres;
    for (const CODLabelComponent* label : m_labels)
        centres.push_back(label->GetBounds().CenterPoint());
    CODComponent::Scale(sx, sy, cx, cy);
    // Labels keep their size; their centres follow the scaling.
    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        CODLabelComponent* label = m_labels[i];
        if (IsFollowing(*label))
            PlaceLabel(label);
        else
            label->CenterAt(RoundHalfAwayFromZero(cx + (centres[i].x - cx) * sx),
                            RoundHalfAwayFromZero(cy + (centres[i].y - cy) * sy));
    }
    NotifyConnections(GetConnections());
}

void CODSymbolComponent::UpdateBounds(CDC* pDC)
{
    CODComponent::UpdateBounds(pDC);
    // The ports are not children: they see this symbol's transform here.
    PushTransform();
    for (CODPortComponent* port : m_ports)
        port->UpdateBounds(pDC);
    const CPoint centre((m_rcBounds.left + m_rcBounds.right) / 2, (m_rcBounds.top + m_rcBounds.bottom) / 2);
    const bool moved = !(m_pCentrePort->GetPosition() == centre);
    if (moved)
        m_pCentrePort->SetPosition(centre);
    else
        m_pCentrePort->UpdateBounds(pDC);
    PopTransform();
    if (!moved)
        return;
    std::vector<CODConnection*> atCentre;
    for (CODConnection* connection : m_connections)
        if (connection->Joins(m_pCentrePort))
            atCentre.push_back(connection);
    NotifyConnections(atCentre);
}

void CODSymbolComponent::BuildBoundsRegion()
{
    m_boundsRegion.Clear();
    for (const CODComponent* child : m_children)
        for (const std::vector<POINT>& polygon : child->GetBoundsRegion().GetPolygons())
            m_boundsRegion.AddPolygon(polygon.data(), static_cast<int>(polygon.size()));
}

void CODSymbolComponent::OnDraw(CDC* pDC)
{
    CODComponent::OnDraw(pDC);
    for (CODPortComponent* port : m_ports)
        port->Draw(pDC);
}

void CODSymbolComponent::OnChildAdded(CODComponent* pChild)
{
    CODComponent::OnChildAdded(pChild);
    if (dynamic_cast<CODSymbolComponent*>(pChild))
        UpdateCentrePort();
}

bool CODSymbolComponent::RemoveChild(int nIndex)
{
    const bool symbol = dynamic_cast<CODSymbolComponent*>(GetChild(nIndex)) != nullptr;
    if (!CODComponent::RemoveChild(nIndex))
        return false;
    if (symbol)
        UpdateCentrePort();
    return true;
}

void CODSymbolComponent::OnAttach(CODComponent* pParent)
{
    for (CODLabelComponent* label : m_labels)
        if (!label->GetParent())
            pParent->AddChild(label);
}

void CODSymbolComponent::OnDetach()
{
    for (CODLabelComponent* label : m_labels)
        if (CODComponent* parent = label->GetParent())
            parent->RemoveChild(parent->FindChild(label));
}

namespace {

constexpr std::uint32_t kSymbolSchema = 2;
// Written before the schema since schema 2; older bodies start with the label count.
constexpr std::uint32_t kSymbolMarker = 0xFFFFFFFF;
constexpr std::size_t kMinObjectBytes = 2;

const CODComponent* TopOf(const CODComponent* pComponent)
{
    while (pComponent->GetParent())
        pComponent = pComponent->GetParent();
    return pComponent;
}

// Whether both ports of the connection belong to symbols under the top.
bool IsWithin(const CODConnection& connection, const CODComponent* pTop)
{
    const CODSymbolComponent* first = connection.GetPort1() ? connection.GetPort1()->GetOwner() : nullptr;
    const CODSymbolComponent* second = connection.GetPort2() ? connection.GetPort2()->GetOwner() : nullptr;
    return first && second && TopOf(first) == pTop && TopOf(second) == pTop;
}

// A part of one symbol that the archive gives: read whole, nobody's yet.
template <class T>
T* ReadPart(CArchive& ar)
{
    T* part = ar.ReadObject<T>();
    if (!part)
        ar.Fail("a missing part of a symbol");
    const auto* port = dynamic_cast<const CODPortComponent*>(part);
    const auto* label = dynamic_cast<const CODLabelComponent*>(part);
    if ((port && port->GetOwner()) || (label && label->GetOwner()) || (!label && part->GetParent()))
        ar.Fail("a part of a symbol given twice");
    return part;
}

}  // namespace

void CODSymbolComponent::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteDWord(kSymbolMarker);
        ar.WriteDWord(kSymbolSchema);
        ar.WriteDWord(static_cast<std::uint32_t>(m_labels.size()));
        for (const CODLabelComponent* label : m_labels)
            ar.WriteObject(label);
        ar.WriteDWord(static_cast<std::uint32_t>(m_ports.size()));
        for (const CODPortComponent* port : m_ports)
            ar.WriteObject(port);
        ar.WriteObject(m_pCentrePort);
        // A connection to a symbol taken out of this one's diagram (a deleted
        // box) would store a port that no symbol stores, and the document
        // could not be read again: only connections within the diagram are kept.
        std::vector<const CODConnection*> kept;
        for (const CODConnection* connection : m_connections)
            if (IsWithin(*connection, TopOf(this)))
                kept.push_back(connection);
        ar.WriteDWord(static_cast<std::uint32_t>(kept.size()));
        for (const CODConnection* connection : kept)
            ar.WriteObject(connection);
        CODComponent::Serialize(ar);
        return;
    }
    // The stored parts replace those a new symbol starts with.
    for (CODPortComponent* port : m_ports) {
        port->SetOwner(nullptr);
        port->Release();
    }
    m_ports.clear();

    std::uint32_t labelCount = ar.ReadDWord();
    if (labelCount == kSymbolMarker) {
        ar.ReadDWord();
        labelCount = ar.ReadDWord();
    }
    if (labelCount > ar.GetRemaining() / kMinObjectBytes)
        ar.Fail("a count larger than the rest of the document");
    for (std::uint32_t i = 0; i < labelCount; ++i) {
        CODLabelComponent* label = ReadPart<CODLabelComponent>(ar);
        label->AddRef();
        label->SetOwner(this);
        m_labels.push_back(label);
    }
    const std::uint32_t portCount = ar.ReadCount(kMinObjectBytes);
    for (std::uint32_t i = 0; i < portCount; ++i) {
        CODPortComponent* port = ReadPart<CODPortComponent>(ar);
        port->AddRef();
        port->SetOwner(this);
        m_ports.push_back(port);
    }
    CODCirclePort* centre = ReadPart<CODCirclePort>(ar);
    centre->AddRef();
    centre->SetOwner(this);
    m_pCentrePort->SetOwner(nullptr);
    m_pCentrePort->Release();
    m_pCentrePort = centre;
    const std::uint32_t connectionCount = ar.ReadCount(kMinObjectBytes);
    for (std::uint32_t i = 0; i < connectionCount; ++i) {
        CODConnection* connection = ar.ReadObject<CODConnection>();
        if (!connection)
            ar.Fail("a missing connection");
        ar.DeferConnection(this, connection);
    }
    CODComponent::Serialize(ar);
}

bool CODSymbolComponent::JoinConnections(const std::vector<std::pair<CODSymbolComponent*, CODConnection*>>& listed)
{
    std::map<const CODConnection*, std::vector<const CODSymbolComponent*>> listers;
    for (const auto& [symbol, connection] : listed)
        listers[connection].push_back(symbol);
    for (const auto& [connection, symbols] : listers) {
        const CODSymbolComponent* first = connection->GetPort1()->GetOwner();
        const CODSymbolComponent* second = connection->GetPort2()->GetOwner();
        if (!first || !second || TopOf(first) != TopOf(second))
            return false;
        std::vector<const CODSymbolComponent*> expected{first, second};
        std::vector<const CODSymbolComponent*> found = symbols;
        std::sort(expected.begin(), expected.end());
        std::sort(found.begin(), found.end());
        if (found != expected)
            return false;
    }
    for (const auto& [symbol, connection] : listed) {
        symbol->m_connections.push_back(connection);
        connection->AddRef();
    }
    return true;
}
