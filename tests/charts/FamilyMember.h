#pragma once

#include "tools/projectwriter/ProjectRecords.h"

class ProjectWriter;

namespace chart_test {

// Adds the person, named "<given> Lee", with primary links to the father and
// mother the record names.
void AddFamilyMember(ProjectWriter& writer, const PersonRecordSpec& person, const char* given);

}  // namespace chart_test
