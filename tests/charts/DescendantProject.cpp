#include "tests/charts/DescendantProject.h"

#include "tests/charts/ChartCommandFile.h"
#include "tests/charts/FamilyMember.h"
#include "tests/support/TestEnvironment.h"
#include "tools/projectwriter/ProjectWriter.h"

namespace descendants {
namespace {

struct Entry {
    Person person;
    const char* given;
    const char* sex;
    int father;
    int mother;
    int born;
};

constexpr Entry kPeople[] = {
    {Adam, "Adam", "M", Zed, Zoe, 1875}, {Beth, "Beth", "F", 0, 0, 1878},  {Cara, "Cara", "F", 0, 0, 1885},
    {Dora, "Dora", "F", 0, 0, 1890},    {Dan, "Dan", "M", Adam, Beth, 1901}, {Eve, "Eve", "F", Adam, Beth, 1903},
    {Finn, "Finn", "M", Adam, Cara, 1911}, {Gil, "Gil", "M", Adam, Dora, 1915}, {Hal, "Hal", "M", Adam, 0, 1920},
    {Ivy, "Ivy", "F", 0, 0, 1902},       {Nia, "Nia", "F", Dan, Ivy, 1926},  {Oz, "Oz", "M", Finn, Kay, 1936},
    {Kay, "Kay", "F", 0, 0, 1912},       {Pia, "Pia", "F", Oz, Nia, 1956},   {Rex, "Rex", "M", 0, 0, 1955},
    {Sal, "Sal", "M", Rex, Pia, 1980},   {Zed, "Zed", "M", 0, 0, 1850},      {Zoe, "Zoe", "F", 0, 0, 1852},
    {Amy, "Amy", "F", Zed, Zoe, 1877},
};

struct Marriage {
    Person husband;
    Person wife;
    int year;
};

constexpr Marriage kMarriages[] = {
    {Adam, Beth, 1900}, {Adam, Cara, 1910}, {Dan, Ivy, 1925}, {Finn, Kay, 1935}, {Oz, Nia, 1955}, {Rex, Pia, 1979},
};

constexpr int kMarriageTag = 1;
constexpr int kMarriageGroup = 6;

std::string Write()
{
    ProjectWriter w;
    w.AddTagType({.number = kMarriageTag, .name = "Marriage", .admin = kMarriageGroup, .abbrev = "m."});
    for (const Entry& e : kPeople) {
        chart_test::AddFamilyMember(w, {.number = e.person, .given = e.given, .sex = e.sex, .father = e.father,
                                        .mother = e.mother, .birth = StoredDate::Exact(e.born)});
    }
    for (const Marriage& m : kMarriages) {
        const int event = w.AddEvent({.type = kMarriageTag, .per1 = m.husband, .per2 = m.wife,
                                      .date = StoredDate::Exact(m.year)});
        w.AddParticipant({.person = m.husband, .event = event});
        w.AddParticipant({.person = m.wife, .event = event});
    }
    const std::string path = (quorrel_test::TestDirectory() / "DESCENT").string();
    w.Write(path);
    return path;
}

}  // namespace

const std::string& ProjectPath()
{
    static const std::string path = Write();
    return path;
}

std::string CommandFileWith(int startPerson, const std::string& lines)
{
    return chart_test::CommandFileFor(ProjectPath(), startPerson, "LD1=drawn already\n", lines);
}

}  // namespace descendants
