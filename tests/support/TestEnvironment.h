#pragma once

#include <filesystem>

namespace quorrel_test {

// Puts the process into a fresh temporary directory with its own profile
// folder and the offscreen Qt platform, so no test touches the user's files
// or needs a display. Returns the directory; it is removed by RemoveTestDirectory.
std::filesystem::path EnterTestDirectory();
void RemoveTestDirectory();

// The temporary directory of this test process.
const std::filesystem::path& TestDirectory();

}  // namespace quorrel_test
