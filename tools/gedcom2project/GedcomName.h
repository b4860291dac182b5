#pragma once

#include "tools/gedcom2project/GedcomNode.h"

#include <string>
#include <vector>

// A GEDCOM NAME ("Given /Surname/ Suffix" with NPFX, GIVN, SPFX, SURN, NSFX
// pieces, which win over the value) as the project's name parts:
// 0 surname, 1 prefix, 2 given names, 3 suffix.
class GedcomName {
public:
    static constexpr std::size_t kParts = 4;
    static std::vector<std::string> Parts(const GedcomNode& name);
};
