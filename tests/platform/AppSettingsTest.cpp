#include "platform/AppSettings.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

TEST(AppSettingsTest, KeepsValuesInTheUsersConfigFile)
{
    const std::filesystem::path expected = std::filesystem::path(std::getenv("XDG_CONFIG_HOME")) / "Quorrel" / "Quorrel.ini";
    EXPECT_EQ(AppSettings::FilePath(), expected.string());

    EXPECT_EQ(AppSettings::GetInt("ToolBar", "ZoomBarVisible", 1), 1);
    EXPECT_EQ(AppSettings::GetString("Settings", "WindowPos", "absent"), "absent");

    ASSERT_TRUE(AppSettings::WriteInt("ToolBar", "ZoomBarVisible", 0));
    ASSERT_TRUE(AppSettings::WriteString("Settings", "WindowPos", "0,1,-1,-1,-1,-1,10,10,810,610"));
    ASSERT_TRUE(AppSettings::WriteString("Settings", "Caf\xE9", "\xE9t\xE9"));  // Windows-1252 text
    EXPECT_EQ(AppSettings::GetInt("ToolBar", "ZoomBarVisible", 1), 0);
    EXPECT_EQ(AppSettings::GetString("Settings", "WindowPos", ""), "0,1,-1,-1,-1,-1,10,10,810,610");
    EXPECT_EQ(AppSettings::GetString("Settings", "Caf\xE9", ""), "\xE9t\xE9");

    const std::string content = quorrel_test::ReadFile(expected.string());
    EXPECT_NE(content.find("[ToolBar]"), std::string::npos) << content;
    EXPECT_NE(content.find("ZoomBarVisible=0"), std::string::npos) << content;

    // A value that is not a number reads as the fallback.
    ASSERT_TRUE(AppSettings::WriteString("ToolBar", "AllOff", "x"));
    EXPECT_EQ(AppSettings::GetInt("ToolBar", "AllOff", 0), 0);
}

}  // namespace
