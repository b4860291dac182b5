#pragma once

#include <string>

namespace kxdata_test {

// A small project with every record kind: persons 1 to 4 (4 marked deleted),
// names, events 1 to 4, participants, parent links, tag types, places 10 to
// 12, exhibits of person 1 and source 7. Returns the project path.
std::string WriteFamilyProject(const std::string& directory, bool withUserFlags = true);

// The JPEG-looking bytes of person 1's primary exhibit.
std::string PortraitBytes();

}  // namespace kxdata_test
