// Prints, for each person number, what the charts would draw for that person
// with the command file's [database] options: names at several lengths, the
// sort key, life spans, the detail lines of every box kind, the relatives and
// the accent colours. Values are written byte for byte (NBSP stays 0xA0).
// Library failures and messages go to standard error; the exit status is 1
// when any was reported.

#include "data/PersonNode.h"
#include "data/ProjectDatabase.h"
#include "platform/CommandFile.h"
#include "platform/MessageBox.h"
#include "tools/common/ToolCommandLine.h"

#include <cstdint>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage = "COMMANDFILE PERSON...";
constexpr const char* kHelp =
    "Opens the project named by the command file's [database] file key with that section's\n"
    "options and prints, for each person number, what a chart would draw: the name at several\n"
    "lengths, the birth sort key, the life spans, the detail lines of the box kinds S, B, P, D\n"
    "and M, the siblings, spouses and children, and the accent colours. Values are written byte\n"
    "for byte. Library errors go to standard error and make the exit status 1.\n"
    "\n"
    "[database] keys it honours:\n"
    "  file                        the project path\n"
    "  NameCapStyle BlankName ZNTidentifier UnknownPhrase ShowExcluded ShowSensitive\n"
    "  ShowBrackets                names\n"
    "  DateFormat Month1..Month12  dates\n"
    "  WordBefore WordSay WordCirca m_sWordExact WordAfter WordBetween WordAnd WordEither\n"
    "  WordOr WordFrom WordTo      date words, each also with 1 and 2 appended for the\n"
    "                              shorter forms of life spans\n"
    "  ShowPlaceAddressee ShowPlaceDetail ShowPlaceCity ShowPlaceCounty ShowPlaceState\n"
    "  ShowPlaceCountry ShowPlacePostal ShowPlaceTemple ShowPlaceCommasMissing\n"
    "  ShowPlaceTrimLeadTrail PlacePreposition\n"
    "                              places\n"
    "  LS1.. LB1.. LP1.. LM1..     detail lines \"group type letter\" (up to 10 each)\n"
    "  LD1..                       fixed lines of descendant boxes (up to 11)\n"
    "  SuretyThresHold BlankSurety which dates, places and parent links count\n"
    "  ShowDetailsLiving LivingPhrase AddBlanksForMissing\n"
    "  UseAccentColors UseAccentConflict AcTextD AcFillD AcShadD AcLineD AcTextC AcFillC\n"
    "  AcShadC AcLineC AcFlag1.. AcValu1.. AcText1.. AcFill1.. ACShad1.. ACLine1..\n"
    "                              accent colours by flag value (up to 10 rules)\n"
    "\n"
    "  --help     this text\n"
    "  --version  the version\n";

void PrintLines(ProjectDatabase& database, const std::string& kind, std::int32_t spouse)
{
    std::vector<std::string> lines;
    const int count = database.GetDetailLines(kind, lines, spouse);
    std::cout << "lines/" << kind << ": " << count << "\n";
    for (int i = 1; i <= count; ++i)
        std::cout << "lines/" << kind << "/" << i << ": " << lines[static_cast<std::size_t>(i)] << "\n";
}

template <typename Get>
void PrintIds(const char* label, int count, Get get)
{
    std::cout << label << ": ";
    for (int i = 0; i < count; ++i)
        std::cout << (i == 0 ? "" : " ") << get(i);
    std::cout << "\n";
}

std::string Hex(COLORREF colour)
{
    char text[9];
    std::snprintf(text, sizeof text, "%08X", colour);
    return text;
}

void ShowPerson(ProjectDatabase& database, std::int32_t person)
{
    database.ReadPerson(person);
    std::cout << "person: " << person << "\n";
    std::cout << "name: " << database.GetName(0) << "\n";
    for (int length : {15, 30, 20, 12, 8, 5})
        std::cout << "name/" << length << ": " << database.GetName(length) << "\n";
    std::cout << "sortkey: " << database.GetBirthSortKey() << "\n";
    std::cout << "lifespan: " << database.GetLifeSpan(0) << "\n";
    for (int length : {13, 30, 20, 11})
        std::cout << "lifespan/" << length << ": " << database.GetLifeSpan(length) << "\n";
    for (const char* kind : {"S", "B", "P", "D"})
        PrintLines(database, kind, 0);
    const int spouses = database.ReadSpouses();
    PrintLines(database, "M", spouses > 0 ? database.GetSpouse(0) : 0);

    const int siblings = database.ReadSiblings();
    PrintIds("siblings", siblings, [&](int i) { return database.GetSibling(i); });
    PrintIds("spouses", database.ReadSpouses(), [&](int i) { return database.GetSpouse(i); });
    PersonNodeList children;
    PrintIds("children", database.ReadChildren(children),
             [&](int i) { return children[static_cast<std::size_t>(i)]->m_nId; });
    if (database.UsesAccentColors()) {
        COLORREF text = 0, fill = 0, shadow = 0, line = 0;
        database.GetAccentColors(text, fill, shadow, line);
        std::cout << "accent: text=" << Hex(text) << " fill=" << Hex(fill) << " shadow=" << Hex(shadow)
                  << " line=" << Hex(line) << "\n";
    }
    std::cout << "\n";
}

}  // namespace

int main(int argc, char** argv)
{
    ToolCommandLine line("qrpeople", kUsage, kHelp);
    if (const auto status = line.Parse(argc, argv))
        return *status;
    const auto& operands = line.Operands();
    if (operands.size() < 2)
        return line.Misuse("a command file and at least one person number are needed");
    std::vector<std::int32_t> persons;
    for (std::size_t i = 1; i < operands.size(); ++i) {
        const auto person = ToolCommandLine::Number(operands[i]);
        if (!person)
            return line.Misuse("not a person number: " + operands[i]);
        persons.push_back(*person);
    }
    MessageBox::SetUnattended(true);
    const CommandFile file(operands[0]);
    {
        ProjectDatabase database(file.GetString("database", "file"));
        database.Open();
        database.LoadOptions(file);
        for (const std::int32_t person : persons)
            ShowPerson(database, person);
    }
    std::cout.flush();
    return MessageBox::ShownCount() == 0 ? 0 : 1;
}
