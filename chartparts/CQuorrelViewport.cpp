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

#include <cstdio>

namespace {

constexpr const char* kSwitch = "Switch";
constexpr const char* kSettings = "Settings";
constexpr int kTrueColourBits = 24;
constexpr int kBytesPerPixel = 3;
constexpr int kBytesPerKilo = 1024;
constexpr int kRowAlignment = 4;

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
    const std::int64_t row = (std::int64_t{size.cx} * kBytesPerPixel + kRowAlignment - 1) / kRowAlignment * kRowAlignment;
    return row * size.cy;
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
    const CSize logical = model->GetSize();
    StatusBarProgress progress(IDS_PLEASE_WAIT, true);
    progress.SetText(MemoryEstimateText(logical));

    const CPoint scroll = GetScrollPosition();
    SetScrollPosition(model->GetOrigin());
    const CSize size = GetImageSize();
    if (size.cx <= 0 || size.cy <= 0 || ImageBytes(size) > kMaxImageBytes) {
        char text[192];
        std::snprintf(text, sizeof text,
                      "A picture of %d x %d pixels is larger than the %lld megabytes this program renders at once.",
                      size.cx, size.cy, static_cast<long long>(kMaxImageBytes >> 20));
        m_strRenderError = text;
        SetScrollPosition(scroll);
        return false;
    }
    CDC memory;
    BITMAPINFOHEADER header;
    header.biWidth = size.cx;
    header.biHeight = size.cy;
    header.biBitCount = kTrueColourBits;
    const HBITMAP bitmap = CBitmap::CreateDIBSection(pDC ? pDC : &memory, header);
    if (!bitmap) {
        m_strRenderError = "There is not enough memory for the picture.";
        SetScrollPosition(scroll);
        return false;
    }
    const HBITMAP previous = memory.SelectObject(bitmap);
    OnPrepareDC(&memory);
    const CPoint origin = model->GetOrigin();
    DrawCanvasBackground(&memory, CRect(origin.x, origin.y, origin.x + logical.cx, origin.y + logical.cy));
    for (CODComponent* component : model->GetChildren())
        component->Draw(&memory);
    SetScrollPosition(scroll);
    memory.SelectObject(previous);
    const bool created = image.CreateFromBitmap(&memory, bitmap);
    if (!created)
        m_strRenderError = "The picture could not be taken from the drawing.";
    return created;
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
