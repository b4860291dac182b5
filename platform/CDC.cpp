#include "platform/CDC.h"

#include "platform/CBitmap.h"
#include "platform/DCSurface.h"

#include <utility>

CDC::CDC() : m_surface(std::make_unique<DCSurface>())
{
    m_surface->bitmap = CBitmap::CreateCompatibleBitmap(this, 1, 1);
    m_surface->bitmap->SetSelectedIn(this);
}

CDC::~CDC()
{
    m_surface->End();
    if (m_surface->bitmap)
        m_surface->bitmap->SetSelectedIn(nullptr);
}

HPEN CDC::SelectObject(HPEN pen)
{
    if (!pen)
        return nullptr;
    std::swap(m_surface->state.pen, pen);
    return pen;
}

HBRUSH CDC::SelectObject(HBRUSH brush)
{
    if (!brush)
        return nullptr;
    std::swap(m_surface->state.brush, brush);
    return brush;
}

HFONT CDC::SelectObject(HFONT font)
{
    if (!font)
        return nullptr;
    std::swap(m_surface->state.font, font);
    return font;
}

HBITMAP CDC::SelectObject(HBITMAP bitmap)
{
    if (!bitmap || (bitmap->GetSelectedIn() && bitmap->GetSelectedIn() != this))
        return nullptr;
    m_surface->End();
    m_surface->bitmap->SetSelectedIn(nullptr);
    bitmap->SetSelectedIn(this);
    std::swap(m_surface->bitmap, bitmap);
    return bitmap;
}

HPEN CDC::GetCurrentPen() const { return m_surface->state.pen; }
HBRUSH CDC::GetCurrentBrush() const { return m_surface->state.brush; }
HFONT CDC::GetCurrentFont() const { return m_surface->state.font; }
HBITMAP CDC::GetCurrentBitmap() const { return m_surface->bitmap; }

HPALETTE CDC::SelectPalette(HPALETTE palette, bool /*forceBackground*/)
{
    if (!palette)
        return nullptr;
    std::swap(m_surface->state.palette, palette);
    return palette;
}

unsigned CDC::RealizePalette()
{
    return 0;  // true colour: no system palette entries change
}

int CDC::SaveDC()
{
    m_surface->saved.push_back(m_surface->state);
    return static_cast<int>(m_surface->saved.size());
}

bool CDC::RestoreDC(int savedDC)
{
    auto& saved = m_surface->saved;
    const int level = savedDC < 0 ? static_cast<int>(saved.size()) + savedDC + 1 : savedDC;
    if (level < 1 || level > static_cast<int>(saved.size()))
        return false;
    m_surface->state = saved[static_cast<std::size_t>(level - 1)];
    saved.resize(static_cast<std::size_t>(level - 1));
    return true;
}

COLORREF CDC::SetTextColor(COLORREF colour) { return std::exchange(m_surface->state.textColour, colour); }
COLORREF CDC::GetTextColor() const { return m_surface->state.textColour; }
COLORREF CDC::SetBkColor(COLORREF colour) { return std::exchange(m_surface->state.bkColour, colour); }
COLORREF CDC::GetBkColor() const { return m_surface->state.bkColour; }

int CDC::SetBkMode(int mode)
{
    if (mode != TRANSPARENT && mode != OPAQUE)
        return 0;
    return std::exchange(m_surface->state.bkMode, mode);
}

int CDC::GetBkMode() const { return m_surface->state.bkMode; }
unsigned CDC::SetTextAlign(unsigned align) { return std::exchange(m_surface->state.textAlign, align); }
unsigned CDC::GetTextAlign() const { return m_surface->state.textAlign; }

int CDC::SetPolyFillMode(int mode)
{
    if (mode != ALTERNATE && mode != WINDING)
        return 0;
    return std::exchange(m_surface->state.polyFillMode, mode);
}

int CDC::GetPolyFillMode() const { return m_surface->state.polyFillMode; }

int CDC::SetROP2(int mode)
{
    if (mode < R2_BLACK || mode > R2_WHITE)
        return 0;
    return std::exchange(m_surface->state.rop2, mode);
}

int CDC::GetROP2() const { return m_surface->state.rop2; }

int CDC::SetStretchBltMode(int mode)
{
    if (mode < BLACKONWHITE || mode > HALFTONE)
        return 0;
    return std::exchange(m_surface->state.stretchMode, mode);
}

int CDC::GetStretchBltMode() const { return m_surface->state.stretchMode; }

int CDC::SetMapMode(int mode)
{
    if (mode < MM_TEXT || mode > MM_ANISOTROPIC)
        return 0;
    const int previous = std::exchange(m_surface->state.mapMode, mode);
    m_surface->FixExtents();
    m_surface->KeepIsotropic();
    return previous;
}

int CDC::GetMapMode() const { return m_surface->state.mapMode; }
POINT CDC::SetWindowOrg(int x, int y) { return std::exchange(m_surface->state.windowOrg, POINT{x, y}); }
POINT CDC::GetWindowOrg() const { return m_surface->state.windowOrg; }
POINT CDC::SetViewportOrg(int x, int y) { return std::exchange(m_surface->state.viewportOrg, POINT{x, y}); }
POINT CDC::GetViewportOrg() const { return m_surface->state.viewportOrg; }

SIZE CDC::SetWindowExt(int cx, int cy)
{
    const SIZE previous = m_surface->state.windowExt;
    const int mode = m_surface->state.mapMode;
    if ((mode == MM_ISOTROPIC || mode == MM_ANISOTROPIC) && cx != 0 && cy != 0) {
        m_surface->state.windowExt = {cx, cy};
        m_surface->KeepIsotropic();
    }
    return previous;
}

SIZE CDC::GetWindowExt() const { return m_surface->state.windowExt; }

SIZE CDC::SetViewportExt(int cx, int cy)
{
    const SIZE previous = m_surface->state.viewportExt;
    const int mode = m_surface->state.mapMode;
    if ((mode == MM_ISOTROPIC || mode == MM_ANISOTROPIC) && cx != 0 && cy != 0) {
        m_surface->state.viewportExt = {cx, cy};
        m_surface->KeepIsotropic();
    }
    return previous;
}

SIZE CDC::GetViewportExt() const { return m_surface->state.viewportExt; }

bool CDC::LPtoDP(POINT* points, int count) const
{
    if (!points || count < 0)
        return false;
    m_surface->MapToDevice(points, count);
    return true;
}

bool CDC::DPtoLP(POINT* points, int count) const
{
    if (!points || count < 0)
        return false;
    m_surface->MapToLogical(points, count);
    return true;
}

int CDC::GetDeviceCaps(int index) const
{
    const QRect surface = m_surface->SurfaceRect();
    switch (index) {
    case TECHNOLOGY:
        return m_surface->printing ? DT_RASPRINTER : DT_RASDISPLAY;
    case LOGPIXELSX:
        return m_surface->dpiX;
    case LOGPIXELSY:
        return m_surface->dpiY;
    case HORZRES:
    case PHYSICALWIDTH:
        return surface.width();
    case VERTRES:
    case PHYSICALHEIGHT:
        return surface.height();
    case HORZSIZE:
        return surface.width() * 254 / (m_surface->dpiX * 10);
    case VERTSIZE:
        return surface.height() * 254 / (m_surface->dpiY * 10);
    case BITSPIXEL:
        return 32;
    case PLANES:
        return 1;
    case NUMCOLORS:
        return -1;
    case RASTERCAPS:
        return RC_BITBLT | RC_STRETCHBLT | RC_STRETCHDIB | RC_DIBTODEV;
    default:
        return 0;
    }
}

bool CDC::IsPrinting() const
{
    return m_surface->printing;
}

void CDC::Flush() const
{
    m_surface->End();
}
