#pragma once

#include "platform/CRect.h"
#include "platform/GdiTypes.h"
#include "platform/WinTypes.h"

#include <string>

// What the host needs to open its editor over a text box: where, with what
// text and in which font, all in device terms of the view.
struct TextEditRequest {
    // The upright text box less its margins, device pixels.
    CRect rcDevice;
    std::string strText;
    bool bMultiLine = false;
    // The component's font, its height scaled by the zoom.
    LOGFONT logFont;
    COLORREF crText = 0;
    // The horizontal and vertical alignment bits of the text's flag word.
    unsigned nAlignment = 0;
};
