#pragma once

#include "platform/GdiHandles.h"
#include "platform/GdiTypes.h"

#include <memory>
#include <string>

class DCSurface;

// A device context: the GDI drawing model over Qt's painter. A new CDC is a
// memory context compatible with the screen, holding a 1 x 1 bitmap until one
// is selected; drawing lands in the selected bitmap (CPaintDeviceDC draws on
// a window or a printer instead). Objects are selected and
// the previous one comes back; SaveDC/RestoreDC nest the attributes (not the
// bitmap). Coordinates are logical units mapped to device pixels by the
// mapping mode. 8-bit text is decoded as UTF-8 when valid, else Windows-1252.
// Shapes are drawn aliased as GDI draws them; text is smoothed.
class CDC {
public:
    CDC();
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // Objects.
    HPEN SelectObject(HPEN pen);
    HBRUSH SelectObject(HBRUSH brush);
    HFONT SelectObject(HFONT font);
    // Returns the previous bitmap, or none when the bitmap is selected
    // into another context (then nothing changes).
    HBITMAP SelectObject(HBITMAP bitmap);
    HPEN GetCurrentPen() const;
    HBRUSH GetCurrentBrush() const;
    HFONT GetCurrentFont() const;
    HBITMAP GetCurrentBitmap() const;
    HPALETTE SelectPalette(HPALETTE palette, bool forceBackground);
    unsigned RealizePalette();

    // Saved states: SaveDC returns the new level; RestoreDC(-1) returns to the
    // last one, RestoreDC(n) to level n; false when there is no such level.
    int SaveDC();
    bool RestoreDC(int savedDC);

    // Attributes; each setter returns the previous value.
    COLORREF SetTextColor(COLORREF colour);
    COLORREF GetTextColor() const;
    COLORREF SetBkColor(COLORREF colour);
    COLORREF GetBkColor() const;
    int SetBkMode(int mode);  // TRANSPARENT or OPAQUE
    int GetBkMode() const;
    unsigned SetTextAlign(unsigned align);  // TA_ flags
    unsigned GetTextAlign() const;
    int SetPolyFillMode(int mode);  // ALTERNATE or WINDING
    int GetPolyFillMode() const;
    int SetROP2(int mode);  // R2_COPYPEN, R2_NOTXORPEN, R2_XORPEN, R2_NOT
    int GetROP2() const;
    int SetStretchBltMode(int mode);  // HALFTONE smooths, the others pick pixels
    int GetStretchBltMode() const;

    // Mapping: device = (logical - window origin) * viewport extent / window
    // extent + viewport origin. Extents can be set in MM_ISOTROPIC and
    // MM_ANISOTROPIC only; the metric and English modes have y growing upward.
    int SetMapMode(int mode);
    int GetMapMode() const;
    POINT SetWindowOrg(int x, int y);
    POINT GetWindowOrg() const;
    POINT SetViewportOrg(int x, int y);
    POINT GetViewportOrg() const;
    SIZE SetWindowExt(int cx, int cy);
    SIZE GetWindowExt() const;
    SIZE SetViewportExt(int cx, int cy);
    SIZE GetViewportExt() const;
    bool LPtoDP(POINT* points, int count) const;
    bool DPtoLP(POINT* points, int count) const;

    int GetDeviceCaps(int index) const;
    bool IsPrinting() const;

    // Lines and shapes, outlined with the pen and filled with the brush.
    POINT MoveTo(int x, int y);
    bool LineTo(int x, int y);
    bool Polyline(const POINT* points, int count);
    bool Polygon(const POINT* points, int count);
    // 3k + 1 points: a start and k (control, control, end) triples.
    bool PolyBezier(const POINT* points, int count);
    // The outline covers left .. right - 1 and top .. bottom - 1.
    bool Rectangle(int left, int top, int right, int bottom);
    bool Ellipse(int left, int top, int right, int bottom);
    // Right and bottom exclusive, no outline.
    bool FillRect(const RECT& rect, const HBRUSH& brush);
    COLORREF SetPixel(int x, int y, COLORREF colour);
    // CLR_INVALID outside the bitmap or the clip.
    COLORREF GetPixel(int x, int y) const;

    // Paths: between BeginPath and EndPath the shapes above are recorded
    // instead of drawn; then stroke and/or fill the path (which ends it).
    bool BeginPath();
    bool EndPath();
    bool AbortPath();
    bool CloseFigure();
    bool StrokePath();
    bool FillPath();
    bool StrokeAndFillPath();

    // Clipping. Regions are in device units; none removes the clip.
    int SelectClipRgn(const CRgn* region);
    int ExtSelectClipRgn(const CRgn* region, int mode);
    int IntersectClipRect(int left, int top, int right, int bottom);  // logical units
    int GetClipBox(RECT* rect) const;                                 // logical units

    // Text at a reference point (by the text alignment), along the font's
    // escapement, in the text colour; OPAQUE fills the text cell first.
    bool TextOut(int x, int y, const std::string& text);
    // Width of the text and height of the font, in logical units.
    SIZE GetTextExtent(const std::string& text) const;
    bool GetTextMetrics(TEXTMETRIC* metrics) const;

    // Blits. Destination and source in the logical units of their contexts.
    bool BitBlt(int x, int y, int width, int height, const CDC* source, int xSrc, int ySrc, std::uint32_t rop);
    bool StretchBlt(int x, int y, int width, int height, const CDC* source, int xSrc, int ySrc, int widthSrc,
                    int heightSrc, std::uint32_t rop);
    bool PatBlt(int x, int y, int width, int height, std::uint32_t rop);
    // StretchBlt that leaves the destination unpainted wherever the source
    // pixel has the transparent colour (a sprite). Sizes must be positive.
    bool TransparentBlt(int x, int y, int width, int height, const CDC* source, int xSrc, int ySrc, int widthSrc,
                        int heightSrc, COLORREF transparent);
    // Draws a DIB (1, 4, 8, 16, 24 or 32 bits, BI_RGB; info points at the
    // header followed by its colour table) into the destination rectangle. The
    // source rectangle is in DIB pixels counted from the first stored row, so
    // for a bottom-up DIB ySrc counts from the bottom, as in GDI. A negative
    // destination width or height mirrors. Returns the scan lines drawn, 0 on failure.
    int StretchDIBits(int x, int y, int width, int height, int xSrc, int ySrc, int widthSrc, int heightSrc,
                      const void* bits, const BITMAPINFOHEADER* info, unsigned usage, std::uint32_t rop);
    // Copies rows of the bitmap into a DIB of info's size and depth (24 or 32
    // bits; a negative height asks for top-down rows). Without bits, fills in
    // the header (bit count, image size) from the bitmap and returns nonzero.
    // Returns the rows copied, 0 on failure.
    int GetDIBits(const HBITMAP& bitmap, unsigned startScan, unsigned scanLines, void* bits, BITMAPINFOHEADER* info,
                  unsigned usage) const;

    // Finishes pending drawing into the selected bitmap (done for you before
    // the bitmap is read).
    void Flush() const;

protected:
    DCSurface& Surface() { return *m_surface; }

private:
    std::unique_ptr<DCSurface> m_surface;
};

constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;
