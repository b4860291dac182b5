#include "chartparts/CQuorrelViewport.h"

#include "engine/CODModel.h"
#include "images/SECImage.h"
#include "platform/AppSettings.h"
#include "platform/Arithmetic.h"
#include "platform/CBitmap.h"
#include "platform/CDC.h"
#include "platform/CPen.h"
#include "platform/ResourceStrings.h"
#include "platform/StatusBarProgress.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace {

constexpr const char* kSwitch = "Switch";
constexpr const char* kSettings = "Settings";
constexpr int kTrueColourBits = 24;
constexpr int kBytesPerPixel = 3;
// The platform's bitmaps hold 32 bits a pixel however they report themselves.
constexpr int kBandBytesPerPixel = 4;
constexpr int kBytesPerKilo = 1024;

bool ReadSwitch(const char* key, bool bDefault)
{
    return AppSettings::GetInt(kSwitch, key, bDefault ? 1 : 0) != 0;
}

void WriteSwitch(const char* key, bool bValue)
{
    AppSettings::WriteInt(kSwitch, key, bValue ? 1 : 0);
}

// Bytes of a bottom-up 24-bit picture, rows padded as the format pads them.
std::int64_t ImageBytes(const CSize& size)
{
    return DibRowBytes(size.cx, kTrueColourBits) * size.cy;
}

}  // namespace

CQuorrelViewport::CQuorrelViewport()
{
    SetMagnificationLimits(kMinMagnification, kMaxMagnification);
    m_bCutMarksVisible = ReadSwitch("CutMarksVisible", true);
    m_bSnapToGrid = ReadSwitch("SnapToGrid", false);
    m_bAngleSnap = ReadSwitch("AngleSnap", false);
    m_bGridVisible = ReadSwitch("GridVisible", true);
    m_bPagesVisible = ReadSwitch("PagesVisible", true);
    m_bRulersVisible = ReadSwitch("RulersVisible", false);
    m_nUnitOfMeasure = AppSettings::GetInt(kSettings, "UnitsOfMeasure", kDefaultUnitsOfMeasure);
}

CQuorrelViewport::~CQuorrelViewport()
{
    WriteSwitch("CutMarksVisible", m_bCutMarksVisible);
    WriteSwitch("SnapToGrid", m_bSnapToGrid);
    WriteSwitch("AngleSnap", m_bAngleSnap);
    WriteSwitch("GridVisible", m_bGridVisible);
    WriteSwitch("PagesVisible", m_bPagesVisible);
    WriteSwitch("RulersVisible", m_bRulersVisible);
    AppSettings::WriteInt(kSettings, "UnitsOfMeasure", m_nUnitOfMeasure);
}

std::string CQuorrelViewport::MemoryEstimateText(const CSize& size)
{
    const long kilobytes = static_cast<long>(std::int64_t{size.cx} * size.cy * kBytesPerPixel / kBytesPerKilo);
    char text[128];
    std::snprintf(text, sizeof text, "Attempting to build a %ld Kilo byte uncompressed image.", kilobytes);
    return text;
}

CSize CQuorrelViewport::GetImageSize() const
{
    if (!GetModel())
        return CSize();
    const CSize size = GetModel()->GetSize();
    // A picture too big to render is only measured, so the mapping cannot overflow.
    const double wide = size.cx / static_cast<double>(m_fZoomX);
    const double high = size.cy / static_cast<double>(m_fZoomY);
    if (wide * high * kBytesPerPixel > static_cast<double>(kMaxImageBytes))
        return CSize(RoundHalfAwayFromZero(wide), RoundHalfAwayFromZero(high));
    CDC dc;
    OnPrepareDC(&dc);
    // From (0, 0): a damaged chart's far-out origin must not overflow the sum.
    dc.SetWindowOrg(0, 0);
    POINT corner{size.cx, size.cy};
    dc.LPtoDP(&corner, 1);
    return CSize(corner.x, corner.y);
}

bool CQuorrelViewport::RenderToImage(SECImage& image, CDC* pDC)
{
    m_strRenderError.clear();
    CODModel* model = GetModel();
    if (!model) {
        m_strRenderError = "There is no chart to render.";
        return false;
    }
    StatusBarProgress progress(IDS_PLEASE_WAIT, true);
    progress.SetText(MemoryEstimateText(model->GetSize()));

    const CPoint scroll = GetScrollPosition();
    SetScrollPosition(model->GetOrigin());
    const CSize size = GetImageSize();
    SetScrollPosition(scroll);
    if (size.cx <= 0 || size.cy <= 0 || ImageBytes(size) > kMaxImageBytes) {
        char text[192];
        std::snprintf(text, sizeof text,
                      "A picture of %d x %d pixels is larger than the %lld megabytes this program renders at once.",
                      size.cx, size.cy, static_cast<long long>(kMaxImageBytes >> 20));
        m_strRenderError = text;
        return false;
    }
    if (!image.CreateTrueColor(size.cx, size.cy)) {
        m_strRenderError = "There is not enough memory for the picture.";
        return false;
    }
    const bool rendered = RenderBands(BandRowsFor(size.cx),
        [&image](const CDC& dc, const HBITMAP& band, int nFirstRow, int nTop, int nRows) {
            return image.PutBitmapRows(&dc, band, nFirstRow, nTop, nRows);
        }, pDC);
    if (!rendered && m_strRenderError.empty())
        m_strRenderError = "The picture could not be taken from the drawing.";
    if (!rendered)
        image.FreeImage();
    return rendered;
}

namespace {

// Rows of a bitmap of that width that hold about kBandBytes.
std::int64_t RowsInBandBytes(int nWidth)
{
    const std::int64_t rowBytes = std::int64_t{std::max(nWidth, 1)} * kBandBytesPerPixel;
    return std::clamp<std::int64_t>(CQuorrelViewport::kBandBytes / rowBytes, 1, std::numeric_limits<int>::max());
}

}  // namespace

int CQuorrelViewport::BandRowsFor(int nWidth)
{
    return static_cast<int>(std::max<std::int64_t>(RowsInBandBytes(nWidth) - 2 * BandMarginFor(nWidth), 1));
}

int CQuorrelViewport::BandMarginFor(int nWidth)
{
    // Margins stay a small part of a band: a canvas so wide that a band holds
    // a few rows only gets none rather than many times the memory.
    return static_cast<int>(std::min<std::int64_t>(kBandMargin, RowsInBandBytes(nWidth) / kBandPerMargin));
}

bool CQuorrelViewport::RenderBands(int nBandRows, const BandSink& takeBand, CDC* pDC)
{
    m_strRenderError.clear();
    CODModel* model = GetModel();
    if (!model) {
        m_strRenderError = "There is no chart to render.";
        return false;
    }
    const CPoint scroll = GetScrollPosition();
    SetScrollPosition(model->GetOrigin());
    const CSize size = GetImageSize();
    bool rendered = size.cx > 0 && size.cy > 0;
    const int bandRows = std::clamp(nBandRows, 1, std::max(size.cy, 1));
    const int margin = BandMarginFor(size.cx);
    CDC memory;
    BITMAPINFOHEADER header;
    header.biWidth = size.cx;
    header.biHeight = bandRows + 2 * margin;
    header.biBitCount = kTrueColourBits;
    const HBITMAP band = rendered ? CBitmap::CreateDIBSection(pDC ? pDC : &memory, header) : nullptr;
    if (!band) {
        m_strRenderError = "There is not enough memory for the picture.";
        rendered = false;
    }
    if (rendered) {
        const HBITMAP previous = memory.SelectObject(band);
        for (int top = 0; rendered && top < size.cy; top += bandRows) {
            // The band bitmap is reused: what the canvas does not cover starts black again.
            memory.SetMapMode(MM_TEXT);
            memory.SetWindowOrg(0, 0);
            memory.SetViewportOrg(0, 0);
            memory.PatBlt(0, 0, size.cx, header.biHeight, BLACKNESS);
            DrawCanvasRows(memory, top - margin, header.biHeight, size);
            rendered = takeBand(memory, band, margin, top, std::min(bandRows, size.cy - top));
        }
        memory.SelectObject(previous);
    }
    SetScrollPosition(scroll);
    return rendered;
}

void CQuorrelViewport::DrawCanvasRows(CDC& dc, int nTop, int nRows, const CSize& size) const
{
    OnPrepareDC(&dc);
    // Whole pixels up: each band is the picture shifted, so bands join without a seam.
    const POINT org = dc.GetViewportOrg();
    dc.SetViewportOrg(org.x, org.y - nTop);
    POINT corners[2] = {{0, 0}, {size.cx, nRows}};
    dc.DPtoLP(corners, 2);
    const CRect rows(corners[0].x, corners[0].y, corners[1].x, corners[1].y);
    DrawCanvasBackground(&dc, rows);
    for (CODComponent* component : GetModel()->ComponentsIn(rows))
        component->Draw(&dc);
}

bool CQuorrelViewport::DrawCanvas(CDC& dc)
{
    CODModel* model = GetModel();
    if (!model)
        return false;
    const CPoint scroll = GetScrollPosition();
    SetScrollPosition(model->GetOrigin());
    const CSize size = GetImageSize();
    DrawCanvasRows(dc, 0, size.cy, size);
    SetScrollPosition(scroll);
    return true;
}

void CQuorrelViewport::DrawPrintedPage(CDC& dc, int nPage, int nDeviceUnitsPerInch)
{
    const CRect page = GetPageRect(nPage);
    const CPoint origin = GetPageOrigin();
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(kLogicalUnitsPerInch, kLogicalUnitsPerInch);
    dc.SetViewportExt(nDeviceUnitsPerInch, nDeviceUnitsPerInch);
    dc.SetWindowOrg(page.left - origin.x, page.top - origin.y);
    dc.SetViewportOrg(0, 0);
    Draw(&dc, page);
}

void CQuorrelViewport::DrawPageBoundaries(CDC* pDC, const CRect& rect)
{
    if (!pDC->IsPrinting()) {
        CODDrawingViewport::DrawPageBoundaries(pDC, rect);
        return;
    }
    const CSize page = GetPageSize();
    if (!m_bCutMarksVisible || page.cx == 0 || page.cy == 0)
        return;
    const HPEN previousPen = pDC->SelectObject(CPen::CreatePen(PS_DOT, 0, kCutMarkColor));
    const int previousMode = pDC->SetBkMode(TRANSPARENT);
    if (rect.left != 0) {
        pDC->MoveTo(rect.left, rect.top);
        pDC->LineTo(rect.left, rect.bottom + page.cy);
    }
    if (rect.top != 0) {
        pDC->MoveTo(rect.left, rect.top + 1);
        pDC->LineTo(rect.right + page.cx, rect.top + 1);
    }
    pDC->SetBkMode(previousMode);
    pDC->SelectObject(previousPen);
}
