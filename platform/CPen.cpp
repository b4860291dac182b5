#include "platform/CPen.h"

#include <cstdlib>

CPen::CPen(const LOGPEN& logPen) : m_logPen(logPen)
{
    m_logPen.lopnWidth.x = std::abs(m_logPen.lopnWidth.x);
    m_logPen.lopnWidth.y = 0;
    if (m_logPen.lopnStyle > PS_INSIDEFRAME)
        m_logPen.lopnStyle = PS_SOLID;
}

HPEN CPen::CreatePen(int style, int width, COLORREF colour)
{
    LOGPEN logPen;
    logPen.lopnStyle = static_cast<std::uint32_t>(style);
    logPen.lopnWidth.x = width;
    logPen.lopnColor = colour;
    return CreatePenIndirect(logPen);
}

HPEN CPen::CreatePenIndirect(const LOGPEN& logPen)
{
    return std::make_shared<const CPen>(logPen);
}

HPEN CPen::GetStockPen(int id)
{
    static const HPEN white = CreatePen(PS_SOLID, 0, RGB(255, 255, 255));
    static const HPEN black = CreatePen(PS_SOLID, 0, RGB(0, 0, 0));
    static const HPEN none = CreatePen(PS_NULL, 0, RGB(0, 0, 0));
    switch (id) {
    case WHITE_PEN:
        return white;
    case NULL_PEN:
        return none;
    default:
        return black;
    }
}
