#include "charts/ChartLine.h"

#include "platform/CommandFile.h"

namespace {
constexpr int kLargestLineStyle = 4;  // PS_DASHDOTDOT
}

CODLineProperties ReadChartLine(const CommandFile& file, const char* section, const char* colorKey,
                                const char* widthKey, const char* styleKey)
{
    CODLineProperties line;
    line.SetTransparent(0);
    line.SetColor(file.GetColor(section, colorKey));
    if (const int width = file.GetInt(section, widthKey); width >= 0)
        line.SetWidth(width);
    if (const int style = file.GetInt(section, styleKey); style >= 0 && style <= kLargestLineStyle)
        line.SetStyle(style);
    return line;
}
