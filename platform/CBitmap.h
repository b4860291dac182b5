#pragma once

#include "platform/CGdiObject.h"
#include "platform/GdiTypes.h"

#include <memory>

class CDC;
class BitmapPixels;

// A bitmap to draw into (selected into a memory CDC) or to draw from. A
// device-dependent bitmap has the display's 32 bits per pixel; a DIB section
// reports the 24 bits it was made with. Pixels are read with CDC::GetDIBits,
// written with CDC::StretchDIBits or by drawing. A bitmap is selected into at
// most one context at a time.
class CBitmap : public CGdiObject {
public:
    CBitmap(int width, int height, int bitsPerPixel, bool dibSection);
    ~CBitmap() override;
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;

    // A colour bitmap (never monochrome) whose pixels start black; none for a
    // size that is not positive or too large.
    static HBITMAP CreateCompatibleBitmap(const CDC* pDC, int width, int height);
    // A 24- or 32-bit BI_RGB section of the header's size (a negative height
    // means top-down rows, which changes nothing here); none for any other form.
    static HBITMAP CreateDIBSection(const CDC* pDC, const BITMAPINFOHEADER& header);

    int GetObjectType() const override { return OBJ_BITMAP; }
    // Size and format (bmBits stays null: pixels are reached through the context).
    BITMAP GetBitmap() const;
    int GetWidth() const;
    int GetHeight() const;
    bool IsDIBSection() const { return m_bDIBSection; }
    // An independent bitmap with the same pixels and format.
    HBITMAP Copy() const;

    // For the drawing layer: the pixels the selecting context paints on, and
    // the pixels for reading, brought up to date with that context first.
    BitmapPixels& DrawingSurface() { return *m_pixels; }
    const BitmapPixels& CurrentPixels() const;
    CDC* GetSelectedIn() const { return m_pSelectedIn; }
    void SetSelectedIn(CDC* pDC) { m_pSelectedIn = pDC; }

private:
    std::unique_ptr<BitmapPixels> m_pixels;
    int m_nBitsPerPixel;
    bool m_bDIBSection;
    CDC* m_pSelectedIn = nullptr;
};
