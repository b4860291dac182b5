#include "kxdata/kxdata.h"
#include "tests/kxdata/KxClient.h"
#include "tests/support/TestFiles.h"
#include "tools/gedcom2project/GedcomImporter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>

using kxdata_test::KxClient;
using testing::HasSubstr;

namespace {

constexpr int kTestYear = 2024;

std::string Field(const std::string& reply, int number, char separator = '|')
{
    std::size_t start = 0;
    for (int i = 1; i < number; ++i) {
        start = reply.find(separator, start);
        if (start == std::string::npos)
            return std::string();
        ++start;
    }
    const std::size_t end = reply.find(separator, start);
    return reply.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::string Lines(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\n";
    return text;
}

// "0 HEAD ... 1 CHAR UTF-8", the records, "0 TRLR".
std::string Gedcom(const std::string& records, const std::string& head = "1 CHAR UTF-8\n")
{
    return "0 HEAD\n1 GEDC\n2 VERS 5.5.1\n" + head + records + "0 TRLR\n";
}

// One GEDCOM text imported and opened through the library, as the program would open it.
class Imported {
public:
    explicit Imported(const std::string& gedcom, const std::string& mediaDirectory = "")
        : m_importer(GedcomImportOptions{mediaDirectory, kTestYear})
    {
        m_importer.Read(gedcom);
        std::filesystem::create_directories("project");
        m_importer.Writer().WriteReplacing("project/TREE");
        kx.Call(KxInit, 102400);
        m_bOpen = kx.Open("project/TREE").code == 0;
    }
    ~Imported() { kx.Close(); }

    bool IsOpen() const { return m_bOpen; }
    const ImportReport& Report() const { return m_importer.Report(); }
    std::string Person(int n) { return kx.Call(KxIndiv, n).out; }
    std::vector<std::string> Names(int n)
    {
        Person(n);
        return kx.List(KxName, 1);
    }
    // The events in which the person is a principal, found as the program finds them.
    std::vector<std::string> Events(int n)
    {
        Person(n);
        std::vector<std::string> events;
        for (const std::string& participation : kx.List(KxWitness, 1)) {
            if (Field(participation, 1) == "T")
                events.push_back(kx.Call(KxEventDirect, std::stoi(Field(participation, 2))).out);
        }
        return events;
    }
    std::vector<std::string> Parents(int n)
    {
        Person(n);
        std::vector<std::string> links;
        for (auto r = kx.Call(KxRelative, 1); r.code == 0; r = kx.Call(KxRelative, 0))
            links.push_back(r.out);
        return links;
    }
    std::string Flag(int n, const std::string& name)
    {
        Person(n);
        const std::string names = kx.Call(KxFlags, 1).out;
        const std::string values = kx.Call(KxFlags, 0).out;
        for (int i = 1; !Field(names, i).empty(); ++i) {
            if (Field(names, i) == name)
                return Field(values, i);
        }
        return "?";
    }

    KxClient kx;

private:
    GedcomImporter m_importer;
    bool m_bOpen = false;
};

// The line numbers of the report's text, in its order.
std::string FaultLines(const ImportReport& report)
{
    std::istringstream text(report.Text());
    std::string lines;
    for (std::string line; std::getline(text, line);)
        lines += line.substr(line.find(' ') + 1, line.find(':') - line.find(' ') - 1) + " ";
    return lines;
}

struct DateCase {
    const char* value;
    const char* reply;  // the person's birth date as the library gives it
    bool fault;
};

TEST(GedcomImportTest, EveryDateFormReachesTheStoredForm)
{
    const DateCase cases[] = {
        {"15 JUN 1850", "1850/06/15", false},
        {"JUN 1850", "1850/06/00", false},
        {"1850", "1850/00/00", false},
        {"ABT 1850", ">Circa:1850/00/00", false},
        {"abt 1850", ">Circa:1850/00/00", false},
        {"CAL 1850", ">Circa:1850/00/00", false},
        {"EST 1850", ">Say:1850/00/00", false},
        {"BEF 1850", ">Before:1850/00/00", false},
        {"AFT 3 MAR 1850", ">After:1850/03/03", false},
        {"BET 1850 AND JUN 1860", ">Between:1850/00/00-1860/06/00", false},
        {"FROM 1850 TO 1860", ">From-To:1850/00/00-1860/00/00", false},
        {"FROM 1850", ">After:1850/00/00", false},
        {"TO 1860", ">Before:1860/00/00", false},
        {"11 FEB 1749/50", "1749/02/11(Old)", false},
        {"@#DJULIAN@ 20 FEB 1749", "1749/02/20(Old)", false},
        {"JULIAN 20 FEB 1749", "1749/02/20(Old)", false},
        {"BET @#DJULIAN@ 1700 AND 1710", ">Between:1700/00/00(Old)-1710/00/00", false},
        {"@#DJULIAN@ 29 FEB 1700", "1700/02/29(Old)", false},
        {"@#DGREGORIAN@ 1 JAN 1900", "1900/01/01", false},
        {"(after the storm)", ">Irreg:after the storm", false},
        {"INT 1850 (about then)", "1850/00/00", false},
        {"29 FEB 1900", ">Irreg:29 FEB 1900", true},
        {"30 FEB 1850", ">Irreg:30 FEB 1850", true},
        {"BET 1850", ">Irreg:BET 1850", true},
        {"1850 B.C.", ">Irreg:1850 B.C.", true},
        {"@#DHEBREW@ 1 TSH 5600", ">Irreg:@#DHEBREW@ 1 TSH 560", true},
        {"sometime in spring", ">Irreg:sometime in spring", true},
        {"(a phrase much longer than twenty)", ">Irreg:a phrase much longer", true},
        {"15 JUN 18500", ">Irreg:15 JUN 18500", true},
    };
    std::string records;
    for (std::size_t i = 0; i < std::size(cases); ++i)
        records += "0 @I" + std::to_string(i) + "@ INDI\n1 BIRT\n2 DATE " + cases[i].value + "\n";
    Imported project(Gedcom(records));
    ASSERT_TRUE(project.IsOpen());
    std::set<std::size_t> faulted;
    for (const ImportReport::Fault& fault : project.Report().Faults())
        faulted.insert(fault.line);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].value);
        const int person = static_cast<int>(i + 1);
        EXPECT_EQ(Field(project.Person(person), 4), cases[i].reply);
        const std::size_t dateLine = 4 + 3 * i + 3;  // header lines, then three lines a person
        EXPECT_EQ(faulted.count(dateLine) == 1, cases[i].fault);
    }
}

struct NameCase {
    const char* lines;
    const char* parts;  // surname~prefix~given~suffix as the library gives them
};

TEST(GedcomImportTest, NamesTakeTheirPartsFromTheValueAndThePieces)
{
    const NameCase cases[] = {
        {"1 NAME John Paul /Smith/ Jr.\n", "Smith~~John Paul~Jr."},
        {"1 NAME /Smith/\n", "Smith~~~"},
        {"1 NAME Mary\n", "~~Mary~"},
        {"1 NAME Jan /Berg/\n2 NPFX Dr.\n2 GIVN Jan Pieter\n2 SPFX van\n2 SURN Berg\n2 NSFX III\n",
         "van Berg~Dr.~Jan Pieter~III"},
        {"1 NAME Maria /da Silva/\n2 SPFX da\n2 SURN Silva\n", "da Silva~~Maria~"},
        {"1 NAME John Paul /Rye/\n2 GIVN John,Paul\n", "Rye~~John Paul~"},
        {"1 NAME Ünal /Çelik/\n", "Çelik~~Ünal~"},
        {"1 NAME Cash /Money$/\n", "Money~~Cash~"},
        {"1 SEX M\n", "~~~"},
    };
    std::string records;
    for (std::size_t i = 0; i < std::size(cases); ++i)
        records += "0 @I" + std::to_string(i) + "@ INDI\n" + cases[i].lines;
    Imported project(Gedcom(records));
    ASSERT_TRUE(project.IsOpen());
    EXPECT_EQ(project.Report().Count(), 0u) << project.Report().Text();
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].lines);
        const auto names = project.Names(static_cast<int>(i + 1));
        ASSERT_EQ(names.size(), 1u);
        EXPECT_EQ(Field(names[0], 1), cases[i].parts);
        EXPECT_EQ(Field(names[0], 7), "T");
        EXPECT_EQ(Field(names[0], 2), "3");
    }
}

TEST(GedcomImportTest, TheFirstNameIsPrimaryAndCarriesThePersonsNotes)
{
    Imported project(Gedcom(Lines({"0 @N1@ NOTE @@Kept in the", "1 CONC  parish book", "1 CONT second line",
                                   "0 @I1@ INDI", "1 NAME Anna /Berg/", "1 NAME Annie /Smith/", "2 TYPE married",
                                   "1 NOTE @N1@", "1 NOTE Inline note"})));
    const auto names = project.Names(1);
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(Field(names[0], 7), "T");
    EXPECT_EQ(Field(names[1], 7), "F");
    EXPECT_EQ(Field(names[1], 1), "Smith~~Annie~");
    EXPECT_EQ(Field(names[0], 8), "@Kept in the parish book\nsecond line\nInline note");
}

struct PlaceCase {
    const char* place;
    std::array<const char*, 6> parts;  // addressee, detail, city, county, state, country
};

TEST(GedcomImportTest, PlaceJurisdictionsBecomePlaceParts)
{
    const PlaceCase cases[] = {
        {"Zürich", {"", "", "Zürich", "", "", ""}},
        {"Zürich, Switzerland", {"", "", "Zürich", "", "", "Switzerland"}},
        {"Kraków, Małopolskie, Poland", {"", "", "Kraków", "", "Małopolskie", "Poland"}},
        {"Ålesund, Ålesund, Møre og Romsdal, Norway", {"", "", "Ålesund", "Ålesund", "Møre og Romsdal", "Norway"}},
        {"Main Street 5, Springfield, Greene, Ohio, USA", {"", "Main Street 5", "Springfield", "Greene", "Ohio", "USA"}},
        {", , Ohio, USA", {"", "", "", "", "Ohio", "USA"}},
    };
    std::string records;
    for (std::size_t i = 0; i < std::size(cases); ++i)
        records += "0 @I" + std::to_string(i) + "@ INDI\n1 BIRT\n2 PLAC " + cases[i].place + "\n";
    // The same place again gives no second place record.
    records += "0 @X@ INDI\n1 DEAT\n2 PLAC Zürich\n";
    Imported project(Gedcom(records));
    ASSERT_TRUE(project.IsOpen());
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].place);
        const auto events = project.Events(static_cast<int>(i + 1));
        ASSERT_EQ(events.size(), 1u);
        const std::string place = project.kx.Call(KxPlaces, std::stoi(Field(events[0], 10))).out;
        for (std::size_t part = 0; part < cases[i].parts.size(); ++part)
            EXPECT_EQ(Field(place, static_cast<int>(part + 1), '~'), cases[i].parts[part]) << "part " << part;
    }
    EXPECT_EQ(Field(project.Events(static_cast<int>(std::size(cases) + 1))[0], 10), Field(project.Events(1)[0], 10));
}

TEST(GedcomImportTest, TheFilesPlaceFormNamesTheJurisdictions)
{
    Imported project(Gedcom("0 @I1@ INDI\n1 BIRT\n2 PLAC St Mary, Kent, England\n",
                            "1 CHAR UTF-8\n1 PLAC\n2 FORM Parish, County, Country\n"));
    const std::string place = project.kx.Call(KxPlaces, std::stoi(Field(project.Events(1)[0], 10))).out;
    EXPECT_EQ(Field(place, 3, '~'), "St Mary");
    EXPECT_EQ(Field(place, 4, '~'), "Kent");
    EXPECT_EQ(Field(place, 5, '~'), "");
    EXPECT_EQ(Field(place, 6, '~'), "England");
}

// Persons: 1 father, 2 first wife, 3 second wife, 4 child of the first marriage,
// 5 child of the second, 6 adopted by the second couple, born to 7 and 8.
const std::string kFamilies = Lines({
    "0 @I1@ INDI", "1 NAME Carl /Berg/", "1 SEX M", "1 FAMS @F1@", "1 FAMS @F2@",
    "0 @I2@ INDI", "1 NAME Eva /Lind/", "1 SEX F", "1 DEAT", "2 DATE 1880",
    "0 @I3@ INDI", "1 NAME Ida /Holm/", "1 SEX F",
    "0 @I4@ INDI", "1 NAME Per /Berg/", "1 BIRT", "2 DATE 1875", "1 FAMC @F1@",
    "0 @I5@ INDI", "1 NAME Jon /Berg/", "1 BIRT", "2 DATE 1990",
    "0 @I6@ INDI", "1 NAME Ola /Dahl/", "1 BIRT", "2 DATE 1885", "1 FAMC @F3@", "1 FAMC @F2@", "2 PEDI adopted",
    "0 @I7@ INDI", "1 NAME Knut /Dahl/", "0 @I8@ INDI", "1 NAME Siri /Dahl/",
    "0 @F1@ FAM", "1 HUSB @I1@", "1 WIFE @I2@", "1 MARR", "2 DATE 1870", "2 PLAC Oslo, Norway", "1 CHIL @I4@",
    "0 @F2@ FAM", "1 HUSB @I1@", "1 WIFE @I3@", "1 MARR", "2 DATE 1882", "1 DIV", "2 DATE 1899",
    "1 CHIL @I5@", "1 CHIL @I6@",
    "0 @F3@ FAM", "1 HUSB @I7@", "1 WIFE @I8@", "1 NOTE Never married",
});

TEST(GedcomImportTest, FamiliesBecomeParentLinksAndMarriages)
{
    Imported project(Gedcom(kFamilies));
    ASSERT_TRUE(project.IsOpen());
    EXPECT_EQ(project.Report().Count(), 0u) << project.Report().Text();

    // Father and mother of each child, with the link surety the program tests.
    const std::string per4 = project.Person(4);
    EXPECT_EQ(Field(per4, 6), "1");
    EXPECT_EQ(Field(per4, 7), "3");
    EXPECT_EQ(Field(per4, 8), "2");
    const std::string per5 = project.Person(5);
    EXPECT_EQ(Field(per5, 6), "1");
    EXPECT_EQ(Field(per5, 8), "3");
    // The adopted child: the birth family is primary, the adoptive one is linked too.
    const std::string per6 = project.Person(6);
    EXPECT_EQ(Field(per6, 6), "7");
    EXPECT_EQ(Field(per6, 8), "8");
    const auto links = project.Parents(6);
    ASSERT_EQ(links.size(), 4u);
    EXPECT_EQ(Field(links[0], 1) + Field(links[0], 2) + Field(links[0], 3), "7BT");
    EXPECT_EQ(Field(links[1], 1) + Field(links[1], 2) + Field(links[1], 3), "8BT");
    EXPECT_EQ(Field(links[2], 1) + Field(links[2], 2) + Field(links[2], 3), "1AF");
    EXPECT_EQ(Field(links[3], 1) + Field(links[3], 2) + Field(links[3], 3), "3AF");
    EXPECT_EQ(project.Flag(6, "ADOPTED"), "Y");
    EXPECT_EQ(project.Flag(4, "ADOPTED"), "N");

    // The father's two marriages and the divorce, in family order, with the wife as second principal.
    const auto events = project.Events(1);
    ASSERT_EQ(events.size(), 3u);
    const auto group = [&](const std::string& event) {
        return Field(project.kx.Call(KxTagType, std::stoi(Field(event, 1))).out, 1);
    };
    EXPECT_EQ(group(events[0]), "6");
    EXPECT_EQ(Field(events[0], 5), "2");
    EXPECT_EQ(Field(events[0], 8), "1870/00/00");
    EXPECT_EQ(group(events[1]), "6");
    EXPECT_EQ(Field(events[1], 5), "3");
    EXPECT_EQ(Field(events[2], 8), "1899/00/00");
    EXPECT_NE(group(events[2]), "6");
    EXPECT_EQ(Field(events[0], 15), "1~2");
    // The second wife finds the same marriage and divorce through her own participations.
    const auto wife = project.Events(3);
    ASSERT_EQ(wife.size(), 2u);
    EXPECT_EQ(Field(wife[0], 2), "1");
    EXPECT_EQ(Field(wife[0], 8), "1882/00/00");
    // A couple without a marriage event is still a couple, through a partnership event.
    const auto partners = project.Events(7);
    ASSERT_EQ(partners.size(), 1u);
    EXPECT_EQ(group(partners[0]), "6");
    EXPECT_EQ(Field(partners[0], 5), "8");
    EXPECT_EQ(Field(partners[0], 12), "Never married");
}

TEST(GedcomImportTest, SexAndLivingFlags)
{
    Imported project(Gedcom(kFamilies));
    EXPECT_EQ(project.Flag(1, "SEX"), "M");
    EXPECT_EQ(project.Flag(2, "SEX"), "F");
    EXPECT_EQ(project.Flag(4, "SEX"), "");
    EXPECT_EQ(project.Flag(2, "LIVING"), "N");  // has a death
    EXPECT_EQ(project.Flag(4, "LIVING"), "N");  // born more than a hundred years ago
    EXPECT_EQ(project.Flag(5, "LIVING"), "Y");  // born 1990, no death
    EXPECT_EQ(Field(project.Person(2), 5), "1880/00/00");
    EXPECT_EQ(Field(project.Person(4), 4), "1875/00/00");
}

TEST(GedcomImportTest, ThePrimaryPictureIsTheExhibitTheProgramShows)
{
    Imported project(Gedcom(Lines({"0 @M1@ OBJE", "1 FILE pictures/marked.jpg", "2 FORM jpg", "2 TITL Marked",
                                   "0 @I1@ INDI", "1 OBJE", "2 FILE first.bmp", "1 OBJE @M1@", "2 _PRIM Y",
                                   "0 @I2@ INDI", "1 OBJE", "2 FILE /abs/only.tga", "2 TITL Only one",
                                   "0 @I3@ INDI", "1 OBJE @M9@"})),
                     "/media");
    ASSERT_TRUE(project.IsOpen());
    project.Person(1);
    const std::string first = project.kx.Call(KxPrimExhibit).out;
    EXPECT_EQ(first, "Marked|/media/pictures/marked.jpg|T|");
    project.Person(2);
    EXPECT_EQ(project.kx.Call(KxPrimExhibit).out, "Only one|/abs/only.tga|T|");
    project.Person(3);
    EXPECT_EQ(project.kx.Call(KxPrimExhibit).code, 11);
    ASSERT_EQ(project.Report().Count(), 1u);
    EXPECT_EQ(project.Report().Faults()[0].line, 19u);
    EXPECT_THAT(project.Report().Faults()[0].problem, HasSubstr("@M9@"));
}

TEST(GedcomImportTest, EventNotesAndValuesGoToTheEventsNote)
{
    Imported project(Gedcom(Lines({"0 @I1@ INDI", "1 OCCU Farmer", "2 DATE 1880", "2 NOTE On the home farm",
                                   "1 EVEN", "2 TYPE Military service", "2 DATE FROM 1890 TO 1892"})));
    const auto events = project.Events(1);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(Field(events[0], 12), "Farmer\nOn the home farm");
    EXPECT_EQ(Field(events[1], 12), "Military service");
    EXPECT_EQ(Field(events[1], 8), ">From-To:1890/00/00-1892/00/00");
}

TEST(GedcomImportTest, ReadsTheFormsOfGedcom7)
{
    Imported project(Lines({"0 HEAD", "1 GEDC", "2 VERS 7.0", "0 @N1@ SNOTE Shared note", "0 @M1@ OBJE",
                            "1 FILE file:///photos/a.jpg", "2 FORM image/jpeg", "0 @I1@ INDI", "1 NAME Eva /Lund/",
                            "1 SEX X", "1 BIRT", "2 DATE", "3 PHRASE Spring of the flood", "1 DEAT",
                            "2 DATE 10 BCE", "1 SNOTE @N1@", "1 FAMC @VOID@", "1 OBJE @M1@", "0 TRLR"}));
    ASSERT_TRUE(project.IsOpen());
    EXPECT_EQ(FaultLines(project.Report()), "15 ");  // the year before Christ
    const std::string person = project.Person(1);
    EXPECT_EQ(Field(person, 3), "U");
    EXPECT_EQ(Field(person, 4), ">Irreg:Spring of the flood");
    EXPECT_EQ(Field(person, 6), "0");
    EXPECT_EQ(Field(project.Names(1)[0], 8), "Shared note");
    EXPECT_EQ(project.kx.Call(KxPrimExhibit).out, "|/photos/a.jpg|T|");
}

struct CharsetCase {
    const char* name;
    std::string bytes;
};

std::string Utf16(const std::string& ascii, bool bigEndian, bool bom)
{
    std::string bytes = bom ? (bigEndian ? "\xFE\xFF" : "\xFF\xFE") : "";
    for (const char c : ascii) {
        // Every character of the test text below 0x100 is its own UTF-16 unit.
        const auto unit = static_cast<unsigned char>(c);
        bytes += bigEndian ? std::string{'\0', static_cast<char>(unit)} : std::string{static_cast<char>(unit), '\0'};
    }
    return bytes;
}

TEST(GedcomImportTest, EveryCharacterSetKeepsTheAccentedLetters)
{
    // "Müller" and "Ørsta" in each set; UTF-16 is built from Latin-1 units.
    const std::string latin1 = "0 HEAD\n1 CHAR UNICODE\n0 @I1@ INDI\n1 NAME J\xFCrg /M\xFCller/\n1 BIRT\n"
                               "2 PLAC \xD8rsta\n0 TRLR\n";
    const CharsetCase cases[] = {
        {"UTF-8", "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Jürg /Müller/\n1 BIRT\n2 PLAC Ørsta\n0 TRLR\n"},
        {"UTF-8 with BOM", "\xEF\xBB\xBF" "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Jürg /Müller/\n1 BIRT\n"
                           "2 PLAC Ørsta\n0 TRLR\n"},
        {"no CHAR, UTF-8", "0 HEAD\n0 @I1@ INDI\n1 NAME Jürg /Müller/\n1 BIRT\n2 PLAC Ørsta\n0 TRLR\n"},
        {"ASCII holding UTF-8", "0 HEAD\n1 CHAR ASCII\n0 @I1@ INDI\n1 NAME Jürg /Müller/\n1 BIRT\n2 PLAC Ørsta\n"
                                "0 TRLR\n"},
        {"ANSEL", "0 HEAD\n1 CHAR ANSEL\n0 @I1@ INDI\n1 NAME J\xE8urg /M\xE8uller/\n1 BIRT\n2 PLAC \xA2rsta\n"
                  "0 TRLR\n"},
        {"ANSI", "0 HEAD\n1 CHAR ANSI\n0 @I1@ INDI\n1 NAME J\xFCrg /M\xFCller/\n1 BIRT\n2 PLAC \xD8rsta\n0 TRLR\n"},
        {"UTF-16 LE", Utf16(latin1, false, true)},
        {"UTF-16 BE", Utf16(latin1, true, true)},
        {"UTF-16 LE without BOM", Utf16(latin1, false, false)},
    };
    for (const CharsetCase& c : cases) {
        SCOPED_TRACE(c.name);
        Imported project(c.bytes);
        ASSERT_TRUE(project.IsOpen());
        EXPECT_EQ(project.Report().Count(), 0u) << project.Report().Text();
        EXPECT_EQ(Field(project.Names(1)[0], 1), "Müller~~Jürg~");
        const auto events = project.Events(1);
        ASSERT_EQ(events.size(), 1u);
        EXPECT_EQ(Field(project.kx.Call(KxPlaces, std::stoi(Field(events[0], 10))).out, 3, '~'), "Ørsta");
    }
}

TEST(GedcomImportTest, AUtf8FileLabelledAnselIsReadAsUtf8)
{
    Imported project("0 HEAD\n1 CHAR ANSEL\n0 @I1@ INDI\n1 NAME Jürg /Müller/\n0 TRLR\n");
    EXPECT_EQ(Field(project.Names(1)[0], 1), "Müller~~Jürg~");
    EXPECT_EQ(FaultLines(project.Report()), "2 ");
}

TEST(GedcomImportTest, AnselMarksComposeWithTheirLetters)
{
    // Combining marks stand before their letter; one without a single-character form stays combining.
    Imported project("0 HEAD\n1 CHAR ANSEL\n0 @I1@ INDI\n1 NAME \xE2" "Eva \xF0" "cedi\xE9" "c /Ko\xB1\xE2" "o\xE5q/\n"
                     "0 TRLR\n");
    EXPECT_EQ(Field(project.Names(1)[0], 1), "Kołóq\xCC\x84~~Éva çedič~");
}

TEST(GedcomImportTest, ADamagedFileIsImportedWithEachFaultListedByLine)
{
    const std::string damaged = Lines({
        "0 HEAD",                         // 1
        "1 CHAR UTF-8",                   // 2
        "0 @I1@ INDI",                    // 3
        "1 NAME Anna /Berg/",             // 4
        "1 _MYTAG private",               // 5
        "2 NOTE below an unknown tag",    // 6
        "1 FAMC @F9@",                    // 7
        "this is no GEDCOM line",         // 8
        "3 DATE 1850",                    // 9
        "1 BIRT",                         // 10
        "2 DATE 31 APR 1850",             // 11
        "0 @I2@ INDI",                    // 12
        "1 NAME Bo\a /Berg/",             // 13
        "1 FAMC @F1@",                    // 14
        "1 FAMS @F1@",                    // 15
        "0 @F1@ FAM",                     // 16
        "1 HUSB @I2@",                    // 17
        "1 WIFE @I7@",                    // 18
        "1 CHIL @I2@",                    // 19
        "1 CHIL I3",                      // 20
        "0 @I3@ INDI",                    // 21
        "1 NAME Cai \xFF /Berg/",         // 22
        "0 @X1@ WHATNOT",                 // 23
    });
    Imported project(damaged);
    ASSERT_TRUE(project.IsOpen());
    EXPECT_EQ(FaultLines(project.Report()), "5 7 8 9 11 13 14 18 20 22 23 23 ") << project.Report().Text();
    const std::string text = project.Report().Text();
    EXPECT_THAT(text, HasSubstr("line 5: unknown tag _MYTAG"));
    EXPECT_THAT(text, HasSubstr("line 8: malformed line"));
    EXPECT_THAT(text, HasSubstr("line 9: level 3 follows level 1"));
    EXPECT_THAT(text, HasSubstr("line 11: date that cannot be read"));
    EXPECT_THAT(text, HasSubstr("line 23: unknown record WHATNOT"));
    EXPECT_THAT(text, HasSubstr("line 20: CHIL without a record pointer"));
    EXPECT_THAT(text, HasSubstr("line 13: control character in the line; removed"));
    EXPECT_THAT(text, HasSubstr("without a TRLR"));
    EXPECT_THAT(text, HasSubstr("line 7: FAMC points to a missing record @F9@"));
    EXPECT_THAT(text, HasSubstr("line 18: WIFE points to a missing record @I7@"));
    EXPECT_THAT(text, HasSubstr("line 14: family loop"));
    EXPECT_THAT(text, HasSubstr("line 22: 1 bytes that are not"));
    // Everything sound was imported all the same.
    EXPECT_EQ(Field(project.kx.Call(KxIndiv, 0).out, 1), "3");
    EXPECT_EQ(Field(project.Names(3)[0], 1), "Berg~~Cai \xC3\xBF~");
    EXPECT_EQ(Field(project.Names(2)[0], 1), "Berg~~Bo~");
    EXPECT_EQ(Field(project.Person(1), 4), ">Irreg:31 APR 1850");
    EXPECT_EQ(Field(project.Person(2), 6), "0");  // the loop is cut
}

TEST(GedcomImportTest, AFamilyLoopAcrossGenerationsIsCutOnce)
{
    // 1 is the child of 2, 2 of 3, and 3 of 1.
    Imported project(Gedcom(Lines({"0 @I1@ INDI", "1 FAMC @F2@", "0 @I2@ INDI", "1 FAMC @F3@", "0 @I3@ INDI",
                                   "1 FAMC @F1@", "0 @F1@ FAM", "1 HUSB @I1@", "0 @F2@ FAM", "1 HUSB @I2@",
                                   "0 @F3@ FAM", "1 HUSB @I3@"})));
    ASSERT_EQ(project.Report().Count(), 1u);
    EXPECT_THAT(project.Report().Faults()[0].problem, HasSubstr("family loop"));
    int links = 0;
    for (int person = 1; person <= 3; ++person)
        links += static_cast<int>(project.Parents(person).size());
    EXPECT_EQ(links, 2);
}

TEST(GedcomImportTest, TextThatIsNotGedcomIsRefused)
{
    for (const std::string text : {"", "hello\n", "1 HEAD\n", "0 HEADER\n", "\xEF\xBB\xBF<xml/>"}) {
        SCOPED_TRACE(text);
        GedcomImporter importer;
        EXPECT_THROW(importer.Read(text), GedcomImporter::NotGedcom);
    }
}

struct CommandRun {
    int status = -1;
    std::string out;
    std::string err;
};

CommandRun RunImport(const std::string& arguments)
{
    const std::string command = std::string(IMPORTER_PATH) + " " + arguments + " >run.out 2>run.err";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, quorrel_test::ReadFile("run.out"),
            quorrel_test::ReadFile("run.err")};
}

std::vector<std::string> Files(const std::string& directory)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(GedcomImportCommandTest, ListsTheFaultsOnStandardErrorAndWritesTheProject)
{
    std::filesystem::create_directories("cmd");
    quorrel_test::WriteFile("cmd/a.ged", Gedcom("0 @I1@ INDI\n1 NAME A /B/\n1 _X y\n"));
    const CommandRun run = RunImport("cmd/a.ged cmd/A");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "line 7: unknown tag _X; skipped with the lines below it\n");
    EXPECT_THAT(run.out, HasSubstr("1 persons"));
    EXPECT_EQ(Files("cmd").size(), 22u);  // the GEDCOM file and 21 project files, nothing temporary
    // A relative picture path is kept as the full path next to the GEDCOM file.
    quorrel_test::WriteFile("cmd/b.ged", Gedcom("0 @I1@ INDI\n1 OBJE\n2 FILE pics/a.bmp\n"));
    ASSERT_EQ(RunImport("cmd/b.ged cmd/B").status, 0);
    KxClient kx;
    kx.Call(KxInit, 102400);
    ASSERT_EQ(kx.Open("cmd/B").code, 0);
    kx.Call(KxIndiv, 1);
    EXPECT_EQ(Field(kx.Call(KxPrimExhibit).out, 2), (std::filesystem::current_path() / "cmd/pics/a.bmp").string());
    kx.Close();
}

TEST(GedcomImportCommandTest, RefusesAFileThatIsNotGedcomAndLeavesTheProjectAlone)
{
    std::filesystem::create_directories("refuse");
    quorrel_test::WriteFile("refuse/good.ged", Gedcom("0 @I1@ INDI\n1 NAME A /B/\n"));
    ASSERT_EQ(RunImport("refuse/good.ged refuse/P").status, 0);
    const std::string persons = quorrel_test::ReadFile("refuse/P______$.DBF");
    const auto before = Files("refuse");
    quorrel_test::WriteFile("refuse/bad.ged", "Name,Born\nAnna,1850\n");
    const CommandRun run = RunImport("refuse/bad.ged refuse/P");
    EXPECT_EQ(run.status, 1);
    EXPECT_THAT(run.err, HasSubstr("not a GEDCOM file"));
    auto after = Files("refuse");
    after.erase(std::find(after.begin(), after.end(), "bad.ged"));
    EXPECT_EQ(after, before);
    EXPECT_EQ(quorrel_test::ReadFile("refuse/P______$.DBF"), persons);
    // A project file that cannot be replaced (a folder stands in its place) puts the old files back.
    std::filesystem::remove("refuse/P______N.FPT");
    std::filesystem::create_directory("refuse/P______N.FPT");
    quorrel_test::WriteFile("refuse/other.ged", Gedcom("0 @I1@ INDI\n0 @I2@ INDI\n"));
    EXPECT_EQ(RunImport("refuse/other.ged refuse/P").status, 1);
    EXPECT_EQ(quorrel_test::ReadFile("refuse/P______$.DBF"), persons);
    EXPECT_EQ(Files("refuse").size(), before.size() + 2);  // bad.ged and other.ged, nothing temporary
    EXPECT_EQ(RunImport("refuse/missing.ged refuse/Q").status, 1);
    EXPECT_EQ(RunImport("refuse/good.ged no/such/dir/P").status, 1);
    EXPECT_EQ(RunImport("only-one").status, 2);
}

TEST(GedcomImportTest, TheSampleFamilyImportsCleanly)
{
    GedcomImporter importer(GedcomImportOptions{"pictures", kTestYear});
    importer.Read(quorrel_test::ReadFile(SAMPLE_GEDCOM));
    EXPECT_EQ(importer.Report().Count(), 0u) << importer.Report().Text();
    EXPECT_GE(importer.Counts().persons, 40u);
    EXPECT_LE(importer.Counts().persons, 70u);
    EXPECT_EQ(importer.Counts().exhibits, 6u);
}

TEST(GedcomImportTest, TheSampleFamilyHasAPedigreeCollapse)
{
    Imported project(quorrel_test::ReadFile(SAMPLE_GEDCOM));
    // Heinrich (19) and his wife Rosa (21) are both grandchildren of Johann Heinrich Keller (1).
    const int heinrichFather = std::stoi(Field(project.Person(19), 6));
    const int rosaMother = std::stoi(Field(project.Person(21), 8));
    EXPECT_EQ(Field(project.Person(heinrichFather), 6), "1");
    EXPECT_EQ(Field(project.Person(rosaMother), 6), "1");
    EXPECT_EQ(Field(project.Events(19).back(), 5), "21");
}

// A GEDCOM file written by another program: the project's scripts install
// Gramps; where it is missing the test is skipped.
TEST(GedcomImportTest, ReadsTheGedcomThatGrampsWrites)
{
    if (std::system("command -v gramps >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "gramps is not on PATH";
    quorrel_test::WriteFile("tree.gramps", Lines({
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>",
        "<database xmlns=\"http://gramps-project.org/xml/1.7.1/\">",
        "<header><created date=\"2024-01-01\" version=\"5.1.0\"/></header>",
        "<events>",
        "<event handle=\"_e1\" id=\"E0001\"><type>Birth</type><dateval val=\"1850-06-15\"/>"
        "<place hlink=\"_p1\"/></event>",
        "<event handle=\"_e2\" id=\"E0002\"><type>Marriage</type><dateval val=\"1875\" type=\"about\"/></event>",
        "</events>",
        "<people>",
        "<person handle=\"_i1\" id=\"I0001\"><gender>M</gender><name type=\"Birth Name\"><first>Jürg</first>"
        "<surname>Müller</surname></name><eventref hlink=\"_e1\" role=\"Primary\"/>"
        "<parentin hlink=\"_f1\"/></person>",
        "<person handle=\"_i2\" id=\"I0002\"><gender>F</gender><name type=\"Birth Name\"><first>Åse</first>"
        "<surname>Dahl</surname></name><parentin hlink=\"_f1\"/></person>",
        "<person handle=\"_i3\" id=\"I0003\"><gender>F</gender><name type=\"Birth Name\"><first>Ida</first>"
        "<surname>Müller</surname></name><childof hlink=\"_f1\"/></person>",
        "</people>",
        "<families>",
        "<family handle=\"_f1\" id=\"F0001\"><rel type=\"Married\"/><father hlink=\"_i1\"/>"
        "<mother hlink=\"_i2\"/><eventref hlink=\"_e2\" role=\"Family\"/><childref hlink=\"_i3\"/></family>",
        "</families>",
        "<places><placeobj handle=\"_p1\" id=\"P0001\" type=\"City\"><pname value=\"Zürich\"/></placeobj></places>",
        "</database>",
    }));
    ASSERT_EQ(std::system("gramps -y -i tree.gramps -e tree.ged >gramps.log 2>&1"), 0)
        << quorrel_test::ReadFile("gramps.log");
    GedcomImporter importer(GedcomImportOptions{"", kTestYear});
    importer.Read(quorrel_test::ReadFile("tree.ged"));
    EXPECT_EQ(importer.Counts().persons, 3u);
    EXPECT_EQ(importer.Counts().families, 1u);
    std::filesystem::create_directories("gramps");
    importer.Writer().WriteReplacing("gramps/TREE");
    KxClient kx;
    kx.Call(KxInit, 102400);
    ASSERT_EQ(kx.Open("gramps/TREE").code, 0);
    // Gramps orders its persons by its own rules; find Ida by her parents.
    bool found = false;
    for (int n = 1; n <= 3; ++n) {
        const std::string person = kx.Call(KxIndiv, n).out;
        if (Field(person, 6) != "0" && Field(person, 8) != "0") {
            found = true;
            const std::string father = kx.Call(KxIndiv, std::stoi(Field(person, 6))).out;
            EXPECT_EQ(Field(father, 4), "1850/06/15");
            EXPECT_EQ(Field(kx.Call(KxName, 1).out, 1), "Müller~~Jürg~");
        }
    }
    EXPECT_TRUE(found);
    kx.Close();
}

// What Gramps's GEDCOM file says of each person, read line by line here as
// a second witness: the first family the person is a child of, its
// parents, and an exact birth date.
struct WrittenPerson {
    std::string xref;
    std::string childOf;
    std::string birth;  // "YYYY/MM/DD", or empty
};

struct WrittenTree {
    std::vector<WrittenPerson> persons;  // in file order
    std::map<std::string, std::pair<std::string, std::string>> parents;  // family: husband, wife
};

std::string ExactDate(const std::string& value)
{
    static const std::string kMonths = "JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC";
    std::istringstream in(value);
    int day = 0;
    std::string month;
    int year = 0;
    std::string rest;
    if (!(in >> day >> month >> year) || (in >> rest) || month.size() != 3 || kMonths.find(month) % 3 != 0)
        return std::string();
    char text[16];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", year, static_cast<int>(kMonths.find(month) / 3 + 1), day);
    return text;
}

WrittenTree ReadWrittenTree(const std::string& gedcom)
{
    WrittenTree tree;
    std::istringstream in(gedcom);
    std::string record;  // the level-0 record's kind: INDI, FAM or another
    std::string family;
    std::string event;
    const auto xref = [](const std::string& text) { return text.size() > 2 ? text.substr(1, text.size() - 2) : text; };
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::istringstream fields(line);
        std::string level;
        std::string tag;
        std::string value;
        fields >> level >> tag;
        std::getline(fields >> std::ws, value);
        if (level == "0") {
            record = value;
            family = value == "FAM" ? xref(tag) : std::string();
            if (value == "INDI")
                tree.persons.push_back({xref(tag), "", ""});
            event.clear();
            continue;
        }
        if (level == "1")
            event = tag;
        if (record == "FAM" && level == "1" && (tag == "HUSB" || tag == "WIFE"))
            (tag == "HUSB" ? tree.parents[family].first : tree.parents[family].second) = xref(value);
        else if (record == "INDI" && level == "1" && tag == "FAMC" && tree.persons.back().childOf.empty())
            tree.persons.back().childOf = xref(value);
        else if (record == "INDI" && level == "2" && tag == "DATE" && event == "BIRT"
                 && tree.persons.back().birth.empty())
            tree.persons.back().birth = ExactDate(value);
    }
    return tree;
}

// Gramps's own example tree, some two thousand people: every person, both
// parents of each and every exact birth date arrive in the project.
TEST(GedcomImportTest, GrampsExampleTreeArrivesWithEveryPersonParentAndBirth)
{
    const std::string example = "/usr/share/doc/gramps/example/gramps/example.gramps";
    if (std::system("command -v gramps >/dev/null 2>&1") != 0 || !std::filesystem::exists(example))
        GTEST_SKIP() << "gramps or its example tree is not installed";
    ASSERT_EQ(std::system(("gramps -y -i '" + example + "' -e example.ged >gramps.log 2>&1").c_str()), 0)
        << quorrel_test::ReadFile("gramps.log");
    const std::string gedcom = quorrel_test::ReadFile("example.ged");
    const WrittenTree tree = ReadWrittenTree(gedcom);
    ASSERT_GT(tree.persons.size(), 2000u);

    Imported project(gedcom);
    ASSERT_TRUE(project.IsOpen());
    std::map<std::string, int> numbers;
    for (std::size_t i = 0; i < tree.persons.size(); ++i)
        numbers[tree.persons[i].xref] = static_cast<int>(i + 1);
    int links = 0;
    int births = 0;
    for (std::size_t i = 0; i < tree.persons.size(); ++i) {
        const WrittenPerson& written = tree.persons[i];
        const std::string person = project.Person(static_cast<int>(i + 1));
        const auto parents = tree.parents.find(written.childOf);
        const auto number = [&numbers](const std::string& xref) {
            return xref.empty() ? std::string("0") : std::to_string(numbers.at(xref));
        };
        if (parents != tree.parents.end()) {
            EXPECT_EQ(Field(person, 6), number(parents->second.first)) << written.xref;
            EXPECT_EQ(Field(person, 8), number(parents->second.second)) << written.xref;
            ++links;
        }
        if (!written.birth.empty()) {
            EXPECT_EQ(Field(person, 4), written.birth) << written.xref;
            ++births;
        }
    }
    // The witness itself found what the tree holds (about 1,400 children and 800 exact births).
    EXPECT_GT(links, 1000);
    EXPECT_GT(births, 500);
}

}  // namespace
