#pragma once

#include "platform/WinTypes.h"

#include <optional>
#include <string>

class CommandFile;
class DefaultPropertySource;

// The default font a chart gives its view: "DefFont", "DefFontSize" (0 or
// missing is 8) and "DefFontColor" of the chart's section.
struct ChartFont {
    static constexpr int kDefaultPointSize = 8;

    static ChartFont Read(const CommandFile& file, const char* section);
    // Every font of the defaults (may be null) takes the face, size, colour
    // and, when set, the weight.
    void ApplyTo(DefaultPropertySource* pDefaults) const;

    std::string face;
    int pointSize = kDefaultPointSize;
    COLORREF colour = 0;
    std::optional<int> weight;
};
