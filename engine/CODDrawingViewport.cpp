#include "engine/CODDrawingViewport.h"

#include "engine/CODComponent.h"
#include "engine/CODEditProperties.h"
#include "engine/CODFillProperties.h"
#include "engine/CODFontProperties.h"
#include "engine/CODLineProperties.h"
#include "engine/CODModel.h"
#include "engine/CODOrientationProperties.h"
#include "platform/Arithmetic.h"
#include "platform/CBrush.h"
#include "platform/CDC.h"
#include "platform/CPen.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int kScreenPixelsPerInch = 96;
constexpr int kThousandthsPerInch = 1000;
constexpr int kHundredthsMmPerInch = 2540;

// Logical units (screen pixels) in one of each unit of measure, by code.
constexpr std::array<double, 9> kLogicalPerUnit = {
    kScreenPixelsPerInch,                   // inches
    kScreenPixelsPerInch * 12.0,            // feet
    kScreenPixelsPerInch * 36.0,            // yards
    kScreenPixelsPerInch * 63360.0,         // miles
    kScreenPixelsPerInch / 25.4,            // millimetres
    kScreenPixelsPerInch / 2.54,            // centimetres
    kScreenPixelsPerInch / 0.0254,          // metres
    kScreenPixelsPerInch / 0.0000254,       // kilometres
    kScreenPixelsPerInch / 72.0,            // points
};

// First multiple of the step at or after value, counted from origin.
int FirstLineAtOrAfter(int value, int origin, double step)
{
    return origin + TruncateTowardZero(std::ceil((value - origin) / step) * step);
}

int PageLength(int nPaper, int nMinBefore, int nMinAfter, int nBefore, int nAfter, int nPerInch)
{
    const std::int64_t length = std::int64_t{nPaper} - nMinBefore - nMinAfter - nBefore - nAfter;
    if (length <= 0 || length > INT32_MAX)
        return 0;
    return MulDiv(static_cast<std::int32_t>(length), kScreenPixelsPerInch, nPerInch);
}

// Page settings in thousandths of an inch or hundredths of a millimetre.
int UnitsPerInch(const CODPageSettings& settings)
{
    return (settings.GetUnits() & CODPageSettings::kThousandthsOfInches) != 0 ? kThousandthsPerInch
                                                                               : kHundredthsMmPerInch;
}

int CeilDiv(int a, int b)
{
    return static_cast<int>((std::int64_t{a} + b - 1) / b);
}

}  // namespace

double CODDrawingViewport::LogicalUnitsPerUnit(int nUnit)
{
    return nUnit >= 0 && static_cast<std::size_t>(nUnit) < kLogicalPerUnit.size() ? kLogicalPerUnit[nUnit]
                                                                                  : kLogicalPerUnit[0];
}

CODDrawingViewport::CODDrawingViewport()
{
    m_defaultProperties.push_back(std::make_unique<CODEditProperties>());
    m_defaultProperties.push_back(std::make_unique<CODOrientationProperties>());
    m_defaultProperties.push_back(std::make_unique<CODLineProperties>());
    m_defaultProperties.push_back(std::make_unique<CODFillProperties>());
    m_defaultProperties.push_back(std::make_unique<CODFontProperties>());
}

CODDrawingViewport::~CODDrawingViewport() = default;

bool CODDrawingViewport::SetMagnification(int nPercentX, int nPercentY)
{
    const auto within = [this](int nPercent) {
        return nPercent >= m_nMinMagnification && nPercent <= m_nMaxMagnification;
    };
    if (!within(nPercentX) || !within(nPercentY))
        return false;
    m_fZoomX = static_cast<float>(kPercent) / static_cast<float>(nPercentX);
    m_fZoomY = static_cast<float>(kPercent) / static_cast<float>(nPercentY);
    m_magnification = CSize(nPercentX, nPercentY);
    return true;
}

CSize CODDrawingViewport::GetMagnification() const
{
    return m_magnification;
}

void CODDrawingViewport::SetMagnificationLimits(int nMinPercent, int nMaxPercent)
{
    m_nMinMagnification = nMinPercent;
    m_nMaxMagnification = nMaxPercent;
}

bool CODDrawingViewport::ZoomToFit(const std::vector<CODComponent*>& components, const CSize& clientSize)
{
    CRect area;
    for (CODComponent* component : components)
        area.UnionRect(area, component->GetBounds());
    const int clientX = clientSize.cx - 2 * kZoomToFitMargin;
    const int clientY = clientSize.cy - 2 * kZoomToFitMargin;
    if (area.IsRectEmpty() || clientX <= 0 || clientY <= 0)
        return false;
    // One percent for both axes, so the chart keeps its shape.
    const std::int64_t fitX = std::int64_t{clientX} * kPercent / area.Width();
    const std::int64_t fitY = std::int64_t{clientY} * kPercent / area.Height();
    const int percent = static_cast<int>(
        std::clamp<std::int64_t>(std::min(fitX, fitY), m_nMinMagnification, m_nMaxMagnification));
    SetMagnification(percent, percent);
    const CPoint centre = area.CenterPoint();
    m_ptScroll = CPoint(centre.x - RoundHalfAwayFromZero(clientSize.cx * static_cast<double>(m_fZoomX) / 2),
                        centre.y - RoundHalfAwayFromZero(clientSize.cy * static_cast<double>(m_fZoomY) / 2));
    return true;
}

void CODDrawingViewport::OnPrepareDC(CDC* pDC) const
{
    pDC->SetMapMode(MM_ANISOTROPIC);
    pDC->SetWindowExt(RoundHalfAwayFromZero(kExtentScale * static_cast<double>(m_fZoomX)),
                      RoundHalfAwayFromZero(kExtentScale * static_cast<double>(m_fZoomY)));
    pDC->SetViewportExt(kExtentScale, kExtentScale);
    pDC->SetWindowOrg(m_ptScroll.x, m_ptScroll.y);
    pDC->SetViewportOrg(0, 0);
}

std::vector<CRect> CODDrawingViewport::FillTiles(const CRect& rect)
{
    std::vector<CRect> tiles;
    if (rect.IsRectEmpty())
        return tiles;
    for (std::int64_t top = rect.top; top < rect.bottom; top += kMaxFillTile) {
        const auto bottom = static_cast<std::int32_t>(std::min<std::int64_t>(top + kMaxFillTile, rect.bottom));
        for (std::int64_t left = rect.left; left < rect.right; left += kMaxFillTile) {
            const auto right = static_cast<std::int32_t>(std::min<std::int64_t>(left + kMaxFillTile, rect.right));
            tiles.emplace_back(static_cast<std::int32_t>(left), static_cast<std::int32_t>(top), right, bottom);
        }
    }
    return tiles;
}

void CODDrawingViewport::DrawCanvasBackground(CDC* pDC, const CRect& rect) const
{
    if (!m_pModel)
        return;
    const CPoint origin = m_pModel->GetOrigin();
    const CSize size = m_pModel->GetSize();
    CRect canvas;
    if (!canvas.IntersectRect(rect, CRect(origin.x, origin.y, origin.x + size.cx, origin.y + size.cy)))
        return;
    const HBRUSH brush = CBrush::CreateSolidBrush(m_pModel->GetBackgroundColor());
    for (const CRect& tile : FillTiles(canvas))
        pDC->FillRect(tile, brush);
    if (CODComponent* background = m_pModel->GetBackground()) {
        CRect meets;
        if (meets.IntersectRect(background->GetBounds(), rect))
            background->Draw(pDC);
    }
}

void CODDrawingViewport::Draw(CDC* pDC, const CRect& rect)
{
    if (!pDC || !m_pModel)
        return;
    const int saved = pDC->SaveDC();
    pDC->IntersectClipRect(rect.left, rect.top, rect.right, rect.bottom);
    const std::vector<CODComponent*> components = m_pModel->ComponentsIn(rect);
    const bool printing = pDC->IsPrinting();
    if (!printing)
        pDC->FillRect(rect, CBrush::CreateSolidBrush(GetOutsideColor()));
    DrawCanvasBackground(pDC, rect);
    if (!printing)
        DrawGrid(pDC, rect);
    DrawPageBoundaries(pDC, rect);
    for (CODComponent* component : components)
        component->Draw(pDC);
    if (!printing)
        DrawSelectionHandles(pDC, rect);
    pDC->RestoreDC(saved);
}

void CODDrawingViewport::DrawGrid(CDC* pDC, const CRect& rect) const
{
    if (!m_bGridVisible)
        return;
    const double stepX = GetGridStepX();
    const double stepY = GetGridStepY();
    const double pixelsX = stepX / m_fZoomX;
    const double pixelsY = stepY / m_fZoomY;
    if (pixelsX < kMinGridPixels || pixelsX > kMaxGridPixels || pixelsY < kMinGridPixels || pixelsY > kMaxGridPixels)
        return;
    const CPoint origin = m_pModel->GetOrigin();
    const int firstX = FirstLineAtOrAfter(rect.left, origin.x, stepX);
    const int firstY = FirstLineAtOrAfter(rect.top, origin.y, stepY);
    for (int row = 0;; ++row) {
        const int y = RoundHalfAwayFromZero(firstY + row * stepY);
        if (y >= rect.bottom)
            break;
        for (int column = 0;; ++column) {
            const int x = RoundHalfAwayFromZero(firstX + column * stepX);
            if (x >= rect.right)
                break;
            pDC->SetPixel(x, y, m_crGrid);
        }
    }
}

void CODDrawingViewport::DrawPageBoundaries(CDC* pDC, const CRect& rect)
{
    const CSize page = GetPageSize();
    if (!m_bPagesVisible || pDC->IsPrinting() || page.cx <= 0 || page.cy <= 0)
        return;
    // Pages divide the canvas: the grey around it is on no page.
    const CPoint origin = m_pModel->GetOrigin();
    const CSize size = m_pModel->GetSize();
    CRect area;
    if (!area.IntersectRect(rect, CRect(origin.x, origin.y, origin.x + size.cx, origin.y + size.cy)))
        return;
    const HPEN previousPen = pDC->SelectObject(CPen::CreatePen(PS_DASH, 0, 0));
    const int previousMode = pDC->SetBkMode(TRANSPARENT);
    for (std::int64_t x = (std::int64_t{area.left} / page.cx + 1) * page.cx; x < area.right; x += page.cx) {
        pDC->MoveTo(static_cast<int>(x), area.top);
        pDC->LineTo(static_cast<int>(x), area.bottom);
    }
    for (std::int64_t y = (std::int64_t{area.top} / page.cy + 1) * page.cy; y < area.bottom; y += page.cy) {
        pDC->MoveTo(area.left, static_cast<int>(y));
        pDC->LineTo(area.right, static_cast<int>(y));
    }
    pDC->SetBkMode(previousMode);
    pDC->SelectObject(previousPen);
}

void CODDrawingViewport::DrawSelectionHandles(CDC* pDC, const CRect& rect) const
{
    if (m_selection.empty())
        return;
    const int saved = pDC->SaveDC();
    pDC->SelectObject(CPen::GetStockPen(BLACK_PEN));
    for (CODComponent* component : m_selection) {
        CRect bounds = component->GetBounds();
        CRect meets;
        if (!component->IsVisible() || !meets.IntersectRect(bounds, rect))
            continue;
        const bool primary = component == m_selection.back();
        pDC->SelectObject(CBrush::GetStockBrush(primary ? LTGRAY_BRUSH : WHITE_BRUSH));
        std::array<POINT, 8> handles = HandlePoints(bounds);
        pDC->LPtoDP(handles.data(), static_cast<int>(handles.size()));
        // Handles keep their size in pixels whatever the zoom.
        const int inner = pDC->SaveDC();
        pDC->SetMapMode(MM_TEXT);
        pDC->SetWindowOrg(0, 0);
        pDC->SetViewportOrg(0, 0);
        for (const POINT& handle : handles)
            pDC->Rectangle(handle.x - kHandleHalfSize, handle.y - kHandleHalfSize, handle.x + kHandleHalfSize,
                           handle.y + kHandleHalfSize);
        pDC->RestoreDC(inner);
    }
    pDC->RestoreDC(saved);
}

std::array<POINT, 8> CODDrawingViewport::HandlePoints(const CRect& bounds)
{
    const CPoint centre = bounds.CenterPoint();
    return {POINT{bounds.left, bounds.top}, POINT{centre.x, bounds.top}, POINT{bounds.right, bounds.top},
        POINT{bounds.right, centre.y}, POINT{bounds.right, bounds.bottom}, POINT{centre.x, bounds.bottom},
        POINT{bounds.left, bounds.bottom}, POINT{bounds.left, centre.y}};
}

double CODDrawingViewport::GetGridStepX() const
{
    return m_fGridSpacingX * LogicalUnitsPerUnit(m_nUnitOfMeasure);
}

double CODDrawingViewport::GetGridStepY() const
{
    return m_fGridSpacingY * LogicalUnitsPerUnit(m_nUnitOfMeasure);
}

CPoint CODDrawingViewport::SnapToGrid(const CPoint& point) const
{
    const CPoint origin = m_pModel ? m_pModel->GetOrigin() : CPoint();
    const auto snap = [](int value, int start, double step) {
        if (step <= 0)
            return value;
        return start + RoundHalfAwayFromZero(RoundHalfAwayFromZero((value - start) / step) * step);
    };
    return CPoint(snap(point.x, origin.x, GetGridStepX()), snap(point.y, origin.y, GetGridStepY()));
}

CSize CODDrawingViewport::GetPageSize() const
{
    if (!m_pModel)
        return CSize();
    const CODPageSettings& settings = m_pModel->GetPageSettings();
    const int perInch = UnitsPerInch(settings);
    const SIZE paper = settings.GetPaperSize();
    const RECT minimum = settings.GetMinMargins();
    const RECT margins = settings.GetMargins();
    const int width = PageLength(paper.cx, minimum.left, minimum.right, margins.left, margins.right, perInch);
    const int height = PageLength(paper.cy, minimum.top, minimum.bottom, margins.top, margins.bottom, perInch);
    if (width <= 0 || height <= 0)
        return CSize();
    return CSize(width, height);
}

CSize CODDrawingViewport::GetPaperSize() const
{
    if (!m_pModel)
        return CSize();
    const CODPageSettings& settings = m_pModel->GetPageSettings();
    const SIZE paper = settings.GetPaperSize();
    const int perInch = UnitsPerInch(settings);
    return CSize(MulDiv(paper.cx, kScreenPixelsPerInch, perInch), MulDiv(paper.cy, kScreenPixelsPerInch, perInch));
}

CPoint CODDrawingViewport::GetPageOrigin() const
{
    if (!m_pModel)
        return CPoint();
    const CODPageSettings& settings = m_pModel->GetPageSettings();
    const int perInch = UnitsPerInch(settings);
    const RECT minimum = settings.GetMinMargins();
    const RECT margins = settings.GetMargins();
    return CPoint(MulDiv(minimum.left + margins.left, kScreenPixelsPerInch, perInch),
                  MulDiv(minimum.top + margins.top, kScreenPixelsPerInch, perInch));
}

int CODDrawingViewport::GetPageCount() const
{
    const CSize page = GetPageSize();
    if (!m_pModel || page.cx <= 0 || page.cy <= 0)
        return 0;
    const CSize canvas = m_pModel->GetSize();
    if (canvas.cx <= 0 || canvas.cy <= 0)
        return 0;
    const std::int64_t count = std::int64_t{CeilDiv(canvas.cx, page.cx)} * CeilDiv(canvas.cy, page.cy);
    return static_cast<int>(std::min<std::int64_t>(count, INT32_MAX));
}

CRect CODDrawingViewport::GetPageRect(int nPage) const
{
    const int count = GetPageCount();
    if (nPage < 1 || nPage > count)
        return CRect();
    const CSize page = GetPageSize();
    const int columns = CeilDiv(m_pModel->GetSize().cx, page.cx);
    const int row = (nPage - 1) / columns;
    const int column = (nPage - 1) % columns;
    return CRect(page.cx * column, page.cy * row, page.cx * (column + 1), page.cy * (row + 1));
}

int CODDrawingViewport::GetLastPageToPrint() const
{
    for (int page = GetPageCount(); page >= 1; --page)
        if (!m_pModel->ComponentsIn(GetPageRect(page)).empty())
            return page;
    return 0;
}

std::vector<const CODProperty*> CODDrawingViewport::GetDefaultProperties() const
{
    std::vector<const CODProperty*> properties;
    for (const auto& property : m_defaultProperties)
        properties.push_back(property.get());
    return properties;
}

std::vector<CODProperty*> CODDrawingViewport::EditDefaultProperties()
{
    std::vector<CODProperty*> properties;
    for (const auto& property : m_defaultProperties)
        properties.push_back(property.get());
    return properties;
}

const CODProperty* CODDrawingViewport::GetDefaultProperty(int nId) const
{
    for (const auto& property : m_defaultProperties)
        if (property->GetId() == nId)
            return property.get();
    return nullptr;
}
