#include "tools/gedcom2project/GedcomText.h"

#include <cctype>

std::string GedcomText::Upper(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

std::string GedcomText::Trim(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

std::string GedcomText::JoinLines(const std::vector<std::string>& texts)
{
    std::string joined;
    for (const std::string& t : texts) {
        if (t.empty())
            continue;
        if (!joined.empty())
            joined += '\n';
        joined += t;
    }
    return joined;
}
