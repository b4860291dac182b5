// Runs the built program as a script would, without a display.
#include "chartparts/CQuorrelDoc.h"
#include "tests/charts/PedigreeProject.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/wait.h>

#include <cstdlib>
#include <string>

namespace {

using quorrel_test::ReadFile;
using quorrel_test::WriteCommandFile;

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

// The program with the given arguments and no display at all; extraEnvironment goes before it.
Result RunQuorrel(const std::string& arguments, const std::string& extraEnvironment = "")
{
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + extraEnvironment
        + " timeout 60 " + QUORREL_BINARY + " " + arguments + " >stdout.txt 2>stderr.txt";
    const int raw = std::system(command.c_str());
    Result result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = ReadFile("stdout.txt");
    result.err = ReadFile("stderr.txt");
    return result;
}

TEST(QuorrelProgramTest, BatchRunNeedsNoDisplayAndSaysNothingUnlessAsked)
{
    // A chart of two generations from a real project: nothing to report.
    WriteCommandFile("tree.qrc", "HideWindows=TRUE\r\nTYPE=Ancestor\r\nOUTPUT=out/tree\r\n[database]\r\nfile=" +
                                     pedigree::ProjectPath() + "\r\nstartperson=15\r\n[Ancestor]\r\ngenerations=2\r\n");
    const Result quiet = RunQuorrel("tree.qrc");
    EXPECT_EQ(quiet.status, 0);
    EXPECT_EQ(quiet.err, "");
    EXPECT_EQ(quiet.out, "");

    const Result verbose = RunQuorrel("--verbose tree.qrc");
    EXPECT_EQ(verbose.status, 0);
    EXPECT_EQ(verbose.err,
        "Please Wait....\nStarting Chart\nPlease Wait....\nStarting Ancestor Chart\nOpening Database\n"
        "Counting People\nSorting the list\nBuilding the boxes\nArranging the boxes\nDrawing the boxes\n"
        "Connecting the generations together\nCleaning up the paperwork....\nSizing the chart...\n"
        "Sizing Chart\nSetting the title\nBuilding Researcher Box\nSetting Background\nOutputting Files as Requested\n"
        "Please Wait....\n");
}

TEST(QuorrelProgramTest, BatchRunWritesTheChartFileAndFailsWhenItCannot)
{
    std::filesystem::create_directory("out");
    WriteCommandFile("tree.qrc", "HideWindows=TRUE\r\nTYPE=Ancestor\r\nOUTPUT=out/tree\r\nOutPutQRD=TRUE\r\n[database]\r\nfile="
                                     + pedigree::ProjectPath() + "\r\nstartperson=15\r\n[Ancestor]\r\ngenerations=2\r\n");
    const Result written = RunQuorrel("tree.qrc");
    EXPECT_EQ(written.status, 0) << written.err;
    CQuorrelDoc doc;
    std::string error;
    ASSERT_TRUE(doc.OnOpenDocument("out/tree.QRD", error)) << error;
    EXPECT_EQ(doc.GetModel().GetType(), "out/tree.QRD");
    EXPECT_GE(doc.GetModel().GetChildCount(), 3) << "the child and both parents";

    // A failed output file is a failed run, not a silent success.
    WriteCommandFile("lost.qrc", "HideWindows=TRUE\r\nOUTPUT=missing/tree\r\nOutPutQRD=TRUE\r\n");
    const Result failed = RunQuorrel("lost.qrc");
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("Unable to create the output file missing/tree.QRD"), std::string::npos)
        << failed.err;
}

TEST(QuorrelProgramTest, TypeThatNamesNoChartFailsButAnEmptyOneOnlyDecorates)
{
    const std::string start = "Please Wait....\nStarting Chart\n";
    const std::string decorations = "Sizing Chart\nSetting the title\nBuilding Researcher Box\nSetting Background\n";
    const struct {
        const char* type;
        int status;
        const char* warning;  // empty: a quiet run
    } cases[] = {
        {"TYPE=Pedigree\r\n", 1,
            "TYPE PEDIGREE names no chart type (FANCHART, ANCESTOR, HOURGLASS or DESCENDANT): no chart is built\n"},
        {"TYPE=\r\n", 0, ""},
        {"", 0, ""},
    };
    for (const auto& c : cases) {
        WriteCommandFile("ODD.INI", std::string("hidewindows = true\r\n") + c.type);
        const Result result = RunQuorrel("--verbose ODD.INI");
        EXPECT_EQ(result.status, c.status) << c.type;
        EXPECT_EQ(result.err, start + c.warning + decorations) << c.type;
    }
}

TEST(QuorrelProgramTest, CommandFileThatCannotBeReadFailsAndRunsNothing)
{
    std::filesystem::create_directory("folder.qrc");
    for (const std::string path : {"missing.qrc", "folder.qrc"}) {
        const Result result = RunQuorrel("--verbose " + path);
        EXPECT_EQ(result.status, 1) << path;
        // With --verbose any step of a run would show on standard error.
        EXPECT_EQ(result.err, "Cannot open the command file " + path + "\n");
    }
}

TEST(QuorrelProgramTest, ReportedErrorGivesExitStatusOne)
{
    // A chart file that cannot be opened ends the start: the message goes to standard error on the offscreen platform.
    const Result result = RunQuorrel("chart.qrd", "QT_QPA_PLATFORM=offscreen");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("chart.qrd: the file cannot be opened\n"), std::string::npos) << result.err;
}

TEST(QuorrelProgramTest, WindowsNeedADisplay)
{
    WriteCommandFile("shown.qrc", "HideWindows=FALSE\r\n");
    const Result result = RunQuorrel("shown.qrc");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("no display"), std::string::npos) << result.err;
}

TEST(QuorrelProgramTest, HelpVersionAndBadArguments)
{
    const Result help = RunQuorrel("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: quorrel", 0), 0u) << help.out;

    const Result version = RunQuorrel("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("Quorrel ", 0), 0u) << version.out;

    const Result bad = RunQuorrel("--colour");
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("unknown option --colour"), std::string::npos) << bad.err;
}

}  // namespace
