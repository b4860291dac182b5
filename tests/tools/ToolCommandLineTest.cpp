#include "tests/support/TestEnvironment.h"
#include "tests/support/TestFiles.h"

#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs in a directory of its own, so that anything the tool writes shows.
ToolRun RunTool(const std::string& tool, const std::string& arguments, const std::filesystem::path& directory)
{
    std::filesystem::create_directories(directory);
    const std::string command = "cd '" + directory.string() + "' && " + tool + " " + arguments + " >out.txt 2>err.txt";
    const int raw = std::system(command.c_str());
    ToolRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = quorrel_test::ReadFile((directory / "out.txt").string());
    run.err = quorrel_test::ReadFile((directory / "err.txt").string());
    std::filesystem::remove(directory / "out.txt");
    std::filesystem::remove(directory / "err.txt");
    return run;
}

TEST(ToolCommandLineTest, EveryToolAnswersHelpAndVersionAndRefusesUnknownOptions)
{
    struct Case {
        const char* tool;
        const char* arguments;
        int status;
        const char* out;  // what standard output starts with
        bool err;         // something on standard error
    };
    const Case cases[] = {
        {PROJECTWRITER_PATH, "--help", 0, "usage: projectwriter ", false},
        {PROJECTWRITER_PATH, "--version", 0, "projectwriter (Quorrel) ", false},
        {PROJECTWRITER_PATH, "--bogus", 2, "", true},
        {PROJECTWRITER_PATH, "tree --help", 0, "usage: projectwriter ", false},
        {PROJECTWRITER_PATH, "tree 10 --persons", 2, "", true},
        {PROJECTWRITER_PATH, "tree ten", 2, "", true},
        {PROJECTWRITER_PATH, "tree 10 20", 2, "", true},
        {PROJECTWRITER_PATH, "", 2, "", true},
        {QRPEOPLE_PATH, "--help", 0, "usage: qrpeople ", false},
        {QRPEOPLE_PATH, "--version", 0, "qrpeople (Quorrel) ", false},
        {QRPEOPLE_PATH, "-v tree.qrc 1", 2, "", true},
        {QRPEOPLE_PATH, "tree.qrc x1", 2, "", true},
        {QRPEOPLE_PATH, "tree.qrc", 2, "", true},
    };
    int n = 0;
    for (const Case& c : cases) {
        const auto directory = quorrel_test::TestDirectory() / ("run" + std::to_string(n++));
        const ToolRun run = RunTool(c.tool, c.arguments, directory);
        const std::string what = std::string(c.tool) + " " + c.arguments;
        EXPECT_EQ(run.status, c.status) << what;
        EXPECT_TRUE(run.out.starts_with(c.out)) << what << ": " << run.out;
        EXPECT_EQ(!run.err.empty(), c.err) << what << ": " << run.err;
        // An option is never taken for a path: nothing is written.
        EXPECT_TRUE(std::filesystem::is_empty(directory)) << what;
    }
}

TEST(ToolCommandLineTest, QrPeopleHelpNamesTheDatabaseKeys)
{
    const ToolRun run = RunTool(QRPEOPLE_PATH, "--help", quorrel_test::TestDirectory() / "help");
    for (const char* key : {"file", "DateFormat", "SuretyThresHold", "m_sWordExact", "LS1", "ACShad1", "UseAccentColors"})
        EXPECT_NE(run.out.find(key), std::string::npos) << key;
}

TEST(ToolCommandLineTest, ProjectWriterTakesADashedNumberAfterTheOptionsEnd)
{
    const auto directory = quorrel_test::TestDirectory() / "dashed";
    const ToolRun run = RunTool(PROJECTWRITER_PATH, "-- -tree 3", directory);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_FALSE(std::filesystem::is_empty(directory));
}

}  // namespace
