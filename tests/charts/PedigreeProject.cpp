#include "tests/charts/PedigreeProject.h"

#include "tests/charts/ChartCommandFile.h"
#include "tests/charts/FamilyMember.h"
#include "tests/support/TestEnvironment.h"
#include "tools/projectwriter/ProjectWriter.h"

namespace pedigree {
namespace {

struct Entry {
    Person person;
    const char* given;
    const char* sex;
    int father;
    int mother;
    const char* birthOrder;
};

constexpr Entry kPeople[] = {
    {Paul, "Paul", "M", Fred, Mona, "2"}, {Fred, "Fred", "M", Gus, Gina, ""},  {Mona, "Mona", "F", Gus, Hilda, ""},
    {Gus, "Gus", "M", Otto, Olga, ""},   {Gina, "Gina", "F", 0, 0, ""},       {Hilda, "Hilda", "F", 0, 0, ""},
    {Otto, "Otto", "M", 0, 0, ""},       {Olga, "Olga", "F", 0, 0, ""},       {Sam, "Sam", "M", Fred, Mona, "3"},
    {Sue, "Sue", "F", Fred, Mona, "1"},  {Sid, "Sid", "M", Fred, Mona, "4"},  {Tom, "Tom", "M", Fred, 0, ""},
    {Lone, "Lone", "F", 0, 0, ""},       {Kid, "Kid", "M", Ned, Nan, ""},     {Ned, "Ned", "M", 0, 0, ""},
    {Nan, "Nan", "F", 0, 0, ""},
};

std::string Write()
{
    ProjectWriter w;
    for (const Entry& e : kPeople) {
        chart_test::AddFamilyMember(w, {.number = e.person, .given = e.given, .sex = e.sex, .father = e.father,
                                        .mother = e.mother, .birthOrder = e.birthOrder});
    }
    const std::string path = (quorrel_test::TestDirectory() / "PEDIGREE").string();
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
    return chart_test::CommandFileFor(ProjectPath(), startPerson, "", lines);
}

}  // namespace pedigree
