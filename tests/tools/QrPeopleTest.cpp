#include "tests/data/FamilyProject.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/TestFiles.h"

#include <array>
#include <cstdio>

#include <gtest/gtest.h>

namespace {

struct PeopleRun {
    std::string out;
    std::string err;
    int status = -1;
};

PeopleRun ShowPeople(const std::string& commandFile, const std::string& persons)
{
    const std::string errPath = (quorrel_test::TestDirectory() / "qrpeople.err").string();
    const std::string command = std::string(QRPEOPLE_PATH) + " " + commandFile + " " + persons + " 2>" + errPath;
    PeopleRun run;
    FILE* pipe = popen(command.c_str(), "r");
    std::array<char, 4096> buffer{};
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        run.out.append(buffer.data(), n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = quorrel_test::ReadFile(errPath);
    return run;
}

TEST(QrPeopleTest, PrintsTheBlockOfEachPerson)
{
    const std::string file = family::CommandFileWith(
        "ZNTidentifier=1\nDateFormat=8\nMonth1=January\nMonth5=May\nMonth6=June\nWordCirca=abt.\nWordCirca1=c\n"
        "LS1=4 0 B\nLS2=5 0 D\nPlacePreposition=at\nShowPlaceCity=TRUE\n"
        "LB1=4 0 D\nLP1=6 0 P\nLM1=6 0 D\nLM2=5 0 D\nLD1=Notes:\n"
        "UseAccentColors=TRUE\nAcFillD=1 2 3\nAcFlag1=SEX\nAcValu1=F\nAcText1=255 0 0\nAcFill1=0 255 0\n"
        "ACShad1=0 0 255\nACLine1=16 32 48\n");
    const PeopleRun run = ShowPeople(file, "3 4");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "person: 3\n"
              "name: Anne Smith (3)\n"
              "name/15: Anne Smith (3)\n"
              "name/30: Anne Smith (3)\n"
              "name/20: Anne Smith (3)\n"
              "name/12: A. Smith (3)\n"
              "name/8: A. Smith\n"
              "name/5: A. Smith\n"
              "sortkey: 021850/06/15\n"
              "lifespan: (15\xA0June\xA0" "1850 - 1\xA0January\xA0" "1900)\n"
              "lifespan/13: (1850 - 1900)\n"
              "lifespan/30: (June\xA0" "1850 - January\xA0" "1900)\n"
              "lifespan/20: (1850 - 1900)\n"
              "lifespan/11: (1850 - 1900)\n"
              "lines/S: 2\n"
              "lines/S/1: b. 15\xA0June\xA0" "1850 at London\n"
              "lines/S/2: d. 1\xA0January\xA0" "1900 \n"
              "lines/B: 1\n"
              "lines/B/1: b. 15\xA0June\xA0" "1850 \n"
              "lines/P: 1\n"
              "lines/P/1: at Paris\n"
              "lines/D: 1\n"
              "lines/D/1: Notes:\n"
              "lines/M: 2\n"
              "lines/M/1: m. 1\xA0May\xA0" "1870 \n"
              "lines/M/2: d. 1\xA0January\xA0" "1900 \n"
              "siblings: 18 4\n"
              "spouses: 9 10\n"
              "children: 7 19\n"
              "accent: text=000000FF fill=0000FF00 shadow=00FF0000 line=00302010\n"
              "\n"
              "person: 4\n"
              "name: Beth Smith (4)\n"
              "name/15: Beth Smith (4)\n"
              "name/30: Beth Smith (4)\n"
              "name/20: Beth Smith (4)\n"
              "name/12: B. Smith (4)\n"
              "name/8: B. Smith\n"
              "name/5: B. Smith\n"
              "sortkey: 031850/00/00>Circa:\n"
              "lifespan: (abt.\xA0" "1848 - )\n"
              "lifespan/13: (c 1848 - )\n"
              "lifespan/30: (abt.\xA0" "1848 - )\n"
              "lifespan/20: (abt.\xA0" "1848 - )\n"
              "lifespan/11: (c 1848 - )\n"
              "lines/S: 2\n"
              "lines/S/1: b. abt.\xA0" "1848 at \n"
              "lines/S/2: \n"
              "lines/B: 1\n"
              "lines/B/1: b. abt.\xA0" "1848 \n"
              "lines/P: 1\n"
              "lines/P/1: \n"
              "lines/D: 1\n"
              "lines/D/1: Notes:\n"
              "lines/M: 2\n"
              "lines/M/1: \n"
              "lines/M/2: \n"
              "siblings: 18 3\n"
              "spouses: \n"
              "children: \n"
              "accent: text=000000FF fill=0000FF00 shadow=00FF0000 line=00302010\n"
              "\n");
}

TEST(QrPeopleTest, LibraryFailuresGoToStandardErrorAndSetTheStatus)
{
    const PeopleRun run = ShowPeople(family::CommandFileWith(""), "99");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Error Reading Individual 99 Error Number = 2  Error Message = ID Number Not In Database. \n");
    EXPECT_TRUE(run.out.starts_with("person: 99\nname:  \n")) << run.out;
}

}  // namespace
