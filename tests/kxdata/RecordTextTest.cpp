#include "kxdata/BusyMarker.h"
#include "kxdata/CVexc.h"
#include "kxdata/ExhibitExtractor.h"
#include "kxdata/FieldText.h"
#include "kxdata/RaiseError.h"
#include "kxdata/RecordText.h"
#include "kxdata/ReplyWriter.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

std::string Written(const std::function<void(ReplyWriter&)>& write)
{
    char out[256];
    ReplyWriter reply;
    reply.Begin(out, sizeof out);
    write(reply);
    reply.Finish();
    return out;
}

TEST(RecordTextTest, WritesEveryDateForm)
{
    const struct {
        const char* stored;
        const char* written;
    } cases[] = {
        {"118500615030000000000", "1850/06/15|"},
        {"118500615000000000000", ">Before:1850/06/15|"},
        {"118500615010000000000", ">Say:1850/06/15|"},
        {"118500615020000000000", ">Circa:1850/06/15|"},
        {"118500615040000000000", ">After:1850/06/15|"},
        {"118500615051860000000", ">Between:1850/06/15-1860/00/00|"},
        {"118500615061860000010", ">Or:1850/06/15-1860/00/00(Old)|"},
        {"118500615071860010100", ">From-To:1850/06/15-1860/01/01|"},
        {"118500615120000000001", "?>Circa:1850/06/15(Old)|"},
        {"118500000030000000000", "1850/00/00|"},
        {"118500615090000000000", "1850/06/15-0000/00/00|"},
        {"118500615", "?1850/06/15(Old)|"},
        {"0abt. 1850", ">Irreg:abt. 1850|"},
        {"0a|b~c\x01" "d\x01\x01", ">Irreg:a!b-c~d|"},
        {"0123456789012345678901234567", ">Irreg:12345678901234567890123|"},
        {"0text  \t ", ">Irreg:text|"},
        {"", "|"},
        {"X1850", "Error|"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Written([&](ReplyWriter& r) { WriteDateField(r, c.stored); }), c.written) << c.stored;
}

TEST(RecordTextTest, MapsMemosAndEscapesText)
{
    const std::string withNul("a\0b", 3);
    const struct {
        std::string bytes;
        MemoMapping mapping;
        const char* written;
    } cases[] = {
        {"Smith$John$!Jr&", MemoMapping::Name, "Smith~John~Jr|"},
        {"a~b|c$d!", MemoMapping::Name, "a/b/c~d|"},
        {"a~b|c$d!", MemoMapping::Plain, "a/b/c$d!|"},
        {"C:\\a~b|c", MemoMapping::Raw, "C:\\a~b|c|"},
        {withNul, MemoMapping::Plain, "ab|"},
        {"", MemoMapping::Plain, "|"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Written([&](ReplyWriter& r) { WriteMemoField(r, c.bytes, c.mapping); }), c.written) << c.bytes;

    EXPECT_EQ(EscapeText("A|B~C\x01\x01" "D\x01"), "A!B-C~~D");
}

TEST(RecordTextTest, ReplacesLeftToRightAfterEachReplacement)
{
    std::string text = "a$!&b$!&|";
    EXPECT_EQ(ReplaceAll(text, "$!&", "~"), 2);
    EXPECT_EQ(text, "a~b~|");
    EXPECT_EQ(ReplaceAll(text, "~|", "~~|"), 1);
    EXPECT_EQ(text, "a~b~~|");
    std::string same = "aaa";
    EXPECT_EQ(ReplaceAll(same, "a", "aa"), 3);
    EXPECT_EQ(same, "aaaaaa");
}

TEST(FieldTextTest, ConvertsLikeDecimalConversion)
{
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {
        {"42", 42}, {"  -7x", -7}, {"+3", 3}, {"", 0}, {"abc", 0}, {"12 34", 12},
        {"99999999999", 2147483647}, {"-99999999999", -2147483647 - 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseInteger(c.text), c.value) << c.text;
    // Stored bytes convert like their trimmed text: NUL bytes do not count.
    const unsigned char stored[] = {' ', 0, '-', 0, '1', 0, '2', ' ', '3'};
    EXPECT_EQ(ParseFieldInteger(stored, sizeof stored), -12);
}

TEST(ReplyWriterTest, CutsTheReplyAndRaises10)
{
    char out[16];
    char msg[kMessageLimit] = {};
    SetMessageBuffer(msg);
    ReplyWriter reply;
    reply.Begin(out, 10);
    int code = 0;
    try {
        reply.Put("123456789ABCDEF");
    } catch (const CVexc& error) {
        code = error.Code();
    }
    SetMessageBuffer(nullptr);
    EXPECT_EQ(code, 10);
    EXPECT_STREQ(out, "123456789");
    EXPECT_STREQ(msg, "Buffer overflow - Increase buffer size");
}

TEST(BusyMarkerTest, RewritesAtMostEveryTenSecondsAcrossTheTickWrap)
{
    uint32_t now = 0xFFFFF000u;
    BusyMarker marker([&] { return now; }, "busy.bzy");
    marker.Refresh();
    EXPECT_TRUE(std::filesystem::exists("busy.bzy"));
    std::filesystem::remove("busy.bzy");
    now += 10000;
    marker.Refresh();
    EXPECT_FALSE(std::filesystem::exists("busy.bzy"));
    now += 1;  // wraps past zero: 10001 ms since the last refresh
    marker.Refresh();
    EXPECT_TRUE(std::filesystem::exists("busy.bzy"));
    marker.Remove();
    EXPECT_FALSE(std::filesystem::exists("busy.bzy"));
}

// Whatever holds the marker's name in the client's directory and is not an
// empty marker survives a refresh and the removal unchanged.
TEST(BusyMarkerTest, NeverFollowsLinksNorTouchesOtherFiles)
{
    quorrel_test::WriteFile("victim.txt", "precious");
    const struct {
        const char* what;
        std::function<void()> make;
        bool replaced;  // the name ends up holding an empty marker of ours
    } cases[] = {
        {"a link to another file", [] { std::filesystem::create_symlink("victim.txt", "busy.bzy"); }, false},
        {"a dangling link", [] { std::filesystem::create_symlink("nowhere.txt", "busy.bzy"); }, false},
        {"a file with contents", [] { quorrel_test::WriteFile("busy.bzy", "not a marker"); }, false},
        {"a FIFO", [] { ASSERT_EQ(::mkfifo("busy.bzy", 0600), 0); }, false},
        {"an empty marker of an earlier run", [] { quorrel_test::WriteFile("busy.bzy", ""); }, true},
    };
    for (const auto& c : cases) {
        const auto before = std::filesystem::symlink_status("busy.bzy").type();
        ASSERT_EQ(before, std::filesystem::file_type::not_found) << c.what;
        c.make();
        const auto made = std::filesystem::symlink_status("busy.bzy").type();
        BusyMarker marker([] { return 20000u; }, "busy.bzy");
        marker.Create();
        marker.Refresh();
        EXPECT_EQ(quorrel_test::ReadFile("victim.txt"), "precious") << c.what;
        EXPECT_FALSE(std::filesystem::exists("nowhere.txt")) << c.what;
        EXPECT_EQ(std::filesystem::symlink_status("busy.bzy").type(), made) << c.what;
        marker.Remove();
        EXPECT_EQ(std::filesystem::symlink_status("busy.bzy").type(),
                  c.replaced ? std::filesystem::file_type::not_found : made)
            << c.what;
        std::filesystem::remove("busy.bzy");
    }
    // A marker of ours that was replaced by another file since is not removed.
    BusyMarker marker([] { return 20000u; }, "busy.bzy");
    marker.Create();
    quorrel_test::WriteFile("busy.new", "");
    std::filesystem::rename("busy.new", "busy.bzy");
    marker.Remove();
    EXPECT_TRUE(std::filesystem::exists("busy.bzy"));
    std::filesystem::remove("busy.bzy");
}

TEST(ExhibitExtractorTest, NamesFilesByKindFormatAndFreeCounter)
{
    const struct {
        int kind;
        std::string head;
        const char* extension;
    } cases[] = {
        {1, "BM....", ".BMP"}, {1, "GIF89a", ".GIF"}, {1, std::string("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10), ".JPG"},
        {1, "II*\0", ".TIF"},  {1, "\x0A\x05", ".PCX"}, {1, "MM", ".GFX"},  {1, "", ".GFX"},
        {0, "text", ".TXT"},   {2, "RIFF", ".WAV"},   {3, "x", ".OLE"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExhibitExtractor::Extension(c.kind, c.head), c.extension) << c.head;

    const std::string dir = (std::filesystem::current_path() / "x").string() + "/";
    std::filesystem::create_directories(dir);
    std::string privateDirectory;
    {
        ExhibitExtractor extractor;
        const std::string jpeg("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10);
        const std::string first = extractor.Extract(jpeg, 1, dir);
        privateDirectory = std::filesystem::path(first).parent_path().string() + "/";
        EXPECT_EQ(first, privateDirectory + "G0.JPG");
        EXPECT_EQ(std::filesystem::path(privateDirectory).parent_path().parent_path().string() + "/", dir);
        EXPECT_EQ(std::filesystem::status(privateDirectory).permissions(), std::filesystem::perms::owner_all);
        EXPECT_EQ(extractor.Extract(jpeg, 1, dir), privateDirectory + "G1.JPG");
        EXPECT_EQ(extractor.Extract("BM", 1, dir), privateDirectory + "G1.BMP");
        EXPECT_EQ(extractor.Extract("hello", 0, dir), privateDirectory + "T0.TXT");
        EXPECT_EQ(quorrel_test::ReadFile(privateDirectory + "G0.JPG"), jpeg);
        EXPECT_EQ(quorrel_test::ReadFile(privateDirectory + "T0.TXT"), "hello");

        // A name taken meanwhile (even by a dangling link) is skipped, never replaced.
        std::filesystem::create_symlink("nowhere", privateDirectory + "S0.WAV");
        EXPECT_EQ(extractor.Extract("RIFF", 2, dir), privateDirectory + "S1.WAV");
        EXPECT_FALSE(std::filesystem::exists(privateDirectory + "nowhere"));

        // A directory removed by a cleaner is made anew.
        std::filesystem::remove_all(privateDirectory);
        const std::string again = extractor.Extract("hello", 0, dir);
        ASSERT_FALSE(again.empty());
        EXPECT_EQ(quorrel_test::ReadFile(again), "hello");
        privateDirectory = std::filesystem::path(again).parent_path().string() + "/";
    }
    EXPECT_FALSE(std::filesystem::exists(privateDirectory)) << "removed with the extractor";
}

// Every failing step leaves no path and no file behind.
TEST(ExhibitExtractorTest, FailuresGiveNoPath)
{
    ExhibitExtractor extractor;
    EXPECT_EQ(extractor.Extract("hello", 0, "/no-such-directory/"), "");

    // A write cut short by the file-size limit (SIGXFSZ ignored, so write fails with EFBIG).
    const std::string dir = (std::filesystem::current_path() / "limited").string() + "/";
    std::filesystem::create_directories(dir);
    rlimit previous;
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 4;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string cut = extractor.Extract("more than four bytes", 0, dir);
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(cut, "");
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir))
        EXPECT_TRUE(entry.is_directory()) << entry.path() << " left behind";
    EXPECT_FALSE(extractor.Extract("fits now", 0, dir).empty());
}

}  // namespace
