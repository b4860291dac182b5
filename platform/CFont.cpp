#include "platform/CFont.h"

#include "platform/FontRealization.h"

#include <cstring>

CFont::CFont(const LOGFONT& logFont) : m_logFont(logFont)
{
    m_logFont.lfFaceName[LF_FACESIZE - 1] = '\0';
}

HFONT CFont::CreateFontIndirect(const LOGFONT& logFont)
{
    return std::make_shared<const CFont>(logFont);
}

HFONT CFont::GetDefaultFont()
{
    static const HFONT font = [] {
        LOGFONT logFont;
        logFont.lfHeight = 16;
        logFont.lfWeight = FW_NORMAL;
        std::strcpy(logFont.lfFaceName, "Arial");
        return CreateFontIndirect(logFont);
    }();
    return font;
}

std::string CFont::GetFaceName() const
{
    return m_logFont.lfFaceName[0] ? std::string(m_logFont.lfFaceName) : std::string("Arial");
}

const FontRealization& CFont::Realize() const
{
    if (!m_realization)
        m_realization = FontRealization::For(*this);
    return *m_realization;
}
