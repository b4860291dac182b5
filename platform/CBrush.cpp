#include "platform/CBrush.h"

#include "platform/CBitmap.h"

CBrush::CBrush(const LOGBRUSH& logBrush, HBITMAP pattern) : m_logBrush(logBrush), m_pattern(std::move(pattern))
{
    if (m_logBrush.lbStyle > BS_PATTERN || (m_logBrush.lbStyle == BS_PATTERN && !m_pattern))
        m_logBrush.lbStyle = BS_SOLID;
    if (m_logBrush.lbStyle == BS_HATCHED && m_logBrush.lbHatch > HS_DIAGCROSS)
        m_logBrush.lbHatch = HS_HORIZONTAL;
}

HBRUSH CBrush::CreateSolidBrush(COLORREF colour)
{
    LOGBRUSH logBrush;
    logBrush.lbStyle = BS_SOLID;
    logBrush.lbColor = colour;
    return CreateBrushIndirect(logBrush);
}

HBRUSH CBrush::CreateHatchBrush(int hatch, COLORREF colour)
{
    LOGBRUSH logBrush;
    logBrush.lbStyle = BS_HATCHED;
    logBrush.lbColor = colour;
    logBrush.lbHatch = static_cast<std::uintptr_t>(hatch);
    return CreateBrushIndirect(logBrush);
}

HBRUSH CBrush::CreatePatternBrush(const HBITMAP& bitmap)
{
    if (!bitmap)
        return nullptr;
    LOGBRUSH logBrush;
    logBrush.lbStyle = BS_PATTERN;
    return std::make_shared<const CBrush>(logBrush, bitmap->Copy());
}

HBRUSH CBrush::CreateBrushIndirect(const LOGBRUSH& logBrush)
{
    if (logBrush.lbStyle == BS_PATTERN)
        return nullptr;
    return std::make_shared<const CBrush>(logBrush, nullptr);
}

HBRUSH CBrush::GetStockBrush(int id)
{
    static const HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
    static const HBRUSH lightGrey = CreateSolidBrush(RGB(192, 192, 192));
    static const HBRUSH grey = CreateSolidBrush(RGB(128, 128, 128));
    static const HBRUSH darkGrey = CreateSolidBrush(RGB(64, 64, 64));
    static const HBRUSH black = CreateSolidBrush(RGB(0, 0, 0));
    static const HBRUSH hollow = [] {
        LOGBRUSH logBrush;
        logBrush.lbStyle = BS_HOLLOW;
        return CreateBrushIndirect(logBrush);
    }();
    switch (id) {
    case LTGRAY_BRUSH:
        return lightGrey;
    case GRAY_BRUSH:
        return grey;
    case DKGRAY_BRUSH:
        return darkGrey;
    case BLACK_BRUSH:
        return black;
    case NULL_BRUSH:
        return hollow;
    default:
        return white;
    }
}
