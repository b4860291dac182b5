#pragma once

#include <cstdint>
#include <string>

// Renders a saved chart into a BMP or JPEG picture, for scripts: the canvas
// filled with the background colour and the model drawn over it, at one pixel
// per logical unit. Needs the application object but no display.
class ChartExport {
public:
    // The largest picture rendered (24-bit pixels), so a huge canvas is
    // refused rather than exhausting memory.
    static constexpr std::int64_t kMaxPixels = std::int64_t{1} << 27;

    // False with the reason in strError.
    static bool Run(const std::string& strChart, const std::string& strPicture, std::string& strError);
};
