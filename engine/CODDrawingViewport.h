#pragma once

#include "engine/CODProperty.h"
#include "platform/CPoint.h"
#include "platform/CRect.h"
#include "platform/CSize.h"
#include "platform/WinTypes.h"

#include <array>
#include <memory>
#include <vector>

class CDC;
class CODComponent;
class CODModel;

// Maps a model's logical units onto a device (window, printer page or bitmap)
// with a zoom per axis and a scroll origin, and draws the model there with
// its background, grid, page boundaries and selection handles. Needs no
// window: whoever owns the device hands it in.
class CODDrawingViewport {
public:
    static constexpr int kEngineMinMagnification = 5;
    static constexpr int kEngineMaxMagnification = 1500;
    static constexpr COLORREF kOutsideCanvasColor = 0x00808080;
    static constexpr double kDefaultGridSpacing = 0.125;
    static constexpr int kHandleHalfSize = 3;
    // Grid spacings closer or wider than this many device pixels are not drawn.
    static constexpr int kMinGridPixels = 4;
    static constexpr int kMaxGridPixels = 400;
    // The largest rectangle filled with one call; bigger canvases go in tiles.
    static constexpr int kMaxFillTile = 16000;
    static constexpr int kPercent = 100;
    // Extents carry the zoom factor in this many steps per unit.
    static constexpr int kExtentScale = 1000;
    // Device pixels left free around what a zoom to fit shows.
    static constexpr int kZoomToFitMargin = 10;

    CODDrawingViewport();
    virtual ~CODDrawingViewport();
    CODDrawingViewport(const CODDrawingViewport&) = delete;
    CODDrawingViewport& operator=(const CODDrawingViewport&) = delete;

    void SetModel(CODModel* pModel) { m_pModel = pModel; }
    CODModel* GetModel() const { return m_pModel; }

    // Applied only when both lie within the limits; otherwise nothing changes.
    bool SetMagnification(int nPercentX, int nPercentY);
    // 100 / zoom factor. Kept as set: truncating the float quotient would
    // read 1500 % back as 1499 %.
    CSize GetMagnification() const;
    void SetMagnificationLimits(int nMinPercent, int nMaxPercent);
    int GetMinMagnification() const { return m_nMinMagnification; }
    int GetMaxMagnification() const { return m_nMaxMagnification; }

    // The logical point shown at the device's top-left.
    void SetScrollPosition(const CPoint& position) { m_ptScroll = position; }
    CPoint GetScrollPosition() const { return m_ptScroll; }

    // The zoom (whole percent, within the limits) and scroll position that
    // show the union of the members' bounds, with a margin, centred in a
    // client area of that many device pixels. False when the union is empty.
    bool ZoomToFit(const std::vector<CODComponent*>& components, const CSize& clientSize);

    // Mapping mode, extents with the zoom and the scroll position as origin.
    virtual void OnPrepareDC(CDC* pDC) const;

    // Draws the rectangle (logical units) of the model.
    void Draw(CDC* pDC, const CRect& rect);
    virtual void DrawPageBoundaries(CDC* pDC, const CRect& rect);
    virtual COLORREF GetOutsideColor() const { return kOutsideCanvasColor; }
    // The model's background colour over the canvas part of the rectangle,
    // then its background component.
    void DrawCanvasBackground(CDC* pDC, const CRect& rect) const;
    // The pieces, at most kMaxFillTile a side, in which a rectangle is
    // filled: row by row from its top-left, the last of each row and the last
    // row cut at its edges.
    static std::vector<CRect> FillTiles(const CRect& rect);

    // Logical units in one unit of measure (code 0 to 8; inches for others).
    static double LogicalUnitsPerUnit(int nUnit);
    // The last page holding a component: pages after it are not printed; 0 when none does.
    int GetLastPageToPrint() const;

    // Logical units; zero when the model's page settings leave no printable area.
    CSize GetPageSize() const;
    // The sheet a page is printed on, and the page's top-left on it (inside
    // the minimum margins and the margins), logical units.
    CSize GetPaperSize() const;
    CPoint GetPageOrigin() const;
    // Columns times rows covering the canvas; 0 without a page size.
    int GetPageCount() const;
    // Page n (from 1), left to right, then downward from (0, 0).
    CRect GetPageRect(int nPage) const;

    // The last member is the primary selection; the viewport only draws it.
    void SetSelection(const std::vector<CODComponent*>& selection) { m_selection = selection; }
    const std::vector<CODComponent*>& GetSelection() const { return m_selection; }

    // The selection handles of bounds, in the anchor-code order: clockwise
    // from the top-left corner.
    static std::array<POINT, 8> HandlePoints(const CRect& bounds);
    // The grid spacing in logical units, and the grid intersection nearest
    // to a logical point (the grid starts at the canvas origin).
    double GetGridStepX() const;
    double GetGridStepY() const;
    CPoint SnapToGrid(const CPoint& point) const;

    // Properties new components receive.
    std::vector<const CODProperty*> GetDefaultProperties() const;
    // The same set, for a chart run that sets the view's default font.
    std::vector<CODProperty*> EditDefaultProperties();
    const CODProperty* GetDefaultProperty(int nId) const;

    bool m_bAngleSnap = true;
    bool m_bSnapToGrid = true;
    bool m_bGridVisible = true;
    bool m_bPagesVisible = true;
    double m_fGridSpacingX = kDefaultGridSpacing;
    double m_fGridSpacingY = kDefaultGridSpacing;
    COLORREF m_crGrid = 0;
    int m_nUnitOfMeasure = 0;

protected:
    float m_fZoomX = 1.0F;
    float m_fZoomY = 1.0F;
    CSize m_magnification{kPercent, kPercent};

private:
    void DrawGrid(CDC* pDC, const CRect& rect) const;
    void DrawSelectionHandles(CDC* pDC, const CRect& rect) const;

    CODModel* m_pModel = nullptr;
    CPoint m_ptScroll;
    int m_nMinMagnification = kEngineMinMagnification;
    int m_nMaxMagnification = kEngineMaxMagnification;
    std::vector<CODComponent*> m_selection;
    std::vector<std::unique_ptr<CODProperty>> m_defaultProperties;
};
