#include "tests/charts/FamilyMember.h"

#include "tools/projectwriter/ProjectWriter.h"

namespace chart_test {

void AddFamilyMember(ProjectWriter& writer, const PersonRecordSpec& person, const char* given)
{
    writer.AddPerson(person);
    writer.AddName({.person = person.number, .parts = {"Lee", "", given, ""}});
    for (const int parent : {person.father, person.mother})
        if (parent != 0)
            writer.AddParentLink({.child = person.number, .parent = parent, .surety = "3", .primary = true});
}

}  // namespace chart_test
