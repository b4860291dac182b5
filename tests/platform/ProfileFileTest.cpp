#include "platform/ProfileFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

void WriteFile(const std::string& path, const std::string& content)
{
    std::ofstream(path, std::ios::binary) << content;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string Read(const std::string& path, const std::string& section, const std::string& key)
{
    return ProfileFile::ReadString(path, section, key, "<missing>", 255);
}

TEST(ProfileFileTest, ReadsValuesByWindowsRules)
{
    WriteFile("read.ini",
        "; a comment\r\n"
        "orphan=before any section\r\n"
        "[Chart]\r\n"
        "Type = Ancestor  \r\n"
        "  Indented\t=\tvalue\t\r\n"
        "Double=\"  quoted  \"\r\n"
        "Single='x'\r\n"
        "Unmatched=\"x'\r\n"
        "Inner=a \"b\" c\r\n"
        "Empty=\r\n"
        "Equals=a=b\r\n"
        "Dup=first\r\n"
        "DUP=second\r\n"
        "[ Box ]\r\n"
        "Width=10\r\n"
        "[chart]\r\n"
        "Later=in a second section of the same name\r\n"
        "[Last]\r\n"
        "NoEnd=tail");

    const struct {
        const char* section;
        const char* key;
        const char* expected;
    } cases[] = {
        {"Chart", "Type", "Ancestor"},
        {"CHART", "TYPE", "Ancestor"},
        {"chart", "indented", "value"},
        {"Chart", "Double", "  quoted  "},
        {"Chart", "Single", "x"},
        {"Chart", "Unmatched", "\"x'"},
        {"Chart", "Inner", "a \"b\" c"},
        {"Chart", "Empty", ""},
        {"Chart", "Equals", "a=b"},
        {"Chart", "Dup", "first"},
        {"Box", "width", "10"},
        {"Last", "NoEnd", "tail"},
        {"Chart", "Missing", "<missing>"},
        {"Chart", "Later", "<missing>"},  // only the first section of a name counts
        {"Nowhere", "Type", "<missing>"},
        {"", "orphan", "<missing>"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Read("read.ini", c.section, c.key), c.expected) << c.section << "/" << c.key;

    EXPECT_EQ(Read("no-such-file.ini", "Chart", "Type"), "<missing>");
}

TEST(ProfileFileTest, ReadsMatchSectionsAndKeysWithoutRegardToCaseBeyondAscii)
{
    WriteFile("latin.ini", "[\xC9v\xE9nement]\nCl\xE9=1\n");  // Windows-1252 É and é
    EXPECT_EQ(ProfileFile::ReadString("latin.ini", "\xE9V\xC9NEMENT", "CL\xC9", "", 255), "1");
}

TEST(ProfileFileTest, CutsValueAndFallbackToTheBuffer)
{
    const std::string longValue(300, 'v');
    WriteFile("long.ini", "[S]\nK=" + longValue + "\n");
    EXPECT_EQ(ProfileFile::ReadString("long.ini", "S", "K", "", 255), std::string(254, 'v'));
    EXPECT_EQ(ProfileFile::ReadString("long.ini", "S", "K", "", 4), "vvv");
    EXPECT_EQ(ProfileFile::ReadString("long.ini", "S", "none", "fallback", 4), "fal");
    EXPECT_EQ(ProfileFile::ReadString("long.ini", "S", "K", "", 0), "");
}

TEST(ProfileFileTest, WritesKeepTheRestOfTheFile)
{
    const std::string original =
        "; keep me\r\n"
        "[Chart]\r\n"
        "Type = ancestor\r\n"
        "dup=1\r\n"
        "DUP=2\r\n"
        "\r\n"
        "[Box]\r\n"
        "Width=10\r\n";
    WriteFile("write.ini", original);

    ASSERT_TRUE(ProfileFile::WriteString("write.ini", "CHART", "TYPE", "FANCHART"));
    ASSERT_TRUE(ProfileFile::WriteString("write.ini", "chart", "Dup", "changed"));
    ASSERT_TRUE(ProfileFile::WriteString("write.ini", "Chart", "Output", "out"));
    ASSERT_TRUE(ProfileFile::WriteString("write.ini", "Title", "Text", "My chart"));

    EXPECT_EQ(ReadFile("write.ini"),
        "; keep me\r\n"
        "[Chart]\r\n"
        "Type =FANCHART\r\n"
        "dup=changed\r\n"
        "DUP=2\r\n"
        "Output=out\r\n"
        "\r\n"
        "[Box]\r\n"
        "Width=10\r\n"
        "[Title]\r\n"
        "Text=My chart\r\n");
    EXPECT_EQ(Read("write.ini", "chart", "type"), "FANCHART");
    EXPECT_EQ(Read("write.ini", "Chart", "dup"), "changed");
}

TEST(ProfileFileTest, WritesCreateTheFileAndFollowItsLineEnds)
{
    ASSERT_TRUE(ProfileFile::WriteString("new.ini", "S", "A", "1"));
    ASSERT_TRUE(ProfileFile::WriteString("new.ini", "S", "B", "2"));
    EXPECT_EQ(ReadFile("new.ini"), "[S]\nA=1\nB=2\n");

    // A last line without a line end gets one before anything is added after it.
    WriteFile("noend.ini", "[S]\r\nA=1");
    ASSERT_TRUE(ProfileFile::WriteString("noend.ini", "S", "B", "2"));
    ASSERT_TRUE(ProfileFile::WriteString("noend.ini", "T", "C", "3"));
    EXPECT_EQ(ReadFile("noend.ini"), "[S]\r\nA=1\r\nB=2\r\n[T]\r\nC=3\r\n");
}

TEST(ProfileFileTest, WrittenLineBreaksCannotAddKeys)
{
    ASSERT_TRUE(ProfileFile::WriteString("inject.ini", "S", "A", "x\r\n[Other]\nB=1"));
    EXPECT_EQ(Read("inject.ini", "S", "A"), "x  [Other] B=1");
    EXPECT_EQ(Read("inject.ini", "Other", "B"), "<missing>");
}

TEST(ProfileFileTest, KeepsAByteOrderMark)
{
    WriteFile("bom.ini", "\xEF\xBB\xBF[S]\nA=1\n");
    EXPECT_EQ(Read("bom.ini", "S", "A"), "1");
    ASSERT_TRUE(ProfileFile::WriteString("bom.ini", "S", "A", "2"));
    EXPECT_EQ(ReadFile("bom.ini"), "\xEF\xBB\xBF[S]\nA=2\n");
}

TEST(ProfileFileTest, ReportsAFileThatCannotBeWritten)
{
    std::filesystem::create_directory("a-directory");
    EXPECT_FALSE(ProfileFile::WriteString("a-directory", "S", "A", "1"));
    EXPECT_FALSE(ProfileFile::WriteString("no-such-dir/x.ini", "S", "A", "1"));
}

TEST(ProfileFileTest, LeavesAFileItCannotReadAlone)
{
    WriteFile("locked.ini", "[S]\nA=1\n");
    std::filesystem::permissions("locked.ini", std::filesystem::perms::owner_write);
    if (std::FILE* probe = std::fopen("locked.ini", "rb")) {
        std::fclose(probe);
        GTEST_SKIP() << "running with rights that read any file";
    }
    EXPECT_FALSE(ProfileFile::WriteString("locked.ini", "S", "B", "2"));
    std::filesystem::permissions("locked.ini", std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(ReadFile("locked.ini"), "[S]\nA=1\n");
}

}  // namespace
