// qrinspect COMMANDFILE PERSON...
//
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

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

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

void Inspect(ProjectDatabase& database, std::int32_t person)
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
    if (argc < 3) {
        std::cerr << "usage: qrinspect COMMANDFILE PERSON...\n";
        return 1;
    }
    std::vector<std::int32_t> persons;
    for (int i = 2; i < argc; ++i) {
        char* end = nullptr;
        const long person = std::strtol(argv[i], &end, 10);
        if (end == argv[i] || *end != '\0' || person < INT32_MIN || person > INT32_MAX) {
            std::cerr << "qrinspect: not a person number: " << argv[i] << "\n";
            return 1;
        }
        persons.push_back(static_cast<std::int32_t>(person));
    }
    MessageBox::SetUnattended(true);
    const CommandFile file(argv[1]);
    {
        ProjectDatabase database(file.GetString("database", "file"));
        database.Open();
        database.LoadOptions(file);
        for (const std::int32_t person : persons)
            Inspect(database, person);
    }
    std::cout.flush();
    return MessageBox::ShownCount() == 0 ? 0 : 1;
}
