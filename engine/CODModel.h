#pragma once

#include "engine/CODCommandHistory.h"
#include "engine/CODComponent.h"
#include "engine/CODGridIndex.h"
#include "engine/CODIdTable.h"
#include "engine/CODPageSettings.h"
#include "platform/WinTypes.h"

#include <vector>

class CODModelObserver;

// The root of a chart: its bounds are the canvas, its children the top-level
// components in drawing order, its properties the defaults everything below
// inherits. It also keeps the background, the page set-up, the id table, a
// spatial index of the top-level components and the modified flag.
class CODModel : public CODComponent {
public:
    static constexpr COLORREF kDefaultBackground = 0x00FFFFFF;
    static constexpr int kDefaultCanvasSize = 1000;

    CODModel();
    ~CODModel() override;
    CODModel(const CODModel&) = delete;

    // No children, no background, a 1000 x 1000 canvas at (0, 0), a white
    // background and the model's own edit defaults.
    void Reset();
    // Each keeps the other half of the canvas and returns the previous value.
    CSize SetSize(int cx, int cy);
    CPoint SetOrigin(int x, int y);
    CSize GetSize() const;
    CPoint GetOrigin() const;
    void SetBackgroundColor(COLORREF crBackground);
    COLORREF GetBackgroundColor() const { return m_crBackground; }
    // With bHold the model keeps a reference on the component while it is the background.
    void SetBackground(CODComponent* pBackground, bool bHold);
    CODComponent* GetBackground() const { return m_pBackground; }
    CODPageSettings& GetPageSettings() { return m_pageSettings; }
    const CODPageSettings& GetPageSettings() const { return m_pageSettings; }

    // Visible top-level components whose region is hit, in drawing order.
    std::vector<CODComponent*> ComponentsAt(const CPoint& point, int nTolerance) const;
    // Top-level components whose bounds meet the rectangle (edges included), in drawing order.
    std::vector<CODComponent*> ComponentsIn(const CRect& rect) const;
    // Whether the component's bounds moved to the point (their top-left) lie inside the canvas.
    bool IsInsideCanvas(const CPoint& point, const CODComponent* pComponent) const;
    // The union of the top-level bounds; empty without children.
    CRect GetComponentsBounds() const;
    CODComponent* FindById(std::uint32_t nId) const;

    bool IsModified() const { return m_bModified; }
    void SetModified(bool bModified) { m_bModified = bModified; }

    // The user's changes, to undo and redo; emptied by Reset.
    CODCommandHistory& GetHistory() { return m_history; }
    const CODCommandHistory& GetHistory() const { return m_history; }

    void AddObserver(CODModelObserver* pObserver);
    void RemoveObserver(CODModelObserver* pObserver);

    // The component part, schema 2, the page settings, the background colour
    // and the background object. Loading expects a reset model and leaves it
    // unmodified; an archive error leaves it reset.
    void Serialize(CArchive& ar) override;

    CODModel* GetModel() override { return this; }
    CODIdTable* GetIdTable() override { return &m_idTable; }
    CODSpatialIndex* GetSpatialIndex() override { return &m_index; }
    // Top-level components are selectable (labels as property 50 says); they
    // enter the index.
    void OnChildAdded(CODComponent* pChild) override;
    bool RemoveChild(int nIndex) override;
    void OnChildrenChanged(CODComponent* pParent) override;
    int AddProperty(const CODProperty& property) override;
    bool ChangeProperty(const CODProperty& property, unsigned mask) override;
    // The children's bounds; the model's own stay the canvas.
    void UpdateBounds(CDC* pDC = nullptr) override;
    void OnDraw(CDC* pDC) override;

    // Tells every observer.
    void Notify(int nHint);

private:
    // The components among the children, in drawing order.
    std::vector<CODComponent*> InDrawingOrder(const std::vector<CODComponent*>& found) const;
    void RemoveAllChildren();
    void ReleaseBackground();
    void RebuildIndex();
    void Load(CArchive& ar);

    COLORREF m_crBackground = kDefaultBackground;
    CODComponent* m_pBackground = nullptr;
    bool m_bHoldBackground = false;
    CODPageSettings m_pageSettings;
    CODIdTable m_idTable;
    CODGridIndex m_index;
    bool m_bModified = false;
    std::vector<CODModelObserver*> m_observers;
    // Last: its commands hold references on components of this model.
    CODCommandHistory m_history;
};
