#include "fuzz/FuzzProfile.h"
#include "platform/MessageBox.h"
#include "platform/ProfileFile.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

using quorrel_test::ReadFile;
using quorrel_test::WriteFile;

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

// Captures the message boxes shown while it lives.
class CapturedMessages {
public:
    CapturedMessages()
    {
        MessageBox::SetSink([this](const std::string& text) { m_texts.push_back(text); });
    }
    ~CapturedMessages() { MessageBox::SetSink(nullptr); }
    const std::vector<std::string>& Texts() const { return m_texts; }

private:
    std::vector<std::string> m_texts;
};

// A FIFO would block the read for ever and /dev/zero never end; a file far
// larger than any command file is refused too. Each is reported once, reads as
// missing, and is never written to.
TEST(ProfileFileTest, RefusesFilesThatAreNoCommandFiles)
{
    ASSERT_EQ(::mkfifo("fifo.ini", 0600), 0);
    WriteFile("huge.ini", "[S]\nA=1\n");
    std::filesystem::resize_file("huge.ini", (std::uintmax_t{4} << 20) + 1);
    const struct {
        const char* path;
        const char* message;
    } cases[] = {
        {"fifo.ini", "Cannot read fifo.ini: it is not a regular file"},
        {"/dev/zero", "Cannot read /dev/zero: it is not a regular file"},
        {"huge.ini", "Cannot read huge.ini: it is larger than 4 MB"},
    };
    for (const auto& c : cases) {
        CapturedMessages messages;
        EXPECT_EQ(Read(c.path, "S", "A"), "<missing>") << c.path;
        EXPECT_EQ(Read(c.path, "S", "B"), "<missing>") << c.path;
        EXPECT_FALSE(ProfileFile::WriteString(c.path, "S", "A", "2")) << c.path;
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{c.message}) << c.path;
    }
    EXPECT_EQ(std::filesystem::status("fifo.ini").type(), std::filesystem::file_type::fifo);
    EXPECT_EQ(std::filesystem::file_size("huge.ini"), (std::uintmax_t{4} << 20) + 1);

    // Once the file is a command file again, it reads; a later refusal is reported anew.
    CapturedMessages messages;
    WriteFile("huge.ini", "[S]\nA=1\n");
    EXPECT_EQ(Read("huge.ini", "S", "A"), "1");
    std::filesystem::resize_file("huge.ini", (std::uintmax_t{4} << 20) + 1);
    EXPECT_EQ(Read("huge.ini", "S", "A"), "<missing>");
    EXPECT_EQ(messages.Texts().size(), 1u);
    std::filesystem::remove("huge.ini");
}

// A write that fails half way (here: the file-size limit, as a full disk
// would) leaves the old file whole, other sections included, and says so.
TEST(ProfileFileTest, AFailedWriteLeavesTheOldFileAsItWas)
{
    const std::string original = "[S]\nA=1\n[Other]\nB=2\n";
    WriteFile("full.ini", original);
    rlimit previous;
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = original.size();
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = ProfileFile::WriteString("full.ini", "S", "A", "a value longer than the room left");
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadFile("full.ini"), original);
    for (const auto& entry : std::filesystem::directory_iterator("."))
        EXPECT_EQ(entry.path().filename().string().find(".full.ini"), std::string::npos) << entry.path() << " left behind";
}

TEST(ProfileFileTest, AWriteKeepsPermissionsAndLinks)
{
    WriteFile("private.ini", "[S]\nA=1\n");
    std::filesystem::permissions("private.ini", std::filesystem::perms::owner_read | std::filesystem::perms::owner_write
        | std::filesystem::perms::group_read);
    std::filesystem::create_symlink("private.ini", "link.ini");
    ASSERT_TRUE(ProfileFile::WriteString("link.ini", "S", "A", "2"));
    EXPECT_TRUE(std::filesystem::is_symlink("link.ini"));
    EXPECT_EQ(ReadFile("private.ini"), "[S]\nA=2\n");
    EXPECT_EQ(std::filesystem::status("private.ini").permissions(),
        std::filesystem::perms::owner_read | std::filesystem::perms::owner_write | std::filesystem::perms::group_read);

    // A new file gets the usual mode: 0666 less the umask.
    const mode_t mask = ::umask(022);
    ASSERT_TRUE(ProfileFile::WriteString("fresh.ini", "S", "A", "1"));
    ::umask(mask);
    struct stat info;
    ASSERT_EQ(::stat("fresh.ini", &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);
}

// Today's file must not gain sections or keys from a name that holds a line
// break or the character that ends it.
TEST(ProfileFileTest, RefusesSectionsAndKeysThatWouldChangeTheLines)
{
    const std::string original = "[S]\nA=1\n";
    const struct {
        const char* section;
        const char* key;
    } cases[] = {
        {"S", "K\n[Other]\nB"}, {"S", "K\rX"}, {"S", "K=1"}, {"S", " [K"},
        {"S]\nB=1\n[T", "K"}, {"S\nX", "K"}, {"S\rX", "K"}, {"A]B", "K"},
    };
    for (const auto& c : cases) {
        WriteFile("names.ini", original);
        EXPECT_FALSE(ProfileFile::WriteString("names.ini", c.section, c.key, "v")) << c.section << "/" << c.key;
        EXPECT_EQ(ReadFile("names.ini"), original) << c.section << "/" << c.key;
    }
    ASSERT_TRUE(ProfileFile::WriteString("names.ini", "S [x", "K ]y", "v"));
    EXPECT_EQ(Read("names.ini", "S [x", "K ]y"), "v");
}

// The fuzz target's seeds go through its reads, and read as written.
TEST(ProfileFileTest, FuzzSeedsReadAsWritten)
{
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(QUORREL_FUZZ_CORPUS) / "profile")) {
        const std::string bytes = ReadFile(entry.path().string());
        FuzzProfileInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        ++seeds;
    }
    ASSERT_GE(seeds, 1);
    const std::string seed = std::string(QUORREL_FUZZ_CORPUS) + "/profile/command.qrc";
    EXPECT_EQ(Read(seed, "chart", "type"), "ANCESTOR");
    EXPECT_EQ(Read(seed, "CHART", "Title"), "  A title  ");
    EXPECT_EQ(Read(seed, "Box", "Width"), "10");
}

}  // namespace
