#pragma once

#include <cstddef>
#include <string>
#include <vector>

// One GEDCOM line with its subordinate lines; CONT and CONC lines are already
// joined into the value.
struct GedcomNode {
    std::size_t line = 0;
    std::string xref{};  // without the @ signs
    std::string tag{};
    std::string value{};
    std::vector<GedcomNode> children{};

    // The first child with the tag, or nullptr.
    const GedcomNode* Find(const std::string& childTag) const
    {
        for (const GedcomNode& child : children) {
            if (child.tag == childTag)
                return &child;
        }
        return nullptr;
    }
    // The pointer a value holds, without its @ signs, or empty when it is not a pointer.
    std::string Pointer() const
    {
        if (value.size() > 2 && value.front() == '@' && value.back() == '@' && value[1] != '#')
            return value.substr(1, value.size() - 2);
        return std::string();
    }
    bool IsPointer() const { return !Pointer().empty(); }
};
