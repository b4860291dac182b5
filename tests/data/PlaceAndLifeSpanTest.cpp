#include "data/DatabaseOptions.h"
#include "data/DateFormatter.h"
#include "data/LifeSpanFormatter.h"
#include "data/NameFormatter.h"
#include "data/PlaceFormatter.h"

#include <functional>

#include <gtest/gtest.h>

namespace {

enum PlacePart { Addressee, Detail, City, County, State, Country, Postal, Temple };

struct PlaceCase {
    const char* what;
    std::function<void(DatabaseOptions&)> configure;
    const char* reply;
    const char* expected;
};

void Show(DatabaseOptions& options, std::initializer_list<PlacePart> parts)
{
    for (PlacePart part : parts)
        options.m_bShowPlace[part] = true;
}

TEST(PlaceFormatterTest, PartsCommasAndTrimming)
{
    const char* const london = "The Hall~Room 2~London~Middlesex~~England~N1~x~y~St Paul|";
    const PlaceCase cases[] = {
        {"city only", [](DatabaseOptions& o) { Show(o, {City}); }, london, "London"},
        {"in order", [](DatabaseOptions& o) { Show(o, {Country, City, Addressee}); }, london,
         "The Hall, London, England"},
        {"temple is the last part", [](DatabaseOptions& o) { Show(o, {Postal, Temple}); }, london, "N1, St Paul"},
        {"empty part skipped", [](DatabaseOptions& o) { Show(o, {State, Country}); }, london, "England"},
        {"empty part keeps its comma",
         [](DatabaseOptions& o) {
             Show(o, {State, Country});
             o.m_bShowPlaceCommasMissing = true;
         },
         london, ", England"},
        {"trimmed",
         [](DatabaseOptions& o) {
             Show(o, {State, Country});
             o.m_bShowPlaceCommasMissing = true;
             o.m_bShowPlaceTrimLeadTrail = true;
         },
         london, "England"},
        {"trailing empty parts keep a blank",
         [](DatabaseOptions& o) {
             Show(o, {City, State});
             o.m_bShowPlaceCommasMissing = true;
         },
         london, "London, "},
        {"cleaned like names", [](DatabaseOptions& o) { Show(o, {City, Detail}); }, "~-Room~London[old]~|",
         "London"},
        {"empty place", [](DatabaseOptions& o) { Show(o, {City}); }, "|", ""},
        {"no place", [](DatabaseOptions& o) { Show(o, {City}); }, "", ""},
        {"blanks for a missing place",
         [](DatabaseOptions& o) {
             Show(o, {City, Country});
             o.m_bAddBlanksForMissing = true;
         },
         "~~~~~~~~~|", "_______________"},
        {"nothing shown", [](DatabaseOptions&) {}, london, ""},
    };
    for (const PlaceCase& c : cases) {
        DatabaseOptions options;
        c.configure(options);
        const NameFormatter names(options);
        EXPECT_EQ(PlaceFormatter(options, names).FormatPlace(c.reply), c.expected) << c.what;
    }
}

struct SpanCase {
    const char* what;
    int layout;
    const char* birth;
    const char* death;
    int maxLength;
    const char* expected;
};

TEST(LifeSpanFormatterTest, ShorteningPasses)
{
    const SpanCase cases[] = {
        {"no limit", 3, "1850/06/15", "1900/01/01", 0, "(15/6/1850 - 1/1/1900)"},
        {"fits", 3, "1850/06/15", "1900/01/01", 22, "(15/6/1850 - 1/1/1900)"},
        {"month and year", 3, "1850/06/15", "1900/01/01", 17, "(6/1850 - 1/1900)"},
        {"year", 3, "1850/06/15", "1900/01/01", 13, "(1850 - 1900)"},
        {"every step tried", 3, "1850/06/15", "1900/01/01", 11, "(1850 - 1900)"},
        {"death only without limit", 3, "", "1900/01/01", 0, ""},
        {"death only with limit", 3, "", "1900/01/01", 20, "( - 1/1/1900)"},
        {"birth only", 3, "1850/06/15", "", 0, "(15/6/1850 - )"},
        {"unknown date counts as none", 3, "0000/00/00", "", 20, ""},
        {"nothing", 3, "", "", 0, ""},
        {"irregular dropped", 3, ">Irreg:about 1850", "1900/01/01", 13, "( - 1900)"},
        {"irregular kept when it fits", 3, ">Irreg:about 1850", "1900/01/01", 0, "(about 1850 - 1/1/1900)"},
        {"words kept", 3, ">Circa:1850/06/15", "1900/01/01", 22, "(circa 1850 - 1900)"},
        {"variant 1", 3, ">Circa:1850/06/15", "1900/01/01", 16, "(c. 1850 - 1900)"},
        {"variant 2", 3, ">Circa:1850/06/15", "1900/01/01", 15, "(c 1850 - 1900)"},
        {"years only", 3, ">Circa:1850/06/15", ">Between:1900/00/00-1905/00/00", 12, "(1850 - 1905)"},
        {"questioned years", 3, "?1850/06/15", "1900/01/01", 5, "(?1850 - 1900)"},
    };
    for (const SpanCase& c : cases) {
        DatabaseOptions options;
        options.m_nDateFormat = c.layout;
        const std::string circa[] = {"circa", "c.", "c"};
        for (std::size_t form = 0; form < std::size(circa); ++form)
            options.m_sWords[form][DatabaseOptions::Circa] = circa[form];
        options.m_sWords[0][DatabaseOptions::Between] = "between";
        options.m_sWords[0][DatabaseOptions::And] = "and";
        const DateFormatter dates(options);
        EXPECT_EQ(LifeSpanFormatter(options, dates).FormatLifeSpan(c.birth, c.death, c.maxLength), c.expected)
            << c.what;
    }
}

TEST(LifeSpanFormatterTest, UnderscoresNeverShow)
{
    DatabaseOptions options;
    options.m_nDateFormat = 3;
    options.m_bAddBlanksForMissing = true;
    const DateFormatter dates(options);
    EXPECT_EQ(LifeSpanFormatter(options, dates).FormatLifeSpan("1850/00/00", "", 0), "(//1850 - )");
}

}  // namespace
