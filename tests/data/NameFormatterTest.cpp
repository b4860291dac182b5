#include "data/DatabaseOptions.h"
#include "data/NameFormatter.h"

#include <functional>

#include <gtest/gtest.h>

namespace {

const char* const kDrJohn = "Smith~Dr.~John Paul~Jr.";

struct NameCase {
    const char* what;
    std::function<void(DatabaseOptions&)> configure;
    const char* name;
    const char* surety;
    const char* reference;
    int maxLength;
    const char* expected;
};

void NoChange(DatabaseOptions&) {}

TEST(NameFormatterTest, JoinsCleansAndShortensStepByStep)
{
    const NameCase cases[] = {
        {"full", NoChange, kDrJohn, "3", "", 0, "Dr. John Paul Smith Jr."},
        {"fits", NoChange, kDrJohn, "3", "", 23, "Dr. John Paul Smith Jr."},
        {"prefix goes", NoChange, kDrJohn, "3", "", 19, "John Paul Smith Jr."},
        {"suffix goes", NoChange, kDrJohn, "3", "", 15, "John Paul Smith"},
        {"last given first", NoChange, kDrJohn, "3", "", 13, "John P. Smith"},
        {"both given", NoChange, kDrJohn, "3", "", 12, "J. P. Smith"},
        {"stays too long", NoChange, kDrJohn, "3", "", 5, "J. P. Smith"},
        {"identifier goes last", [](DatabaseOptions& o) { o.m_nZNTidentifier = 1; }, kDrJohn, "3", "", 5,
         "J.P. Smith"},
        {"identifier kept while it fits", [](DatabaseOptions& o) { o.m_nZNTidentifier = 1; }, kDrJohn, "3", "", 16,
         "J. P. Smith (12)"},
        {"single letter grows", NoChange, "Smith~~W~", "3", "", 6, "W. Smith"},
        {"double blank ends the given names", NoChange, "Smith~~John  Paul~", "3", "", 8, "J. Smith"},
        {"surname upper", [](DatabaseOptions& o) { o.m_nNameCapStyle = 2; }, kDrJohn, "3", "", 0,
         "Dr. John Paul SMITH Jr."},
        {"all upper", [](DatabaseOptions& o) { o.m_nNameCapStyle = 3; }, kDrJohn, "3", "", 0,
         "DR. JOHN PAUL SMITH JR."},
        {"utf-8 upper", [](DatabaseOptions& o) { o.m_nNameCapStyle = 2; }, "M\xC3\xBCller~~J\xC3\xBCrgen~", "3", "",
         0, "J\xC3\xBCrgen M\xC3\x9CLLER"},
        {"windows-1252 upper", [](DatabaseOptions& o) { o.m_nNameCapStyle = 2; }, "M\xFCller~~Hans~", "3", "", 0,
         "Hans M\xDCLLER"},
        {"utf-8 initial", NoChange, "Dupont~~\xC3\x89mile Jean~", "3", "", 12, "\xC3\x89. J. Dupont"},
        {"number and reference", [](DatabaseOptions& o) { o.m_nZNTidentifier = 3; }, kDrJohn, "3", "R7", 0,
         "Dr. John Paul Smith Jr. (12, R7)"},
        {"number without reference", [](DatabaseOptions& o) { o.m_nZNTidentifier = 3; }, kDrJohn, "3", "", 0,
         "Dr. John Paul Smith Jr. (12)"},
        {"reference", [](DatabaseOptions& o) { o.m_nZNTidentifier = 2; }, kDrJohn, "3", "R7", 0,
         "Dr. John Paul Smith Jr. (R7)"},
        {"empty reference", [](DatabaseOptions& o) { o.m_nZNTidentifier = 2; }, kDrJohn, "3", "", 0,
         "Dr. John Paul Smith Jr."},
        {"unknown identifier", [](DatabaseOptions& o) { o.m_nZNTidentifier = 4; }, kDrJohn, "3", "R7", 0,
         "Dr. John Paul Smith Jr."},
        {"blank name", [](DatabaseOptions& o) { o.m_sBlankName = std::string("?"); }, "Smith~~~", "3", "", 0, "? Smith"},
        {"blanks without limit", [](DatabaseOptions& o) { o.m_bAddBlanksForMissing = true; }, "Smith~~~", "3", "", 0,
         "_______________ Smith"},
        {"blanks with limit", [](DatabaseOptions& o) { o.m_bAddBlanksForMissing = true; }, "Smith~~~", "3", "", 30,
         "____ Smith"},
        {"excluded surname", NoChange, "-Smith~~John~", "3", "", 0, "John"},
        {"excluded shown", [](DatabaseOptions& o) { o.m_bShowExcluded = true; }, "-Smith~~John~", "3", "", 0,
         "John -Smith"},
        {"surety below threshold", [](DatabaseOptions& o) { o.m_sSuretyThreshold = "23"; }, kDrJohn, "1", "", 0,
         "Unknown"},
        {"surety below threshold with identifier",
         [](DatabaseOptions& o) {
             o.m_sSuretyThreshold = "23";
             o.m_nZNTidentifier = 1;
         },
         kDrJohn, "1", "", 0, "Unknown (12)"},
        {"empty surety refused by default", NoChange, kDrJohn, "", "", 0, "Unknown"},
        {"empty surety with BlankSurety", [](DatabaseOptions& o) { o.m_sSuretyThreshold = "-0123 "; }, kDrJohn, "",
         "", 0, "Dr. John Paul Smith Jr."},
    };
    for (const NameCase& c : cases) {
        DatabaseOptions options;
        c.configure(options);
        EXPECT_EQ(NameFormatter(options).FormatName(c.name, c.surety, 12, c.reference, c.maxLength), c.expected)
            << c.what;
    }
}

TEST(NameFormatterTest, CleanPartRemovesBracesAndBrackets)
{
    struct CleanCase {
        bool sensitive;
        bool brackets;
        const char* part;
        const char* expected;
    };
    const CleanCase cases[] = {
        {false, false, "John {Peter} [a note]", "John  "},
        {true, false, "John {Peter} [a note]", "John Peter "},
        {true, true, "John {Peter} [a note]", "John {Peter} "},
        {false, false, "Jo{hn [x]", "Jo{hn "},
        {false, false, "}a{b}c", "}ac"},
        {false, false, "a]b[c", "a]b[c"},
        {false, false, "{x}{y}z", "z"},
        {false, false, "", ""},
    };
    for (const CleanCase& c : cases) {
        DatabaseOptions options;
        options.m_bShowSensitive = c.sensitive;
        options.m_bShowBrackets = c.brackets;
        EXPECT_EQ(NameFormatter(options).CleanPart(c.part), c.expected) << c.part;
    }
}

TEST(NameFormatterTest, CleanedGivenNamesKeepTheirBlanksInTheName)
{
    DatabaseOptions options;
    EXPECT_EQ(NameFormatter(options).FormatName("Smith~~John {Peter} [note]~", "3", 1, "", 0), "John   Smith");
}

}  // namespace
