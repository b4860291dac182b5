#include "tools/gedcom2project/GedcomName.h"

#include <algorithm>
#include <cctype>

namespace {

enum Part : std::size_t { kSurname, kPrefix, kGiven, kSuffix };

std::string Clean(std::string_view text)
{
    // Collapse blanks; "$" would split the stored name, so it cannot stay.
    std::string clean;
    for (const char c : text) {
        if (c == '$')
            continue;
        const bool blank = std::isspace(static_cast<unsigned char>(c));
        if (blank && (clean.empty() || clean.back() == ' '))
            continue;
        clean += blank ? ' ' : c;
    }
    while (!clean.empty() && clean.back() == ' ')
        clean.pop_back();
    return clean;
}

}  // namespace

std::vector<std::string> GedcomName::Parts(const GedcomNode& name)
{
    std::vector<std::string> parts(kParts);
    const std::string& value = name.value;
    const std::size_t open = value.find('/');
    if (open == std::string::npos) {
        parts[kGiven] = Clean(value);
    } else {
        const std::size_t close = value.find('/', open + 1);
        parts[kGiven] = Clean(std::string_view(value).substr(0, open));
        parts[kSurname] = Clean(std::string_view(value).substr(
            open + 1, close == std::string::npos ? std::string::npos : close - open - 1));
        if (close != std::string::npos)
            parts[kSuffix] = Clean(std::string_view(value).substr(close + 1));
    }
    const auto piece = [&](const char* tag) -> const std::string* {
        const GedcomNode* node = name.Find(tag);
        return node != nullptr && !Clean(node->value).empty() ? &node->value : nullptr;
    };
    if (const std::string* p = piece("NPFX"))
        parts[kPrefix] = Clean(*p);
    // Given names in a GIVN piece may be separated by commas.
    if (const std::string* p = piece("GIVN")) {
        std::string given = *p;
        std::replace(given.begin(), given.end(), ',', ' ');
        parts[kGiven] = Clean(given);
    }
    if (const std::string* p = piece("NSFX"))
        parts[kSuffix] = Clean(*p);
    const std::string* surname = piece("SURN");
    const std::string* surnamePrefix = piece("SPFX");
    if (surname != nullptr)
        parts[kSurname] = Clean(*surname);
    // A surname prefix given on its own belongs in front of the surname, unless the value already has it.
    if (surnamePrefix != nullptr) {
        const std::string prefix = Clean(*surnamePrefix);
        if (!parts[kSurname].starts_with(prefix + " "))
            parts[kSurname] = Clean(prefix + " " + parts[kSurname]);
    }
    return parts;
}
