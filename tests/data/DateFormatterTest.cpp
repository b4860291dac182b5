#include "data/DatabaseOptions.h"
#include "data/DateFormatter.h"

#include <gtest/gtest.h>

namespace {

struct DateCase {
    int layout;
    bool blanks;
    const char* date;
    const char* expected;
};

DatabaseOptions DateOptions()
{
    DatabaseOptions options;
    options.m_sMonths[0] = "January";
    options.m_sMonths[5] = "June";
    auto& words = options.m_sWords[0];
    words[DatabaseOptions::Before] = "bef.";
    words[DatabaseOptions::Say] = "say";
    words[DatabaseOptions::Circa] = "abt.";
    words[DatabaseOptions::Exact] = "exactly";
    words[DatabaseOptions::After] = "aft.";
    words[DatabaseOptions::Between] = "bet.";
    words[DatabaseOptions::And] = "and";
    words[DatabaseOptions::Either] = "either";
    words[DatabaseOptions::Or] = "or";
    words[DatabaseOptions::From] = "from";
    words[DatabaseOptions::To] = "to";
    return options;
}

TEST(DateFormatterTest, EveryLayoutWithKnownAndMissingParts)
{
    const DateCase cases[] = {
        {1, false, "1850/06/15", "6/15/1850"},
        {2, false, "1850/06/15", "1850.6.15"},
        {3, false, "1850/06/15", "15/6/1850"},
        {4, false, "1850/06/15", "15.6.1850"},
        {5, false, "1850/06/15", "15-6-1850"},
        {6, false, "1850/06/15", "June\xA0" "15,\xA0" "1850"},
        {7, false, "1850/00/00", "1850"},
        {8, false, "1850/06/15", "15\xA0June\xA0" "1850"},
        {8, false, "1850/06/00", "\xA0June\xA0" "1850"},
        {8, true, "1850/06/00", "__\xA0June\xA0" "1850"},
        {8, true, "0000/06/15", "15\xA0June\xA0____"},
        {9, false, "1850/06/15", "15\xA0JUNE\xA0" "1850"},
        {0, false, "1850/06/15", "15\xA0" "6\xA0" "1850"},
        {10, false, "1850/06/15", "15\xA0" "6\xA0" "1850"},
        {20, false, "1850/06/15", "15\xA0" "6\xA0" "1850"},
        {99, false, "1850/06/15", "15\xA0" "6\xA0" "1850"},
        {3, true, "1850/00/00", "__/__/1850"},
        {11, false, "1850/06/15", "6/1850"},
        {12, false, "1850/06/15", "1850.6"},
        {13, false, "1850/06/15", "6/1850"},
        {14, false, "1850/06/15", "6.1850"},
        {15, false, "1850/06/15", "6-1850"},
        {16, false, "1850/06/15", "June\xA0" "1850"},
        {16, false, "1850/00/15", "1850"},
        {16, true, "1850/00/15", "_____\xA0" "1850"},
        {17, false, "1850/01/15", "JANUARY\xA0" "1850"},
        {18, false, "1850/00/15", "\xA0" "1850"},
        {19, false, "1850/06/15", "JUNE\xA0" "1850"},
        {23, false, "1850/06/15(Old)", "1850"},
        {29, true, "0000/06/15", "____"},
        {8, false, "1850/13/01", "1\xA0" "1850"},  // no month name beyond 12
    };
    for (const DateCase& c : cases) {
        DatabaseOptions options = DateOptions();
        options.m_nDateFormat = c.layout;
        options.m_bAddBlanksForMissing = c.blanks;
        EXPECT_EQ(DateFormatter(options).FormatDate(c.date), c.expected) << c.layout << " " << c.date;
    }
}

TEST(DateFormatterTest, DatePartKeepsItsLeadingNbspAndIgnoresWhatFollowsTheDay)
{
    DatabaseOptions options = DateOptions();
    options.m_nDateFormat = 0;
    const DateFormatter dates(options);
    EXPECT_EQ(dates.FormatDatePart("1850/00/00"), "\xA0\xA0" "1850");
    EXPECT_EQ(dates.FormatDatePart("1850/06/15-1860/01/01"), "15\xA0" "6\xA0" "1850");
    EXPECT_EQ(dates.FormatDatePart(""), "\xA0\xA0");
}

TEST(DateFormatterTest, QualifiersQuestionMarksAndIrregularDates)
{
    const DateCase cases[] = {
        {21, false, "", ""},
        {21, false, ">Before:1850/06/15", "bef. 1850"},
        {21, false, ">Say:1850/00/00", "say 1850"},
        {21, false, ">Circa:1850/00/00", "abt. 1850"},
        {3, false, ">Exact:1850/06/15", "exactly 15/6/1850"},
        {21, false, ">After:1850/00/00(Old)", "aft. 1850"},
        {21, false, ">Between:1850/00/00-1860/00/00", "bet. 1850 and 1860"},
        {21, false, ">Or:1850/00/00-1851/00/00", "either 1850 or 1851"},
        {21, false, ">From-To:1850/06/15-1860/00/00", "from 1850 to 1860"},
        {3, false, ">From-To:1850/06/15(Old)-1860/02/03(Old)", "from 15/6/1850 to 3/2/1860"},
        {21, false, "?>Circa:1850/00/00(Old)", "abt. 1850 ?"},
        {21, false, "?1850/00/00", "1850 ?"},
        {21, false, ">Irreg:about 1850", "about 1850"},
        {21, false, ">Irreg:about  1850", "about 1850"},
        {21, false, ">Whenever:1850/00/00", "Date Error: >Whenever:1850/00/00"},
        {21, false, ">Between:1850/00/00", "bet. 1850 and "},
    };
    for (const DateCase& c : cases) {
        DatabaseOptions options = DateOptions();
        options.m_nDateFormat = c.layout;
        EXPECT_EQ(DateFormatter(options).FormatDate(c.date), c.expected) << c.date;
    }
}

TEST(DateFormatterTest, EmptyQualifierWordsStillWriteTheirBlank)
{
    DatabaseOptions options;
    options.m_nDateFormat = 21;
    const DateFormatter dates(options);
    EXPECT_EQ(dates.FormatDate(">Before:1850/00/00"), " 1850");
    EXPECT_EQ(dates.FormatDate(">Between:1850/00/00-1860/00/00"), " 1850 1860");
}

TEST(DateFormatterTest, CollapseBlanksKeepsTheLastOfEveryRun)
{
    const std::pair<const char*, const char*> cases[] = {
        {"a  b", "a b"},
        {" a ", " a "},
        {"a   ", "a "},
        {"a \xA0" "b", "a\xA0" "b"},
        {"a\xA0\xA0 b", "a b"},
        {"", ""},
        // The second byte of a UTF-8 "à" is 0xA0 but no blank.
        {"\xC3\xA0 b", "\xC3\xA0 b"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(DateFormatter::CollapseBlanks(text), expected) << text;
}

}  // namespace
