#include "engine/CODComponent.h"

#include "engine/CArchive.h"
#include "engine/CODEditProperties.h"
#include "engine/CODFillProperties.h"
#include "engine/CODFontProperties.h"
#include "engine/CODIdTable.h"
#include "engine/CODLineProperties.h"
#include "engine/CODPortComponent.h"
#include "engine/CODSpatialIndex.h"
#include "engine/PropertyCache.h"
#include "engine/PropertyIds.h"
#include "engine/TransformStack.h"
#include "platform/CDC.h"

#include <algorithm>

CODComponent::CODComponent()
{
    m_properties.push_back(PropertyCache::Share(CODEditProperties()));
}

CODComponent::CODComponent(const CODComponent& other)
    : CObject(), m_rcBounds(other.m_rcBounds), m_nId(other.m_nId), m_strName(other.m_strName),
      m_strType(other.m_strType), m_nZIndex(other.m_nZIndex), m_boundsRegion(other.m_boundsRegion),
      m_bVisible(other.m_bVisible),
      m_pTransform(other.m_pTransform ? std::make_unique<CODTransform>(*other.m_pTransform) : nullptr),
      m_properties(other.m_properties)
{
    for (const CODComponent* child : other.m_children) {
        CODComponent* copy = child->Clone().release();
        copy->AddRef();
        copy->m_pParent = this;
        m_children.push_back(copy);
    }
}

CODComponent::~CODComponent()
{
    for (CODComponent* child : m_children) {
        child->m_pParent = nullptr;
        child->Release();
    }
}

std::unique_ptr<CODComponent> CODComponent::Clone() const
{
    return std::unique_ptr<CODComponent>(new CODComponent(*this));
}

CODModel* CODComponent::GetModel()
{
    return m_pParent ? m_pParent->GetModel() : nullptr;
}

void CODComponent::RegisterIds(CODIdTable* pTable)
{
    if (!pTable)
        return;
    for (CODComponent* child : m_children)
        child->RegisterIds(pTable);
    const CODComponent* holder = m_nId ? pTable->Lookup(m_nId) : nullptr;
    if (m_nId == 0 || (holder && holder != this))
        m_nId = pTable->NewId();
    pTable->SetAt(m_nId, this);
}

void CODComponent::UnregisterIds(CODIdTable* pTable)
{
    if (!pTable)
        return;
    for (CODComponent* child : m_children)
        child->UnregisterIds(pTable);
    if (m_nId && pTable->Lookup(m_nId) == this)
        pTable->RemoveKey(m_nId);
}

void CODComponent::SetType(const std::string& strType)
{
    m_strType = strType;
}

CODSpatialIndex* CODComponent::GetSpatialIndex()
{
    return nullptr;
}

CODSpatialIndex* CODComponent::FindSpatialIndex()
{
    if (CODSpatialIndex* index = GetSpatialIndex())
        return index;
    return m_pParent ? m_pParent->FindSpatialIndex() : nullptr;
}

std::vector<CODComponent*>& CODComponent::GetChildren()
{
    return m_children;
}

int CODComponent::GetChildCount() const
{
    return static_cast<int>(m_children.size());
}

void CODComponent::SetParent(CODComponent* pParent)
{
    m_pParent = pParent;
}

CODComponent* CODComponent::GetParent() const
{
    return m_pParent;
}

int CODComponent::FindChild(const CODComponent* pChild) const
{
    const auto it = std::find(m_children.begin(), m_children.end(), pChild);
    return it == m_children.end() ? -1 : static_cast<int>(it - m_children.begin());
}

CODComponent* CODComponent::GetChild(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetChildCount() ? m_children[static_cast<std::size_t>(nIndex)] : nullptr;
}

bool CODComponent::Attach(CODComponent* pChild, std::size_t index)
{
    if (!pChild || pChild->m_pParent || pChild == this || pChild->IsDescendant(this))
        return false;
    m_children.insert(m_children.begin() + static_cast<std::ptrdiff_t>(index), pChild);
    pChild->AddRef();
    pChild->m_nZIndex = GetChildCount();
    pChild->OnAttach(this);
    pChild->SetParent(this);
    pChild->RegisterIds(GetIdTable());
    OnChildAdded(pChild);
    return true;
}

bool CODComponent::AddChild(CODComponent* pChild)
{
    return Attach(pChild, m_children.size());
}

bool CODComponent::AddChildren(const std::vector<CODComponent*>& children)
{
    bool all = true;
    for (CODComponent* child : children)
        all = AddChild(child) && all;
    return all;
}

bool CODComponent::InsertChild(CODComponent* pChild, int nIndex)
{
    if (nIndex < 0 || nIndex > GetChildCount())
        return false;
    return Attach(pChild, static_cast<std::size_t>(nIndex));
}

bool CODComponent::RemoveChild(int nIndex)
{
    CODComponent* child = GetChild(nIndex);
    if (!child)
        return false;
    child->UnregisterIds(GetIdTable());
    child->SetParent(nullptr);
    m_children.erase(m_children.begin() + nIndex);
    child->OnDetach();
    child->Release();
    OnChildrenChanged(this);
    return true;
}

bool CODComponent::IsDescendant(const CODComponent* pComponent) const
{
    for (const CODComponent* ancestor = pComponent ? pComponent->m_pParent : nullptr; ancestor;
         ancestor = ancestor->m_pParent)
        if (ancestor == this)
            return true;
    return false;
}

void CODComponent::OnChildAdded(CODComponent* pChild)
{
    const auto* own = dynamic_cast<const CODEditProperties*>(pChild->GetProperty(OD_PROP_EDIT, false));
    CODEditProperties edit = own ? *own : CODEditProperties();
    edit.SetSelectable(0);
    pChild->AddProperty(edit);
}

bool CODComponent::AcceptsQuery() const
{
    return true;
}

const CODProperty* CODComponent::GetProperty(int nId, bool bThroughParents) const
{
    for (const CODPropertyPtr& property : m_properties)
        if (property->OwnsId(nId))
            return property.get();
    return bThroughParents && m_pParent ? m_pParent->GetProperty(nId, true) : nullptr;
}

int CODComponent::AddProperty(const CODProperty& property)
{
    if (ChangeProperty(property, OD_ALL_FIELDS))
        return 1;
    m_properties.push_back(PropertyCache::Share(property));
    return 1;
}

bool CODComponent::ChangeProperty(const CODProperty& property, unsigned mask)
{
    const auto it = std::find_if(m_properties.begin(), m_properties.end(),
                                 [&](const CODPropertyPtr& own) { return own->GetId() == property.GetId(); });
    if (it == m_properties.end())
        return false;
    std::unique_ptr<CODProperty> changed = (*it)->Clone();
    changed->CopyFrom(property, mask);
    *it = PropertyCache::Share(*changed);
    return true;
}

bool CODComponent::GetPropertyValue(int nId, CODProperty& value) const
{
    const CODProperty* found = GetProperty(nId, true);
    if (!found)
        return false;
    value.CopyFrom(*found, OD_ALL_FIELDS);
    return true;
}

bool CODComponent::RemoveProperty(int nId)
{
    const auto it = std::find_if(m_properties.begin(), m_properties.end(),
                                 [nId](const CODPropertyPtr& own) { return own->OwnsId(nId); });
    if (it == m_properties.end())
        return false;
    m_properties.erase(it);
    return true;
}

void CODComponent::ApplyProperties(const std::vector<const CODProperty*>& properties)
{
    for (const CODProperty* property : properties)
        if (property)
            AddProperty(*property);
}

CODTransform* CODComponent::GetTransform() const
{
    return m_pTransform.get();
}

void CODComponent::SetTransform(std::unique_ptr<CODTransform> pTransform)
{
    m_pTransform = std::move(pTransform);
}

void CODComponent::Translate(int dx, int dy)
{
    if (!m_pTransform)
        m_pTransform = std::make_unique<CODTransform>();
    m_pTransform->Translate(dx, dy);
    UpdateBounds();
}

bool CODComponent::CheckMove(int& /*dx*/, int& /*dy*/)
{
    return true;
}

void CODComponent::Rotate(float fAngle, float cx, float cy, int nWidth, int nHeight)
{
    if (!m_pTransform)
        m_pTransform = std::make_unique<CODTransform>();
    m_pTransform->RotateAbout(fAngle, cx, cy, nWidth, nHeight);
    UpdateBounds();
}

bool CODComponent::CanRotate() const
{
    return true;
}

void CODComponent::ScaleTo(const CSize& size, int nAnchor)
{
    const CRect bounds = GetBounds();
    if (bounds.Width() == 0 || bounds.Height() == 0)
        return;
    float x = 0.0f;
    float y = 0.0f;
    GetAnchorPoint(nAnchor, x, y);
    Scale(static_cast<float>(size.cx) / static_cast<float>(bounds.Width()),
          static_cast<float>(size.cy) / static_cast<float>(bounds.Height()), x, y);
}

void CODComponent::Scale(float sx, float sy, float cx, float cy)
{
    if (!m_pTransform)
        m_pTransform = std::make_unique<CODTransform>();
    m_pTransform->ScaleAbout(sx, sy, cx, cy);
    UpdateBounds();
}

void CODComponent::SetBounds(const CRect& rect)
{
    if (rect.IsRectEmpty())
        return;
    const CRect bounds = GetBounds();
    const float sx = bounds.Width() ? static_cast<float>(rect.Width()) / static_cast<float>(bounds.Width()) : 1.0f;
    const float sy = bounds.Height() ? static_cast<float>(rect.Height()) / static_cast<float>(bounds.Height()) : 1.0f;
    if (sx != 1.0f || sy != 1.0f)
        Scale(sx, sy, static_cast<float>(bounds.left), static_cast<float>(bounds.top));
    MoveTo(rect.left, rect.top);
}

void CODComponent::MoveTo(int x, int y)
{
    const CRect bounds = GetBounds();
    Translate(x - bounds.left, y - bounds.top);
}

void CODComponent::CenterAt(int x, int y)
{
    const CPoint centre = GetBounds().CenterPoint();
    Translate(x - centre.x, y - centre.y);
}

void CODComponent::PushTransform()
{
    // A component drawn or measured on its own, not from its parent, still
    // sees its ancestors' transforms.
    if (TransformStack::Depth() == 0) {
        const CODTransform accumulated = GetAccumulatedTransform();
        TransformStack::Push(&accumulated);
        return;
    }
    TransformStack::Push(m_pTransform.get());
}

CODTransform CODComponent::GetAccumulatedTransform() const
{
    CODTransform accumulated = m_pParent ? m_pParent->GetAccumulatedTransform() : CODTransform();
    if (m_pTransform)
        accumulated.Multiply(*m_pTransform);
    return accumulated;
}

void CODComponent::PopTransform()
{
    TransformStack::Pop();
}

void CODComponent::BuildBoundsRegion()
{
    m_boundsRegion.Clear();
    m_boundsRegion.AddRect(m_rcBounds);
}

CPoint CODComponent::GetAnchorPoint(int nAnchor) const
{
    const CRect b = GetBounds();
    const int cx = (b.left + b.right) / 2;
    const int cy = (b.top + b.bottom) / 2;
    switch (nAnchor) {
    case 0:
        return CPoint(b.left, b.top);
    case 1:
        return CPoint(cx, b.top);
    case 2:
        return CPoint(b.right, b.top);
    case 3:
        return CPoint(b.right, cy);
    case 4:
        return CPoint(b.right, b.bottom);
    case 5:
        return CPoint(cx, b.bottom);
    case 6:
        return CPoint(b.left, b.bottom);
    case 7:
        return CPoint(b.left, cy);
    default:
        return CPoint(cx, cy);
    }
}

void CODComponent::GetAnchorPoint(int nAnchor, float& x, float& y) const
{
    const CPoint point = GetAnchorPoint(nAnchor);
    x = static_cast<float>(point.x);
    y = static_cast<float>(point.y);
}

bool CODComponent::HitTest(const CPoint& point, int nTolerance, std::vector<CODComponent*>& hits)
{
    if (!m_bVisible || !m_boundsRegion.Contains(point, nTolerance))
        return false;
    hits.push_back(this);
    for (CODComponent* child : m_children)
        child->HitTest(point, nTolerance, hits);
    return true;
}

void CODComponent::OnDraw(CDC* pDC)
{
    for (CODComponent* child : m_children)
        child->Draw(pDC);
}

void CODComponent::PrepareDC(CDC* pDC)
{
    if (const auto* line = dynamic_cast<const CODLineProperties*>(GetProperty(OD_PROP_LINE, true))) {
        m_pPen = line->GetPen();
        pDC->SelectObject(m_pPen);
    }
    if (const auto* fill = dynamic_cast<const CODFillProperties*>(GetProperty(OD_PROP_FILL, true))) {
        m_pBrush = fill->GetBrush(pDC);
        pDC->SelectObject(m_pBrush);
        pDC->SetBkMode(fill->GetBkMode());
        pDC->SetBkColor(fill->GetBkColor());
    }
    if (const auto* font = dynamic_cast<const CODFontProperties*>(GetProperty(OD_PROP_FONT, true))) {
        m_pFont = font->GetFont();
        pDC->SelectObject(m_pFont);
        pDC->SetTextColor(font->GetColor());
    }
}

void CODComponent::Draw(CDC* pDC)
{
    if (!m_bVisible || !pDC)
        return;
    PushTransform();
    const int saved = pDC->SaveDC();
    PrepareDC(pDC);
    OnDraw(pDC);
    pDC->RestoreDC(saved);
    m_pPen.reset();
    m_pBrush.reset();
    m_pFont.reset();
    PopTransform();
}

void CODComponent::SetOutlineOnly(int bOutlineOnly)
{
    m_bOutlineOnly = bOutlineOnly;
    for (CODComponent* child : m_children)
        child->SetOutlineOnly(bOutlineOnly);
}

void CODComponent::DrawOutline(CDC* pDC)
{
    SetOutlineOnly(1);
    Draw(pDC);
    SetOutlineOnly(0);
}

void CODComponent::UpdateBounds(CDC* pDC)
{
    CODSpatialIndex* index = FindSpatialIndex();
    if (index)
        index->BeforeBoundsChange(this);
    CRect bounds;
    PushTransform();
    bool first = true;
    for (CODComponent* child : m_children) {
        child->UpdateBounds(pDC);
        const CRect b = child->GetBounds();
        bounds = first ? b
                       : CRect(std::min(bounds.left, b.left), std::min(bounds.top, b.top),
                               std::max(bounds.right, b.right), std::max(bounds.bottom, b.bottom));
        first = false;
    }
    PopTransform();
    m_rcBounds = bounds;
    BuildBoundsRegion();
    if (index)
        index->AfterBoundsChange(this);
}

CRect CODComponent::GetBounds() const
{
    return m_rcBounds;
}

CODIdTable* CODComponent::GetIdTable()
{
    return m_pParent ? m_pParent->GetIdTable() : nullptr;
}

void CODComponent::OnChildrenChanged(CODComponent* pParent)
{
    if (m_pParent)
        m_pParent->OnChildrenChanged(pParent);
}

void CODComponent::OnAttach(CODComponent* /*pParent*/) {}

void CODComponent::OnDetach() {}

long CODComponent::AddRef()
{
    return ++m_nRefCount;
}

long CODComponent::Release()
{
    const long count = --m_nRefCount;
    if (count <= 0)
        delete this;
    return count;
}

namespace {

constexpr std::uint32_t kComponentSchema = 1;
// A tag is at least a word.
constexpr std::size_t kMinObjectBytes = 2;

}  // namespace

void CODComponent::Serialize(CArchive& ar)
{
    ar.SerializeSchema(kComponentSchema);
    if (ar.IsStoring()) {
        ar.WriteDWord(m_nId);
        ar.WriteString(m_strName);
        ar.WriteString(m_strType);
        ar.WriteRect(m_rcBounds);
        ar.WriteObject(m_pTransform.get());
        ar.WriteInt(m_bVisible);
        ar.WriteDWord(static_cast<std::uint32_t>(m_properties.size()));
        for (const CODPropertyPtr& property : m_properties)
            ar.WriteObject(property.get());
        ar.WriteDWord(static_cast<std::uint32_t>(m_children.size()));
        for (const CODComponent* child : m_children)
            ar.WriteObject(child);
        ar.WriteObject(m_pUserData.get());
        return;
    }
    m_nId = ar.ReadDWord();
    m_strName = ar.ReadString();
    m_strType = ar.ReadString();
    m_rcBounds = ar.ReadRect();
    m_pTransform = ar.ReadOwnedObject<CODTransform>();
    m_bVisible = ar.ReadInt();
    const std::uint32_t propertyCount = ar.ReadCount(kMinObjectBytes);
    m_properties.clear();
    for (std::uint32_t i = 0; i < propertyCount; ++i) {
        const CODProperty* property = ar.ReadObject<CODProperty>();
        if (!property)
            ar.Fail("a missing property");
        m_properties.push_back(PropertyCache::Share(*property));
    }
    const std::uint32_t childCount = ar.ReadCount(kMinObjectBytes);
    for (std::uint32_t i = 0; i < childCount; ++i)
        AdoptChild(ar, ar.ReadObject<CODComponent>());
    m_pUserData = ar.ReadOwnedObject<CObject>();
}

void CODComponent::AdoptChild(CArchive& ar, CODComponent* pChild)
{
    // A child is read whole before it is adopted, so it cannot be an ancestor.
    if (!pChild)
        ar.Fail("a missing child");
    const auto* port = dynamic_cast<const CODPortComponent*>(pChild);
    if (pChild->m_pParent || (port && port->GetOwner()))
        ar.Fail("a child given twice");
    m_children.push_back(pChild);
    pChild->AddRef();
    pChild->m_pParent = this;
    pChild->m_nZIndex = GetChildCount();
}
