#include "platform/FileDialog.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Converted(const std::string& filter)
{
    return FileDialog::ToNameFilters(filter).join(QLatin1Char('\n')).toStdString();
}

TEST(FileDialogTest, TurnsWindowsFiltersIntoNameFilters)
{
    // The dialog hides the last parenthesised part, so users see the descriptions as written.
    EXPECT_EQ(Converted("Quorrel Command Files |*.ini;*.qrc|Quorrel Command INI Files (*.ini)|*.ini|"
                        "Quorrel Command QRC Files (*.qrc)|*.qrc|All Files (*.*)|*.*||"),
        "Quorrel Command Files (*.ini *.INI *.qrc *.QRC)\n"
        "Quorrel Command INI Files (*.ini) (*.ini *.INI)\n"
        "Quorrel Command QRC Files (*.qrc) (*.qrc *.QRC)\n"
        "All Files (*.*) (*)");
    EXPECT_EQ(Converted("Bitmaps (*.bmp)|*.BMP||"), "Bitmaps (*.bmp) (*.BMP)");
    EXPECT_EQ(Converted(""), "");
}

}  // namespace
