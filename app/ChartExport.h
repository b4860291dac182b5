#pragma once

#include <string>

// Renders a saved chart into a BMP or JPEG picture, for scripts, with the
// chart view's own renderer at 100 %. Needs the application object but no display.
class ChartExport {
public:
    // False with the reason in strError.
    static bool Run(const std::string& strChart, const std::string& strPicture, std::string& strError);
};
