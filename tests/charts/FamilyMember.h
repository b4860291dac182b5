#pragma once

#include <string>

class ProjectWriter;

namespace chart_test {

// One person of a test family, named "<given> Lee".
struct FamilyMember {
    int number = 0;
    const char* given = "";
    const char* sex = "";
    int father = 0;
    int mother = 0;
    std::string birth{};  // a stored date
    std::string birthOrder{};
};

// Adds the person with primary links to the father and mother named.
void AddFamilyMember(ProjectWriter& writer, const FamilyMember& member);

}  // namespace chart_test
