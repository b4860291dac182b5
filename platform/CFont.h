#pragma once

#include "platform/CGdiObject.h"
#include "platform/GdiTypes.h"

#include <memory>
#include <string>

class FontRealization;

// A logical font. Heights follow GDI: negative is the character (em) height,
// positive the cell height, in logical units; 0 is the default height.
// The face is matched by fontconfig; an empty face means "Arial".
class CFont : public CGdiObject {
public:
    explicit CFont(const LOGFONT& logFont);

    static HFONT CreateFontIndirect(const LOGFONT& logFont);
    // The font of a fresh context: "Arial", 16 units high.
    static HFONT GetDefaultFont();

    int GetObjectType() const override { return OBJ_FONT; }
    const LOGFONT& GetLogFont() const { return m_logFont; }
    std::string GetFaceName() const;

    // For the drawing layer: the matched face and its metrics, made on first use.
    const FontRealization& Realize() const;

private:
    LOGFONT m_logFont;
    mutable std::shared_ptr<const FontRealization> m_realization;
};
