#pragma once

#include <string>

// Projects and command files are often copied from Windows: when no file has
// the exact name, the name with "\" read as a directory separator is tried,
// then a file in that directory whose name matches without regard to case.
// Returns the first name that exists, or the given name when none does.
std::string ResolveProjectFileName(const std::string& path);
