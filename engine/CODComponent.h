#pragma once

#include "engine/BoundsRegion.h"
#include "engine/CODProperty.h"
#include "engine/CODTransform.h"
#include "platform/CObject.h"
#include "platform/CPoint.h"
#include "platform/CRect.h"
#include "platform/CSize.h"
#include "platform/GdiHandles.h"

#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <vector>

class CDC;
class CODIdTable;
class CODModel;
class CODSpatialIndex;

// Every diagram object: identity, name and type, the parent/child tree, the
// bounds in model coordinates, visibility, an optional local-to-parent
// transform and the attached properties, looked up through the parents.
// Components are reference counted: a parent holds one reference on each
// child, and the last Release deletes. A component that was never added to a
// parent belongs to its creator.
class CODComponent : public CObject {
public:
    CODComponent();
    ~CODComponent() override;
    CODComponent& operator=(const CODComponent&) = delete;

    // Deep copy: same class and fields, the same shared properties, cloned children.
    virtual std::unique_ptr<CODComponent> Clone() const;
    void Serialize(CArchive& ar) override;
    // The model this component belongs to; the model answers itself.
    virtual CODModel* GetModel();
    // Children first; then keep the own id when it is set and not taken by
    // another component, else draw a new one; enter it in the table.
    virtual void RegisterIds(CODIdTable* pTable);
    virtual void UnregisterIds(CODIdTable* pTable);
    virtual void SetType(const std::string& strType);
    // The model's spatial index (none for other components), and the one up the parents.
    virtual CODSpatialIndex* GetSpatialIndex();
    virtual CODSpatialIndex* FindSpatialIndex();
    virtual std::vector<CODComponent*>& GetChildren();
    virtual int GetChildCount() const;
    virtual void SetParent(CODComponent* pParent);
    virtual CODComponent* GetParent() const;
    virtual int FindChild(const CODComponent* pChild) const;
    // Null for an index out of range.
    virtual CODComponent* GetChild(int nIndex) const;
    // Refused (false) for none, a component that already has a parent, or
    // this component or one of its ancestors.
    virtual bool AddChild(CODComponent* pChild);
    virtual bool AddChildren(const std::vector<CODComponent*>& children);
    virtual bool InsertChild(CODComponent* pChild, int nIndex);
    virtual bool RemoveChild(int nIndex);
    virtual bool IsDescendant(const CODComponent* pComponent) const;
    // Parts of a composite are not separately selectable.
    virtual void OnChildAdded(CODComponent* pChild);
    virtual bool AcceptsQuery() const;
    // The first own property owning the id, else (when asked) the parent's.
    virtual const CODProperty* GetProperty(int nId, bool bThroughParents = true) const;
    virtual int AddProperty(const CODProperty& property);
    // Replaces the own property of the same id by a copy with the masked
    // fields taken from the given one; false when there is none.
    virtual bool ChangeProperty(const CODProperty& property, unsigned mask);
    virtual bool GetPropertyValue(int nId, CODProperty& value) const;
    virtual bool RemoveProperty(int nId);
    virtual void ApplyProperties(const std::vector<const CODProperty*>& properties);
    virtual CODTransform* GetTransform() const;
    virtual void SetTransform(std::unique_ptr<CODTransform> pTransform);
    virtual void Translate(int dx, int dy);
    // Shrinks an offset so the bounds stay inside the model; true when unchanged.
    virtual bool CheckMove(int& dx, int& dy);
    virtual void Rotate(float fAngle, float cx, float cy, int nWidth, int nHeight);
    virtual bool CanRotate() const;
    virtual void ScaleTo(const CSize& size, int nAnchor);
    virtual void Scale(float sx, float sy, float cx, float cy);
    // An empty rectangle does nothing.
    virtual void SetBounds(const CRect& rect);
    virtual void MoveTo(int x, int y);
    virtual void CenterAt(int x, int y);
    // Pushes the own transform on TransformStack (with the ancestors' when the
    // stack is empty, so a part worked on by itself lands where it is drawn).
    virtual void PushTransform();
    virtual void PopTransform();
    // The ancestors' transforms composed with the own one: this component's
    // coordinates to the model's.
    virtual CODTransform GetAccumulatedTransform() const;
    // Rebuilds the bounds region from the geometry (here: the bounds).
    virtual void BuildBoundsRegion();
    // 0 top-left, 1 top centre, 2 top-right, 3 right middle, 4 bottom-right,
    // 5 bottom centre, 6 bottom-left, 7 left middle, other codes the centre.
    virtual CPoint GetAnchorPoint(int nAnchor) const;
    virtual bool HitTest(const CPoint& point, int nTolerance, std::vector<CODComponent*>& hits);
    virtual void OnDraw(CDC* pDC);
    virtual void Draw(CDC* pDC);
    // Draws once with the outline-only flag set on this component and all
    // its descendants (primitives then draw just their outline polygon).
    virtual void DrawOutline(CDC* pDC);
    virtual void UpdateBounds(CDC* pDC = nullptr);
    virtual CRect GetBounds() const;

    // Hooks for the model: its id table, news of a changed child list, and
    // the attach and detach of a child.
    virtual CODIdTable* GetIdTable();
    virtual void OnChildrenChanged(CODComponent* pParent);
    virtual void OnAttach(CODComponent* pParent);
    virtual void OnDetach();

    const std::string& GetName() const { return m_strName; }
    void SetName(const std::string& strName) { m_strName = strName; }
    const std::string& GetType() const { return m_strType; }
    std::uint32_t GetId() const { return m_nId; }
    void SetId(std::uint32_t nId) { m_nId = nId; }
    int IsVisible() const { return m_bVisible; }
    void SetVisible(int bVisible) { m_bVisible = bVisible; }
    CObject* GetUserData() const { return m_pUserData.get(); }
    void SetUserData(std::unique_ptr<CObject> pUserData) { m_pUserData = std::move(pUserData); }
    int GetZIndex() const { return m_nZIndex; }
    int IsOutlineOnly() const { return m_bOutlineOnly; }
    // On this component and all its descendants.
    void SetOutlineOnly(int bOutlineOnly);
    const BoundsRegion& GetBoundsRegion() const { return m_boundsRegion; }
    const std::list<CODPropertyPtr>& GetProperties() const { return m_properties; }
    void GetAnchorPoint(int nAnchor, float& x, float& y) const;

    long AddRef();
    // Deletes the component when the count reaches 0.
    long Release();
    long GetRefCount() const { return m_nRefCount; }

protected:
    // For Clone: copies everything but the parent, the reference count and the
    // user data, and clones the children.
    CODComponent(const CODComponent& other);
    // Loading: takes a child read from the archive, which has no parent yet,
    // without the hooks of AddChild (what they add was stored with it).
    void AdoptChild(CArchive& ar, CODComponent* pChild);
    // Selects the pen, brush and font of the nearest properties, with the
    // fill's background and the font's colour.
    void PrepareDC(CDC* pDC);

    CRect m_rcBounds;
    std::uint32_t m_nId = 0;
    std::string m_strName;
    std::string m_strType = "Component";
    std::int32_t m_nZIndex = 0;
    HPEN m_pPen;
    HBRUSH m_pBrush;
    HFONT m_pFont;
    BoundsRegion m_boundsRegion;
    std::int32_t m_bVisible = 1;
    std::unique_ptr<CODTransform> m_pTransform;
    CODComponent* m_pParent = nullptr;
    std::vector<CODComponent*> m_children;
    std::list<CODPropertyPtr> m_properties;
    std::unique_ptr<CObject> m_pUserData;
    std::int32_t m_nRefCount = 0;
    std::int32_t m_bOutlineOnly = 0;

private:
    bool Attach(CODComponent* pChild, std::size_t index);
};
