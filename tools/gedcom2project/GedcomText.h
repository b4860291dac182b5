#pragma once

#include <string>
#include <string_view>
#include <vector>

// Small text helpers shared by the importer's readers.
class GedcomText {
public:
    // ASCII letters in upper case; other bytes (UTF-8 included) unchanged.
    static std::string Upper(std::string_view text);
    // Without blanks, tabs and line ends at both ends.
    static std::string Trim(std::string_view text);
    // The non-empty texts, one a line.
    static std::string JoinLines(const std::vector<std::string>& texts);
};
