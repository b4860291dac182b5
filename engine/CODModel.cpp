#include "engine/CODModel.h"

#include "engine/CArchive.h"
#include "engine/CODEditProperties.h"
#include "engine/CODLabelComponent.h"
#include "engine/CODModelObserver.h"
#include "engine/ODHelpers.h"
#include "engine/PropertyIds.h"
#include "platform/CBrush.h"
#include "platform/CDC.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <unordered_set>

namespace {

constexpr std::uint32_t kModelSchema = 2;

}  // namespace

CODModel::CODModel()
    : m_history([this](const CODCommand& /*command*/) {
        // Undoing changes the document as much as doing does.
        m_bModified = true;
        Notify(CODModelObserver::kHintComponents);
    })
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    Reset();
    m_bModified = false;
}

CODModel::~CODModel()
{
    // The children go while the index and the id table they may reach are
    // still here, after the commands that hold some of them.
    m_history.Clear();
    ReleaseBackground();
    RemoveAllChildren();
}

void CODModel::RemoveAllChildren()
{
    m_index.Reset(m_rcBounds);
    m_idTable = CODIdTable();
    while (!m_children.empty()) {
        CODComponent* child = m_children.back();
        m_children.pop_back();
        child->SetParent(nullptr);
        child->Release();
    }
}

void CODModel::ReleaseBackground()
{
    CODComponent* previous = m_pBackground;
    const bool held = m_bHoldBackground;
    m_pBackground = nullptr;
    m_bHoldBackground = false;
    if (previous && held)
        previous->Release();
}

void CODModel::Reset()
{
    m_history.Clear();
    RemoveAllChildren();
    ReleaseBackground();
    m_rcBounds = CRect(0, 0, kDefaultCanvasSize, kDefaultCanvasSize);
    m_crBackground = kDefaultBackground;
    m_properties.clear();
    CODEditProperties edit(OD_PROP_EDIT);
    edit.SetVertexEditable(1);
    CODComponent::AddProperty(edit);
    CODEditProperties modelEdit(OD_PROP_MODEL_EDIT);
    modelEdit.SetSelectable(1);
    CODComponent::AddProperty(modelEdit);
    BuildBoundsRegion();
    m_bModified = true;
    Notify(CODModelObserver::kHintReset);
    RebuildIndex();
}

CSize CODModel::SetSize(int cx, int cy)
{
    const CSize previous = GetSize();
    m_rcBounds.right = m_rcBounds.left + cx;
    m_rcBounds.bottom = m_rcBounds.top + cy;
    BuildBoundsRegion();
    Notify(CODModelObserver::kHintCanvas);
    RebuildIndex();
    m_bModified = true;
    return previous;
}

CPoint CODModel::SetOrigin(int x, int y)
{
    const CPoint previous = GetOrigin();
    const CSize size = GetSize();
    m_rcBounds = CRect(x, y, x + size.cx, y + size.cy);
    BuildBoundsRegion();
    Notify(CODModelObserver::kHintCanvas);
    RebuildIndex();
    m_bModified = true;
    return previous;
}

CSize CODModel::GetSize() const
{
    return CSize(m_rcBounds.Width(), m_rcBounds.Height());
}

CPoint CODModel::GetOrigin() const
{
    return CPoint(m_rcBounds.left, m_rcBounds.top);
}

void CODModel::SetBackgroundColor(COLORREF crBackground)
{
    m_crBackground = crBackground;
    Notify(CODModelObserver::kHintBackground);
    m_bModified = true;
}

void CODModel::SetBackground(CODComponent* pBackground, bool bHold)
{
    if (pBackground && bHold)
        pBackground->AddRef();
    ReleaseBackground();
    m_pBackground = pBackground;
    m_bHoldBackground = pBackground && bHold;
    Notify(CODModelObserver::kHintBackground);
    m_bModified = true;
}

std::vector<CODComponent*> CODModel::InDrawingOrder(const std::vector<CODComponent*>& found) const
{
    // One walk of the children: sorting by each one's position would cost a
    // search of all children per comparison.
    const std::unordered_set<const CODComponent*> wanted(found.begin(), found.end());
    std::vector<CODComponent*> ordered;
    ordered.reserve(found.size());
    for (CODComponent* child : m_children)
        if (wanted.count(child) != 0)
            ordered.push_back(child);
    return ordered;
}

std::vector<CODComponent*> CODModel::ComponentsAt(const CPoint& point, int nTolerance) const
{
    const int reach = std::max(nTolerance, 0);
    const CRect area(point.x - reach, point.y - reach, point.x + reach, point.y + reach);
    std::vector<CODComponent*> hits;
    for (CODComponent* component : m_index.Candidates(area))
        if (component->IsVisible() && component->GetBoundsRegion().Contains(point, nTolerance))
            hits.push_back(component);
    return InDrawingOrder(hits);
}

std::vector<CODComponent*> CODModel::ComponentsIn(const CRect& rect) const
{
    std::vector<CODComponent*> found;
    for (CODComponent* component : m_index.Candidates(rect)) {
        const CRect b = component->GetBounds();
        if (b.left <= rect.right && rect.left <= b.right && b.top <= rect.bottom && rect.top <= b.bottom)
            found.push_back(component);
    }
    return InDrawingOrder(found);
}

bool CODModel::IsInsideCanvas(const CPoint& point, const CODComponent* pComponent) const
{
    if (!pComponent)
        return false;
    const CRect bounds = pComponent->GetBounds();
    const long long right = static_cast<long long>(point.x) + bounds.Width();
    const long long bottom = static_cast<long long>(point.y) + bounds.Height();
    return point.x >= m_rcBounds.left && point.y >= m_rcBounds.top && right <= m_rcBounds.right
        && bottom <= m_rcBounds.bottom;
}

CRect CODModel::GetComponentsBounds() const
{
    return BoundsUnion(m_children);
}

CODComponent* CODModel::FindById(std::uint32_t nId) const
{
    return m_idTable.Lookup(nId);
}

void CODModel::AddObserver(CODModelObserver* pObserver)
{
    if (pObserver && std::find(m_observers.begin(), m_observers.end(), pObserver) == m_observers.end())
        m_observers.push_back(pObserver);
}

void CODModel::RemoveObserver(CODModelObserver* pObserver)
{
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), pObserver), m_observers.end());
}

void CODModel::Notify(int nHint)
{
    // A view may stop observing while it is told.
    const std::vector<CODModelObserver*> observers = m_observers;
    for (CODModelObserver* observer : observers)
        observer->OnModelUpdate(this, nHint);
}

void CODModel::OnChildAdded(CODComponent* pChild)
{
    // A part taken out of a group becomes selectable again.
    const auto* own = dynamic_cast<const CODEditProperties*>(pChild->GetProperty(OD_PROP_EDIT, false));
    const auto* labels = dynamic_cast<const CODEditProperties*>(GetProperty(OD_PROP_MODEL_EDIT, false));
    const int selectable = dynamic_cast<CODLabelComponent*>(pChild) && labels ? labels->IsSelectable() : 1;
    if (own && own->IsSelectable() != selectable) {
        CODEditProperties edit(*own);
        edit.SetSelectable(selectable);
        pChild->AddProperty(edit);
    }
    m_index.Insert(pChild);
    m_bModified = true;
}

bool CODModel::RemoveChild(int nIndex)
{
    CODComponent* child = GetChild(nIndex);
    if (child)
        m_index.Remove(child);
    return CODComponent::RemoveChild(nIndex);
}

void CODModel::OnChildrenChanged(CODComponent* /*pParent*/)
{
    m_bModified = true;
}

int CODModel::AddProperty(const CODProperty& property)
{
    m_bModified = true;
    return CODComponent::AddProperty(property);
}

bool CODModel::ChangeProperty(const CODProperty& property, unsigned mask)
{
    const bool changed = CODComponent::ChangeProperty(property, mask);
    m_bModified = m_bModified || changed;
    return changed;
}

void CODModel::UpdateBounds(CDC* pDC)
{
    for (CODComponent* child : m_children)
        child->UpdateBounds(pDC);
    BuildBoundsRegion();
}

void CODModel::RebuildIndex()
{
    m_index.Reset(m_rcBounds);
    for (CODComponent* child : m_children)
        m_index.Insert(child);
}

void CODModel::OnDraw(CDC* pDC)
{
    pDC->FillRect(m_rcBounds, CBrush::CreateSolidBrush(m_crBackground));
    if (m_pBackground)
        m_pBackground->Draw(pDC);
    CODComponent::OnDraw(pDC);
}

void CODModel::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        CODComponent::Serialize(ar);
        ar.WriteDWord(kModelSchema);
        m_pageSettings.Serialize(ar);
        ar.WriteDWord(m_crBackground);
        ar.WriteObject(m_pBackground);
        return;
    }
    try {
        Load(ar);
    } catch (...) {
        // Nothing half-read stays: the children go while the archive still
        // holds what they point at.
        Reset();
        m_bModified = false;
        throw;
    }
}

void CODModel::Load(CArchive& ar)
{
    m_idTable = CODIdTable();
    ReleaseBackground();
    CODComponent::Serialize(ar);
    // Component bounds are computed again below; the canvas is taken as stored.
    for (const std::int32_t edge : {m_rcBounds.left, m_rcBounds.top, m_rcBounds.right, m_rcBounds.bottom})
        if (edge < -CArchive::kMaxCoordinate || edge > CArchive::kMaxCoordinate)
            ar.Fail("a canvas out of range");
    for (CODComponent* child : m_children)
        child->RegisterIds(&m_idTable);
    ar.ReadDWord();
    m_pageSettings.Serialize(ar);
    m_crBackground = ar.ReadDWord();
    // Taken for good: nothing else holds it once the archive ends.
    SetBackground(ar.ReadObject<CODComponent>(), true);
    ar.Finish();
    UpdateBounds();
    // The background is no child: its stretch over the canvas is applied here or never.
    if (m_pBackground)
        m_pBackground->UpdateBounds();
    RebuildIndex();
    Notify(CODModelObserver::kHintCanvas);
    m_bModified = false;
}
