#pragma once

#include "platform/CGdiObject.h"
#include "platform/GdiTypes.h"

// A brush: solid, hollow, hatched (HS_ style in the brush colour, the gaps in
// the background colour when the background mode is OPAQUE) or a pattern
// tiled from a copy of a bitmap.
class CBrush : public CGdiObject {
public:
    CBrush(const LOGBRUSH& logBrush, HBITMAP pattern);

    static HBRUSH CreateSolidBrush(COLORREF colour);
    static HBRUSH CreateHatchBrush(int hatch, COLORREF colour);
    // Copies the bitmap, so the caller may release it at once; none gives null.
    static HBRUSH CreatePatternBrush(const HBITMAP& bitmap);
    // BS_SOLID, BS_HOLLOW or BS_HATCHED (BS_PATTERN needs CreatePatternBrush).
    static HBRUSH CreateBrushIndirect(const LOGBRUSH& logBrush);
    // WHITE_BRUSH ... NULL_BRUSH; any other id gives the white brush.
    static HBRUSH GetStockBrush(int id);

    int GetObjectType() const override { return OBJ_BRUSH; }
    const LOGBRUSH& GetLogBrush() const { return m_logBrush; }
    // The pattern of a BS_PATTERN brush, else none.
    const HBITMAP& GetPattern() const { return m_pattern; }

private:
    LOGBRUSH m_logBrush;
    HBITMAP m_pattern;
};
