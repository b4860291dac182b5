#include "tests/charts/FamilyMember.h"

#include "tools/projectwriter/ProjectWriter.h"

namespace chart_test {

void AddFamilyMember(ProjectWriter& writer, const FamilyMember& member)
{
    writer.AddPerson({.number = member.number,
                      .sex = member.sex,
                      .birth = member.birth,
                      .father = member.father,
                      .mother = member.mother,
                      .birthOrder = member.birthOrder});
    writer.AddName({.person = member.number, .parts = {"Lee", "", member.given, ""}});
    for (const int parent : {member.father, member.mother})
        if (parent != 0)
            writer.AddParentLink({.child = member.number, .parent = parent, .surety = "3", .primary = true});
}

}  // namespace chart_test
