#include "data/DatabaseOptions.h"
#include "platform/CommandFile.h"
#include "tests/support/TestEnvironment.h"

#include <fstream>

#include <gtest/gtest.h>

namespace {

DatabaseOptions Load(const std::string& lines)
{
    const std::string path = (quorrel_test::TestDirectory() / "options.qrc").string();
    std::ofstream(path) << "[database]\n" << lines;
    DatabaseOptions options;
    options.Load(CommandFile(path));
    return options;
}

TEST(DatabaseOptionsTest, SuretyThresholdIsNormalisedByItsFirstCharacter)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "-0123"}, {"3", "3"}, {"2", "23"}, {"1", "123"}, {"0", "0123"},
        {"-", "-0123"}, {"2x", "23"}, {"x1", "x1"},
    };
    for (const auto& [threshold, expected] : cases)
        EXPECT_EQ(DatabaseOptions::NormaliseSuretyThreshold(threshold), expected) << threshold;
}

TEST(DatabaseOptionsTest, SuretyAcceptance)
{
    struct Case {
        const char* lines;
        const char* surety;
        bool accepted;
    };
    const Case cases[] = {
        {"", "-", true}, {"", "0", true}, {"", "3", true}, {"", "", false}, {"", "4", false},
        {"BlankSurety=TRUE\n", "", true},
        {"SuretyThresHold=2\n", "1", false}, {"SuretyThresHold=2\n", "2", true}, {"SuretyThresHold=2\n", "3", true},
        {"SuretyThresHold=2\nBlankSurety=TRUE\n", " ", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Load(c.lines).IsSuretyAccepted(c.surety), c.accepted) << c.lines << " [" << c.surety << "]";
}

TEST(DatabaseOptionsTest, DefaultsOfAMissingSection)
{
    const DatabaseOptions options = Load("");
    EXPECT_EQ(options.m_sUnknownPhrase, "Unknown");
    EXPECT_EQ(options.m_sSuretyThreshold, "-0123");
    EXPECT_EQ(options.m_nDateFormat, 0);
    EXPECT_TRUE(options.m_listS.empty());
    EXPECT_TRUE(options.m_listD.empty());
    EXPECT_FALSE(options.m_bUseAccentColors);
    EXPECT_EQ(Load("UnknownPhrase=\n").m_sUnknownPhrase, "Unknown");
    EXPECT_EQ(Load("UnknownPhrase=N.N.\n").m_sUnknownPhrase, "N.N.");
}

TEST(DatabaseOptionsTest, DetailListsStopAtTheFirstEmptyKey)
{
    const DatabaseOptions options = Load("LB1=4 0 b\nLB2=5 23 D\nLB3=4\nLB5=6 0 B\n"
                                         "LS1=4 0 B\n"
                                         "LD1=First line\nLD2=second\nLD4=not read\n"
                                         "WordCirca=abt.\nWordCirca1=c.\nm_sWordExact2=ex\nMonth12=Dec\n");
    ASSERT_EQ(options.m_listB.size(), 3U);
    EXPECT_EQ(options.m_listB[0].m_nGroup, 4);
    EXPECT_EQ(options.m_listB[0].m_nType, 0);
    EXPECT_EQ(options.m_listB[0].m_cLetter, 'B');
    EXPECT_EQ(options.m_listB[1].m_nGroup, 5);
    EXPECT_EQ(options.m_listB[1].m_nType, 23);
    EXPECT_EQ(options.m_listB[1].m_cLetter, 'D');
    EXPECT_EQ(options.m_listB[2].m_nType, 4);
    EXPECT_EQ(options.m_listB[2].m_cLetter, '4');
    EXPECT_EQ(options.m_listS.size(), 1U);
    EXPECT_TRUE(options.m_listM.empty());
    EXPECT_EQ(options.m_listD, (std::vector<std::string>{"First line", "second"}));
    EXPECT_EQ(options.m_sWords[0][DatabaseOptions::Circa], "abt.");
    EXPECT_EQ(options.m_sWords[1][DatabaseOptions::Circa], "c.");
    EXPECT_EQ(options.m_sWords[2][DatabaseOptions::Exact], "ex");
    EXPECT_EQ(options.m_sMonths[11], "Dec");
}

TEST(DatabaseOptionsTest, ListsHoldAtMostTenEntriesAndElevenFreeLines)
{
    std::string lines;
    for (int i = 1; i <= 12; ++i)
        lines += "LP" + std::to_string(i) + "=4 0 P\nLD" + std::to_string(i) + "=line\n";
    const DatabaseOptions options = Load(lines);
    EXPECT_EQ(options.m_listP.size(), 10U);
    EXPECT_EQ(options.m_listD.size(), 11U);
}

TEST(DatabaseOptionsTest, AccentRulesAreReadOnlyWhenUsed)
{
    const std::string rules = "AcTextD=1 2 3\nAcFillC=9 9 9\nAcFlag1=sex\nAcValu1=f\nACShad1=4 5 6\n"
                              "AcFlag2=LIVING\nAcValu2=Y\nAcFlag4=ADOPTED\n";
    EXPECT_TRUE(Load(rules).m_accentRules.empty());

    const DatabaseOptions used = Load(rules + "UseAccentColors=TRUE\n");
    EXPECT_EQ(used.m_accentDefault.m_crText, RGB(1, 2, 3));
    EXPECT_EQ(used.m_accentDefault.m_crFill, RGB(200, 200, 255));
    EXPECT_EQ(used.m_accentConflict.m_crFill, 0U);  // read only with UseAccentConflict
    ASSERT_EQ(used.m_accentRules.size(), 2U);
    EXPECT_EQ(used.m_accentRules[0].m_sFlag, "SEX");
    EXPECT_EQ(used.m_accentRules[0].m_sValue, "F");
    EXPECT_EQ(used.m_accentRules[0].m_crShadow, RGB(4, 5, 6));

    EXPECT_EQ(Load(rules + "UseAccentColors=TRUE\nUseAccentConflict=TRUE\n").m_accentConflict.m_crFill, RGB(9, 9, 9));
}

}  // namespace
