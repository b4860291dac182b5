#include "kxdata/kxdata.h"
#include "tests/kxdata/FamilyProject.h"
#include "tests/kxdata/KxClient.h"
#include "tools/projectwriter/ProjectWriter.h"
#include "tests/support/TestFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>

#include <sys/stat.h>

using kxdata_test::KxClient;
using kxdata_test::KxReply;
using testing::ElementsAre;

namespace {

const KxReply kEnd{1, "", "End of list."};

KxReply Ok(const std::string& out)
{
    return {0, out, ""};
}

class ExportsTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories("tmp");
        m_strTemp = std::filesystem::absolute("tmp").string() + "/";
        setenv("TMPDIR", m_strTemp.c_str(), 1);
        m_strProject = kxdata_test::WriteFamilyProject("family");
        ASSERT_EQ(kx.Call(KxInit, 102400).code, 0);
        ASSERT_EQ(kx.Open(m_strProject), Ok(""));
    }
    void TearDown() override { kx.Close(); }

    KxClient kx;
    std::string m_strProject;
    std::string m_strTemp;
};

TEST(KxdataLibraryTest, ExportsOnlyTheKxFunctions)
{
    const std::string command = std::string("nm -D --defined-only ") + KXDATA_LIBRARY + " > symbols.txt";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::set<std::string> names;
    std::istringstream lines(quorrel_test::ReadFile("symbols.txt"));
    for (std::string line; std::getline(lines, line);)
        names.insert(line.substr(line.rfind(' ') + 1));
    const std::set<std::string> expected = {
        "KxInit",   "KxConfig",      "KxOpen",        "KxClose",   "KxIndiv",   "KxFlags",      "KxName",
        "KxEvent",  "KxEventDirect", "KxWitness",     "KxRelative", "KxPlaces", "KxTagType",    "KxExhibit",
        "KxPrimExhibit", "KxCitation", "KxSource",    "KxRepLink", "KxRepository"};
    EXPECT_EQ(names, expected);
}

TEST(KxdataLibraryTest, BeforeInitNothingAnswers)
{
    // A fresh process, whatever the tests before did to the library.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            KxClient kx;
            const KxReply indiv = kx.Call(KxIndiv, 1);
            const KxReply open = kx.Open("anything");
            std::exit(indiv.code == 0 && indiv.out.empty() && open.code == -5 ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

TEST(KxdataLibraryTest, InitSizeAndOpenFailures)
{
    KxClient kx;

    const KxReply invalid = kx.Call(KxInit, 0);
    EXPECT_NE(invalid.code, 0);
    EXPECT_EQ(invalid.msg, "Invalid buffer size of 0 . Use different buffer size.");
    EXPECT_EQ(kx.Open("anything"), (KxReply{-5, "", "Error - Buffer size not set"}));
    EXPECT_EQ(kx.Call(KxInit, 102400), (KxReply{0, "", "Buffer size is set to 102400 bytes"}));

    const std::string project = kxdata_test::WriteFamilyProject("broken");
    std::filesystem::remove("broken/SMITH__W.DBF");
    EXPECT_EQ(kx.Open(project), (KxReply{-1, "", "Could not open broken/SMITH__W.DBF"}));
    EXPECT_EQ(kx.Call(KxIndiv, 0), kEnd) << "the project is closed";
    EXPECT_FALSE(std::filesystem::exists("KXOPEN.BZY"));

    kxdata_test::WriteFamilyProject("broken");
    std::string table = quorrel_test::ReadFile("broken/SMITH__G.DBF");
    table[32 * 17] = 'x';  // the byte after the descriptors
    quorrel_test::WriteFile("broken/SMITH__G.DBF", table);
    EXPECT_EQ(kx.Open(project), (KxReply{-2, "", "Not DBF file: broken/SMITH__G.DBF"}));
    EXPECT_EQ(kx.Call(KxIndiv, 1), kEnd);

    // Names written on Windows still find the files.
    EXPECT_EQ(kx.Open("copied\\smith").code, -1);
    kxdata_test::WriteFamilyProject("copied");
    EXPECT_EQ(kx.Open("copied\\smith.znt"), Ok(""));
    EXPECT_TRUE(std::filesystem::exists("KXOPEN.BZY"));
    EXPECT_EQ(kx.Call(KxIndiv, 0), Ok("4|"));
    EXPECT_EQ(kx.Close(), Ok(""));
    EXPECT_FALSE(std::filesystem::exists("KXOPEN.BZY"));
}

// A project file that is a FIFO would block the open until someone writes to it.
TEST(KxdataLibraryTest, ProjectFilesThatAreNoRegularFilesCannotBeOpened)
{
    KxClient kx;
    kx.Call(KxInit, 102400);
    for (const char* name : {"SMITH__$.DBF", "SMITH__N.FPT"}) {
        const std::string project = kxdata_test::WriteFamilyProject("fifo");
        const std::string path = std::string("fifo/") + name;
        std::filesystem::remove(path);
        ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
        EXPECT_EQ(kx.Open(project), (KxReply{-1, "", "Could not open " + path})) << name;
        std::filesystem::remove(path);
    }
}

TEST_F(ExportsTest, PersonRecords)
{
    const struct {
        int number;
        KxReply reply;
    } cases[] = {
        {0, Ok("4|")},
        {1, Ok("1|R-1|M|1850/06/15||2||3|2|Doe|3|A|D|20240101|")},
        {2, Ok("2||M|?>Circa:1820/00/00(Old)||0||0|||||||")},
        {3, Ok("3||F|>Irreg:abt. 1825|>Between:1890/01/02-1891/00/00|0||0|||||||")},
        {4, Ok("4||F|||2|1|3|3||||||")},
        {99, {2, "", "ID Number Not In Database."}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kx.Call(KxIndiv, c.number), c.reply) << c.number;
}

TEST_F(ExportsTest, FlagNamesAndValuesPairUp)
{
    kx.Call(KxIndiv, 1);
    EXPECT_EQ(kx.Call(KxFlags, 1), Ok("SEX|LIVING|BIRTHORDER|MULTIBIRTH|ADOPTED|ANCE_INT|DESC_INT|MYFLAG|FLAG!-X|"));
    EXPECT_EQ(kx.Call(KxFlags, 0), Ok("M|N|3|||A|D|X|ab|"));
    kx.Call(KxIndiv, 0);  // the count does not change the current person
    EXPECT_EQ(kx.Call(KxFlags, 0), Ok("M|N|3|||A|D|X|ab|"));

    kxdata_test::WriteFamilyProject("plain", false);
    ASSERT_EQ(kx.Open("plain/SMITH").code, 0);
    EXPECT_EQ(kx.Call(KxFlags, 1), Ok("SEX|LIVING|BIRTHORDER|MULTIBIRTH|ADOPTED|ANCE_INT|DESC_INT|"));
}

TEST(KxdataLibraryTest, MissingFieldsReadEmpty)
{
    // Without DESC_INT a table has no further flag fields, even when others follow.
    ProjectWriter w;
    w.RemoveField('$', "SPOULAST");
    w.RemoveField('$', "DESC_INT");
    w.AddField('$', "MYFLAG", 'C', 1);
    w.RemoveField('N', "NPER");
    w.AddPerson({.number = 5, .sex = "F", .more = {{"MYFLAG", "Y"}}});
    w.AddName({.parts = {"Nobody"}});
    std::filesystem::create_directories("missing");
    w.Write("missing/P");
    KxClient kx;
    kx.Call(KxInit, 102400);
    ASSERT_EQ(kx.Open("missing/P"), Ok(""));
    EXPECT_EQ(kx.Call(KxIndiv, 5), Ok("5||F|||0||0|||||||"));
    EXPECT_EQ(kx.Call(KxFlags, 1), Ok("SEX|LIVING|BIRTHORDER|MULTIBIRTH|ADOPTED|ANCE_INT|DESC_INT|"));
    EXPECT_EQ(kx.Call(KxFlags, 0), Ok("F|||||||"));
    EXPECT_EQ(kx.Call(KxName, 1), kEnd) << "a key column the table lacks holds 0 for every record";
    kx.Call(KxIndiv, 0);
    EXPECT_EQ(kx.Call(KxIndiv, -3), Ok("1|"));
    kx.Close();
}

TEST_F(ExportsTest, NameListEndsForGood)
{
    kx.Call(KxIndiv, 1);
    EXPECT_THAT(kx.List(KxName, 1),
                ElementsAre("Smith~John~Jr|3|0||||T|a/b/c||1850||x|", "Smyth~Jon|1|||||F||||||"));
    EXPECT_EQ(kx.Call(KxName, 0), kEnd);
    kx.Call(KxIndiv, 2);
    EXPECT_EQ(kx.Call(KxName, 1), kEnd);
    EXPECT_EQ(kx.Call(KxName, 0), kEnd);
}

TEST_F(ExportsTest, RelativeListStartsOverAfterItsEnd)
{
    kx.Call(KxIndiv, 4);
    EXPECT_EQ(kx.Call(KxRelative, 1), Ok("2||T|1|||"));
    EXPECT_EQ(kx.Call(KxRelative, 0), Ok("3||F|3|||"));
    EXPECT_EQ(kx.Call(KxRelative, 0), kEnd);
    EXPECT_EQ(kx.Call(KxRelative, 0), Ok("2||T|1|||"));
    EXPECT_EQ(kx.Call(KxRelative, 7), Ok("2||T|1|||")) << "another value restarts the list chosen last";

    kx.Call(KxIndiv, 3);
    EXPECT_THAT(kx.List(KxRelative, 2), ElementsAre("1|B|T|2|n/1||", "4||F|3|||"));
    kx.Call(KxIndiv, 1);
    EXPECT_THAT(kx.List(KxRelative, 1), ElementsAre("3|B|T|2|n/1||"));
}

TEST_F(ExportsTest, EventsParticipantsTagsAndPlaces)
{
    const std::string event1 = "1|1|3||0|||1850/06/15||10||foot/note||[P] was born|1|1850/06/15|";
    const std::string event2 = "3|2|||3|||>Between:1845/05/00-1846/00/00||11|||||2~3~1||";
    const struct {
        int number;
        KxReply reply;
    } events[] = {
        {1, Ok(event1)},
        {2, Ok(event2)},
        {3, Ok("1|3|||0|||>Irreg:abt. 1825||0|||||||")},
        {4, kEnd},  // its RECNO is 99
        {99, {1, "", "Attempt to read past end of data."}},
        {-1, kEnd},
    };
    for (const auto& c : events)
        EXPECT_EQ(kx.Call(KxEventDirect, c.number), c.reply) << c.number;

    kx.Call(KxIndiv, 1);
    EXPECT_THAT(kx.List(KxWitness, 1), ElementsAre("T|1|", "F|2|"));
    EXPECT_EQ(kx.Call(KxWitness, 0), kEnd);
    EXPECT_THAT(kx.List(KxEvent, 1), ElementsAre(event1));
    EXPECT_EQ(kx.Call(KxEvent, 0), kEnd);
    kx.Call(KxIndiv, 3);
    EXPECT_THAT(kx.List(KxEvent, 2), ElementsAre(event2));
    EXPECT_THAT(kx.List(KxEvent, 1), ElementsAre("1|3|||0|||>Irreg:abt. 1825||0|||||||"));

    EXPECT_EQ(kx.Call(KxTagType, 1), Ok("4|Birth|B|"));
    EXPECT_EQ(kx.Call(KxTagType, 3), Ok("6|Marriage|M|"));
    EXPECT_EQ(kx.Call(KxTagType, 2), kEnd);

    const struct {
        int number;
        KxReply reply;
    } places[] = {
        {10, Ok("~Main St~Springfield~Greene~Ohio~USA~~~|")},
        {11, Ok("Line one~Line two~Town|")},
        {12, Ok("A/b/c~~|")},
        {13, kEnd},
        {-1, kEnd},
    };
    for (const auto& c : places)
        EXPECT_EQ(kx.Call(KxPlaces, c.number), c.reply) << c.number;
}

TEST_F(ExportsTest, SourceUnderAllFourNames)
{
    const KxReply source = Ok("|7|Census||1850~census/x|||||||body||||||||");
    EXPECT_EQ(kx.Call(KxSource, 7), source);
    EXPECT_EQ(kx.Call(KxCitation, 7), source);
    EXPECT_EQ(kx.Call(KxRepLink, 7), source);
    EXPECT_EQ(kx.Call(KxRepository, 7), source);
    EXPECT_EQ(kx.Call(KxSource, 8), kEnd);
}

TEST_F(ExportsTest, ReplyOverflowKeepsTheCutReply)
{
    kx.Call(KxInit, 10);
    const KxReply reply = kx.Call(KxIndiv, 1);
    EXPECT_EQ(reply.code, 10);
    EXPECT_EQ(reply.out, "1|R-1|M|1");
    EXPECT_EQ(reply.msg, "Buffer overflow - Increase buffer size");
    EXPECT_EQ(kx.RawOut()[9], '\0');
    EXPECT_EQ(kx.RawOut()[10], '\x7F') << "nothing is written past the size";
    kx.Call(KxInit, 102400);
    EXPECT_EQ(kx.Call(KxIndiv, 1).code, 0) << "the project stays open";
}

std::string FieldOf(const std::string& reply, int field)
{
    std::string rest = reply;
    for (int f = 1; f < field; ++f)
        rest = rest.substr(rest.find('|') + 1);
    return rest.substr(0, rest.find('|'));
}

std::string DirectoryOf(const std::string& path)
{
    return std::filesystem::path(path).parent_path().string() + "/";
}

TEST_F(ExportsTest, ExhibitsAreExtractedWithCountersThatNeverReset)
{
    kx.Call(KxIndiv, 1);
    const KxReply primary = kx.Call(KxPrimExhibit);
    ASSERT_EQ(primary.code, 0);
    const std::string image = FieldOf(primary.out, 2);
    // One private directory under the temporary directory, for the whole process.
    const std::string dir = DirectoryOf(image);
    EXPECT_EQ(DirectoryOf(dir.substr(0, dir.size() - 1)), m_strTemp);
    EXPECT_EQ(primary, Ok("Portrait|" + image + "|T|"));
    EXPECT_EQ(std::filesystem::path(image).extension(), ".JPG");
    EXPECT_EQ(quorrel_test::ReadFile(image), kxdata_test::PortraitBytes());

    const std::vector<std::string> exhibits = kx.List(KxExhibit, 1);
    EXPECT_EQ(kx.Call(KxExhibit, 0), kEnd);
    ASSERT_EQ(exhibits.size(), 4u);
    EXPECT_EQ(exhibits[0], "Sketch|C:\\pics\\a~b.bmp|F|");
    EXPECT_EQ(exhibits[1], "Letter|" + FieldOf(exhibits[1], 2) + "|F|");
    EXPECT_EQ(exhibits[2], "Object|obj.ole|F|");
    EXPECT_EQ(exhibits[3], "Voice|" + FieldOf(exhibits[3], 2) + "|F|");
    EXPECT_EQ(DirectoryOf(FieldOf(exhibits[1], 2)), dir);
    EXPECT_EQ(std::filesystem::path(FieldOf(exhibits[1], 2)).filename().string().substr(0, 1), "T");
    EXPECT_EQ(std::filesystem::path(FieldOf(exhibits[3], 2)).extension(), ".WAV");
    EXPECT_EQ(quorrel_test::ReadFile(FieldOf(exhibits[1], 2)), "Dear sir");

    // A new project does not reset the counters: the next picture gets the next number.
    kx.Close();
    ASSERT_EQ(kx.Open(m_strProject).code, 0);
    kx.Call(KxIndiv, 1);
    const std::string next = FieldOf(kx.Call(KxPrimExhibit).out, 2);
    const int number = std::stoi(std::filesystem::path(image).stem().string().substr(1));
    EXPECT_EQ(next, dir + "G" + std::to_string(number + 1) + ".JPG");
    EXPECT_EQ(quorrel_test::ReadFile(next), kxdata_test::PortraitBytes());

    kx.Call(KxIndiv, 2);
    EXPECT_EQ(kx.Call(KxPrimExhibit), (KxReply{11, "", "No promary exhibit"}));
    EXPECT_EQ(kx.Call(KxExhibit, 1), kEnd);
}

// Names another user holds in a shared temporary directory (an unreadable file,
// a dangling link) are never named in a reply: every path is a file we wrote.
TEST_F(ExportsTest, ExtractedFilesAreOnlyEverOurOwn)
{
    std::filesystem::create_symlink(m_strTemp + "elsewhere", m_strTemp + "G0.JPG");
    quorrel_test::WriteFile(m_strTemp + "T0.TXT", "someone else's");
    std::filesystem::permissions(m_strTemp + "T0.TXT", std::filesystem::perms::none);
    kx.Call(KxIndiv, 1);
    const KxReply primary = kx.Call(KxPrimExhibit);
    ASSERT_EQ(primary.code, 0);
    const std::string image = FieldOf(primary.out, 2);
    EXPECT_NE(DirectoryOf(image), m_strTemp);
    EXPECT_EQ(quorrel_test::ReadFile(image), kxdata_test::PortraitBytes());
    EXPECT_FALSE(std::filesystem::exists(m_strTemp + "elsewhere"));
    const std::vector<std::string> exhibits = kx.List(KxExhibit, 1);
    ASSERT_EQ(exhibits.size(), 4u);
    EXPECT_EQ(DirectoryOf(FieldOf(exhibits[1], 2)), DirectoryOf(image));
    EXPECT_EQ(quorrel_test::ReadFile(FieldOf(exhibits[1], 2)), "Dear sir");
    std::filesystem::remove(m_strTemp + "G0.JPG");
    std::filesystem::remove(m_strTemp + "T0.TXT");
}

}  // namespace
