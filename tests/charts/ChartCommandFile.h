#pragma once

#include <string>

namespace chart_test {

// Writes a command file in the test directory with [database] file=project,
// startperson and the further database lines, a small [Box] and the given
// further lines; returns its path.
std::string CommandFileFor(const std::string& project, int startPerson, const std::string& databaseLines,
                           const std::string& lines);

}  // namespace chart_test
