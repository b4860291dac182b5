#include "data/ProjectDatabase.h"
#include "platform/CommandFile.h"
#include "platform/MessageBox.h"
#include "tests/data/FamilyProject.h"
#include "tests/support/TestEnvironment.h"

#include <memory>

#include <gtest/gtest.h>

namespace {

using namespace family;

// Opens the family project with the given [database] lines and captures every message.
class Database {
public:
    explicit Database(const std::string& lines = "", const std::string& path = ProjectPath())
    {
        MessageBox::SetSink([this](const std::string& text) { m_messages.push_back(text); });
        m_database = std::make_unique<ProjectDatabase>(path);
        m_database->Open();
        m_database->LoadOptions(CommandFile(CommandFileWith(lines)));
    }
    ~Database()
    {
        m_database.reset();
        MessageBox::SetSink(nullptr);
    }
    ProjectDatabase* operator->() { return m_database.get(); }
    ProjectDatabase& operator*() { return *m_database; }
    ProjectDatabase& Read(std::int32_t person)
    {
        EXPECT_TRUE(m_database->ReadPerson(person)) << person;
        return *m_database;
    }

    std::vector<std::string> m_messages;

private:
    std::unique_ptr<ProjectDatabase> m_database;
};

TEST(ProjectDatabaseTest, MissingProjectReportsOnceAndFailsQuietlyAfterwards)
{
    const std::string missing = (quorrel_test::TestDirectory() / "NOWHERE").string();
    Database db("", missing);
    ASSERT_EQ(db.m_messages.size(), 1U);
    EXPECT_TRUE(db.m_messages[0].starts_with("Error Opening Database " + missing + "\nError Number = -1\n"
                                             " Error Message = Could not open "))
        << db.m_messages[0];
    EXPECT_FALSE(db->IsOpen());
    EXPECT_FALSE(db->ReadPerson(Anne));
    EXPECT_EQ(db->GetPersonCount(), 0);
    EXPECT_EQ(db->ReadSiblings(), -1);
    EXPECT_EQ(db->ReadSpouses(), -1);
    PersonNodeList nodes;
    EXPECT_EQ(db->ReadChildren(nodes), -1);
    EXPECT_EQ(db->GetName(0), " ");
    EXPECT_EQ(db->GetLifeSpan(0), "");
    EXPECT_EQ(db.m_messages.size(), 1U);
}

TEST(ProjectDatabaseTest, UnknownPersonClosesTheDatabaseForGood)
{
    Database db;
    EXPECT_EQ(db->GetPersonCount(), PersonCount);
    EXPECT_FALSE(db->ReadPerson(99));
    ASSERT_EQ(db.m_messages.size(), 1U);
    EXPECT_EQ(db.m_messages[0], "Error Reading Individual 99\nError Number = 2\n Error Message = ID Number Not In "
                                "Database.\n");
    EXPECT_FALSE(db->ReadPerson(Anne));
    EXPECT_EQ(db->GetPersonCount(), 0);
    EXPECT_EQ(db.m_messages.size(), 1U);
}

TEST(ProjectDatabaseTest, RecordAndParentSurety)
{
    struct Case {
        const char* lines;
        int person;
        int father;
        int mother;
    };
    const Case cases[] = {
        {"", Anne, John, Mary},
        {"", Jack, Len, Meg},
        {"SuretyThresHold=2\n", Jack, 0, Meg},     // father link of surety 1
        {"", Kate, 0, Meg},                        // no father link: empty surety
        {"BlankSurety=TRUE\n", Kate, Len, Meg},
        {"SuretyThresHold=3\nBlankSurety=TRUE\n", Kate, Len, Meg},
    };
    for (const Case& c : cases) {
        Database db(c.lines);
        const PersonRecord& record = db.Read(c.person).GetRecord();
        EXPECT_EQ(record.m_nFather, c.father) << c.lines << c.person;
        EXPECT_EQ(record.m_nMother, c.mother) << c.lines << c.person;
    }
    Database db;
    const PersonRecord& anne = db.Read(Anne).GetRecord();
    EXPECT_EQ(anne.m_nId, Anne);
    EXPECT_EQ(anne.m_sReference, "R7");
    EXPECT_EQ(anne.m_sSex, "F");
    EXPECT_EQ(anne.m_sBirth, "1850/06/15");
    EXPECT_EQ(anne.m_sBirthOrder, "2");
    EXPECT_EQ(db->GetFlagValue("SEX"), "F");
    EXPECT_EQ(db->GetFlagValue("NOSUCHFLAG"), "");
    EXPECT_EQ(db.Read(Kate).GetRecord().m_sFatherSurety, " ");

    const PersonRecord& empty = db.Read(0).GetRecord();
    EXPECT_EQ(empty.m_nId, 0);
    EXPECT_EQ(empty.m_sBirth, "0000/00/00");
    EXPECT_EQ(empty.m_sDeath, "0000/00/00");
    EXPECT_EQ(empty.m_sBirthOrder, "?");
    EXPECT_EQ(empty.m_nFather, 0);
    EXPECT_EQ(db->GetBirthSortKey(), "000000/00/00");
    EXPECT_TRUE(db.m_messages.empty());
}

TEST(ProjectDatabaseTest, BirthSortKeys)
{
    const std::pair<int, const char*> cases[] = {
        {Anne, "021850/06/15"},         // birth event date, birth order 2
        {Beth, "031850/00/00>Circa:"},  // the sort date, its qualifier moved behind
        {Dan, "00"},                    // no birth event, no birth date, order "?"
        {Jack, "001860/01/02"},         // no birth event: the person's birth date
        {Walt, "011872/00/00"},
    };
    Database db;
    for (const auto& [person, key] : cases)
        EXPECT_EQ(db.Read(person).GetBirthSortKey(), key) << person;
}

TEST(ProjectDatabaseTest, FullSiblingsInBirthOrder)
{
    Database db;
    db.Read(Anne);
    ASSERT_EQ(db->ReadSiblings(), 2);  // Carl has another father
    EXPECT_EQ(db->GetSibling(0), Zoe);
    EXPECT_EQ(db->GetSibling(1), Beth);
    EXPECT_EQ(db->GetSibling(2), -1);
    EXPECT_EQ(db->GetName(0), "Anne Smith");  // Anne is the library's person again
    EXPECT_EQ(db.Read(Carl).ReadSiblings(), 0);
    EXPECT_EQ(db.Read(Jack).ReadSiblings(), 1);
    EXPECT_EQ(db->GetSibling(0), Kate);
    db.Read(Kate);
    EXPECT_EQ(db->GetSibling(0), -1);  // reading a person empties the list
    EXPECT_EQ(db->ReadSiblings(), 0);  // Kate's father is dropped, Jack has one
}

TEST(ProjectDatabaseTest, SpousesOnceEachInMarriageOrder)
{
    Database db;
    ASSERT_EQ(db.Read(Anne).ReadSpouses(), 2);
    EXPECT_EQ(db->GetSpouse(0), George);
    EXPECT_EQ(db->GetSpouse(1), Hugh);
    EXPECT_EQ(db->GetSpouse(2), -1);
    EXPECT_EQ(db.Read(George).ReadSpouses(), 1);
    EXPECT_EQ(db->GetSpouse(0), Anne);
    EXPECT_EQ(db.Read(Dan).ReadSpouses(), 0);
    EXPECT_EQ(db.Read(0).ReadSpouses(), 0);
}

TEST(ProjectDatabaseTest, ChildrenByPrimaryLinksInBirthOrder)
{
    Database db;
    PersonNodeList nodes;
    ASSERT_EQ(db.Read(Anne).ReadChildren(nodes), 2);  // Eve's link is not primary
    EXPECT_EQ(nodes[0]->m_nId, Dan);
    EXPECT_EQ(nodes[0]->m_sSortKey, "00");
    EXPECT_EQ(nodes[1]->m_nId, Walt);
    EXPECT_EQ(nodes[1]->m_sSortKey, "011872/00/00");
    for (const auto& node : nodes) {
        EXPECT_EQ(node->m_sKind, "S");
        EXPECT_EQ(node->m_nFatherId, George);
        EXPECT_EQ(node->m_nMotherId, Anne);
    }
    EXPECT_EQ(db->GetName(0), "Anne Smith");
    EXPECT_EQ(db.Read(John).ReadChildren(nodes), 5);  // appended to the list
    EXPECT_EQ(nodes[2]->m_nId, Zoe);
    EXPECT_EQ(nodes[3]->m_nId, Anne);
    EXPECT_EQ(nodes[4]->m_nId, Beth);
}

TEST(ProjectDatabaseTest, NamesFromThePrimaryNameRecord)
{
    struct Case {
        const char* lines;
        int person;
        int maxLength;
        const char* expected;
    };
    const Case cases[] = {
        {"", Anne, 0, "Anne Smith"},
        {"ZNTidentifier=3\n", Anne, 0, "Anne Smith (3, R7)"},
        {"ZNTidentifier=3\n", Beth, 0, "Beth Smith (4)"},
        {"ZNTidentifier=3\n", Anne, 9, "A. Smith"},
        {"NameCapStyle=2\n", Anne, 0, "Anne SMITH"},
        {"SuretyThresHold=2\n", Nora, 0, "Unknown"},
        {"SuretyThresHold=2\nUnknownPhrase=N.N.\n", Nora, 0, "N.N."},
        {"", Nora, 0, "Nora Doe"},
        {"", 0, 0, " "},
        {"UnknownPhrase=N.N.\n", -1, 0, "N.N."},
    };
    for (const Case& c : cases) {
        Database db(c.lines);
        EXPECT_EQ(db.Read(c.person).GetName(c.maxLength), c.expected) << c.lines << c.person;
    }
}

TEST(ProjectDatabaseTest, PersonWithoutPrimaryNameClosesTheDatabase)
{
    Database db;
    EXPECT_EQ(db.Read(Olga).GetName(0), "");
    ASSERT_EQ(db.m_messages.size(), 1U);
    EXPECT_EQ(db.m_messages[0], "Error Reading Individual's Name\n Individaul = 17\nError Number = 1\n"
                                " Error Message = End of list.\n");
    EXPECT_FALSE(db->ReadPerson(Anne));
    EXPECT_EQ(db.m_messages.size(), 1U);
}

struct LinesCase {
    const char* what;
    std::string lines;
    int person;
    const char* kind;
    int spouse;
    std::vector<std::string> expected;  // the detail lines after the name
};

TEST(ProjectDatabaseTest, DetailLines)
{
    const std::string birth = "LB1=4 0 B\nDateFormat=8\nMonth6=June\nPlacePreposition=at\nShowPlaceCity=TRUE\n";
    const LinesCase cases[] = {
        {"date and place", birth, Anne, "B", 0, {"b. 15\xA0June\xA0" "1850 at London"}},
        // The NBSP takes the UTF-8 form of the place name, so the line reads as UTF-8.
        {"utf-8 place", birth, Zoe, "B", 0, {"b. 1\xC2\xA0" "1845 at M\xC3\xBCnchen"}},
        {"place without accepted date", birth, Carl, "B", 0, {"b. at London"}},
        {"date without accepted place", "LS1=5 0 B\nDateFormat=21\nPlacePreposition=at\n", Anne, "S", 0,
         {"d. 1900 at "}},
        {"date only", "LS1=4 0 D\nDateFormat=21\n", Beth, "S", 0, {"b.  1848 "}},
        {"place only", "LP1=4 0 P\nShowPlaceCity=TRUE\nShowPlaceCountry=TRUE\n", Anne, "P", 0,
         {"London, England"}},
        {"missing event", birth, Dan, "B", 0, {""}},
        {"missing event with blanks", birth + "AddBlanksForMissing=TRUE\n", Dan, "B", 0,
         {"b. _______________"}},
        {"missing place with blanks", "LP1=4 0 P\nShowPlaceCity=TRUE\nAddBlanksForMissing=TRUE\n", Beth, "P", 0,
         {"_______________"}},
        {"letter that prints nothing", "LS1=4\n", Anne, "S", 0, {""}},
        {"entries in order", "LS1=5 0 D\nLS2=4 0 D\nDateFormat=21\n", Anne, "X", 0, {"d. 1900 ", "b. 1850 "}},
        {"first marriage met", "LS1=6 0 D\nDateFormat=21\n", Anne, "S", 0, {"m. 1870 "}},
        {"marriage with the spouse", "LM1=6 0 D\nLM2=4 0 D\nDateFormat=21\n", Anne, "M", Hugh,
         {"m. 1880 ", "b. 1850 "}},
        {"marriage with another spouse", "LM1=6 0 D\nDateFormat=21\n", Anne, "M", Dan, {""}},
        {"tag type entry", "LS1=5 4 D\nDateFormat=21\nShowDetailsLiving=TRUE\n", Ivy, "S", 0, {"bur. 2000 "}},
        {"tag type entry skips the group", "LS1=5 4 D\nDateFormat=21\n", Anne, "S", 0, {""}},
        {"living", "LS1=4 0 D\nLS2=5 0 D\nLivingPhrase=Living\n", Ivy, "S", 0, {"Living"}},
        {"living shown", "LS1=4 0 D\nDateFormat=21\nShowDetailsLiving=TRUE\n", Ivy, "S", 0, {"b. 1950 "}},
        {"free lines", "LD1=Line one\nLD2=line two\nLivingPhrase=Living\n", Ivy, "D", 0, {"Line one", "line two"}},
        {"no entries", "LB1=4 0 D\n", Anne, "S", 0, {}},
    };
    for (const LinesCase& c : cases) {
        Database db(c.lines);
        std::vector<std::string> lines;
        const int count = db.Read(c.person).GetDetailLines(c.kind, lines, c.spouse);
        ASSERT_EQ(count, static_cast<int>(c.expected.size())) << c.what;
        EXPECT_EQ(lines[0], db->GetName(0)) << c.what;
        EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.begin() + 1 + count), c.expected) << c.what;
    }
}

TEST(ProjectDatabaseTest, LifeSpans)
{
    struct Case {
        const char* lines;
        int person;
        int maxLength;
        const char* expected;
    };
    const Case cases[] = {
        {"DateFormat=3\n", Anne, 0, "(15/6/1850 - 1/1/1900)"},
        {"DateFormat=3\n", Anne, 13, "(1850 - 1900)"},
        {"DateFormat=3\n", Anne, 11, "(1850 - 1900)"},
        {"DateFormat=3\n", Dan, 0, ""},
        {"DateFormat=3\n", Carl, 20, ""},  // the only date's surety is not accepted
        {"DateFormat=21\nWordCirca=abt.\n", Beth, 0, "(abt. 1848 - )"},
        {"LivingPhrase=Living\n", Ivy, 0, "Living"},
        {"DateFormat=21\nShowDetailsLiving=TRUE\n", Ivy, 0, "(1950 - 2000)"},
    };
    for (const Case& c : cases) {
        Database db(c.lines);
        EXPECT_EQ(db.Read(c.person).GetLifeSpan(c.maxLength), c.expected) << c.lines << c.person;
    }
}

TEST(ProjectDatabaseTest, AccentColours)
{
    const std::string rules = "UseAccentColors=TRUE\nAcTextD=1 1 1\nAcFillD=2 2 2\nAcShadD=3 3 3\nAcLineD=4 4 4\n"
                              "AcTextC=5 5 5\nAcFillC=6 6 6\nAcShadC=7 7 7\nAcLineC=8 8 8\n"
                              "AcFlag1=sex\nAcValu1=f\nAcText1=10 0 0\nAcFill1=11 0 0\nACShad1=12 0 0\nACLine1=13 0 0\n"
                              "AcFlag2=LIVING\nAcValu2=Y\nAcFill2=21 0 0\n";
    struct Case {
        std::string lines;
        int person;
        COLORREF fill;
    };
    const Case cases[] = {
        {rules, John, RGB(2, 2, 2)},
        {rules, Anne, RGB(11, 0, 0)},
        {rules, Ivy, RGB(11, 0, 0)},  // the first rule that matches
        {rules + "UseAccentConflict=TRUE\n", Ivy, RGB(6, 6, 6)},
        {rules + "UseAccentConflict=TRUE\n", Anne, RGB(11, 0, 0)},
    };
    for (const Case& c : cases) {
        Database db(c.lines);
        ASSERT_TRUE(db->UsesAccentColors());
        COLORREF text = 0, fill = 0, shadow = 0, line = 0;
        db.Read(c.person).GetAccentColors(text, fill, shadow, line);
        EXPECT_EQ(fill, c.fill) << c.person << c.lines;
    }
    Database db(rules);
    COLORREF text = 0, fill = 0, shadow = 0, line = 0;
    db.Read(Anne).GetAccentColors(text, fill, shadow, line);
    EXPECT_EQ(text, RGB(10, 0, 0));
    EXPECT_EQ(shadow, RGB(12, 0, 0));
    EXPECT_EQ(line, RGB(13, 0, 0));
}

TEST(ProjectDatabaseTest, AccentRulesBeyondTheFlagCountAreNeverTested)
{
    // The project has seven flag names, so rule 7 is never tested.
    std::string lines = "UseAccentColors=TRUE\nAcFillD=2 2 2\n";
    for (int i = 1; i <= 6; ++i)
        lines += "AcFlag" + std::to_string(i) + "=SEX\nAcValu" + std::to_string(i) + "=X\n";
    lines += "AcFlag7=SEX\nAcValu7=F\nAcFill7=70 0 0\n";
    Database db(lines);
    ASSERT_EQ(db->GetFlagCount(), 7U);
    COLORREF text = 0, fill = 0, shadow = 0, line = 0;
    db.Read(Anne).GetAccentColors(text, fill, shadow, line);
    EXPECT_EQ(fill, RGB(2, 2, 2));
}

}  // namespace
