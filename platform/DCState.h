#pragma once

#include "platform/CBrush.h"
#include "platform/CFont.h"
#include "platform/CPalette.h"
#include "platform/CPen.h"
#include "platform/GdiTypes.h"

#include <QRegion>

#include <optional>

// The attributes of a device context that SaveDC keeps.
struct DCState {
    HPEN pen = CPen::GetStockPen(BLACK_PEN);
    HBRUSH brush = CBrush::GetStockBrush(WHITE_BRUSH);
    HFONT font = CFont::GetDefaultFont();
    HPALETTE palette = CPalette::GetDefaultPalette();
    std::optional<QRegion> clip;  // device pixels; none: the whole surface
    int mapMode = MM_TEXT;
    POINT windowOrg;
    POINT viewportOrg;
    SIZE windowExt{1, 1};
    SIZE viewportExt{1, 1};
    COLORREF textColour = RGB(0, 0, 0);
    COLORREF bkColour = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    unsigned textAlign = TA_LEFT | TA_TOP;
    int polyFillMode = ALTERNATE;
    int rop2 = R2_COPYPEN;
    int stretchMode = BLACKONWHITE;
    POINT position;
};
