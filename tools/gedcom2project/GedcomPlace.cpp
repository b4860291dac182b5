#include "tools/gedcom2project/GedcomPlace.h"

#include "tools/gedcom2project/GedcomText.h"

#include <array>
#include <optional>

namespace {

std::vector<std::string> Split(std::string_view text)
{
    std::vector<std::string> pieces;
    for (std::size_t start = 0;;) {
        const std::size_t comma = text.find(',', start);
        pieces.push_back(GedcomText::Trim(text.substr(start, comma == std::string_view::npos ? comma : comma - start)));
        if (comma == std::string_view::npos)
            return pieces;
        start = comma + 1;
    }
}

struct Jurisdiction {
    const char* word;
    GedcomPlace::Part part;
};

// Jurisdiction names of PLAC FORM, matched without regard to case.
constexpr std::array<Jurisdiction, 16> kJurisdictions = {{
    {"ADDRESSEE", GedcomPlace::kAddressee}, {"ADDRESS", GedcomPlace::kDetail},   {"STREET", GedcomPlace::kDetail},
    {"CITY", GedcomPlace::kCity},           {"TOWN", GedcomPlace::kCity},        {"VILLAGE", GedcomPlace::kCity},
    {"PARISH", GedcomPlace::kCity},         {"COUNTY", GedcomPlace::kCounty},    {"DISTRICT", GedcomPlace::kCounty},
    {"STATE", GedcomPlace::kState},         {"PROVINCE", GedcomPlace::kState},   {"REGION", GedcomPlace::kState},
    {"COUNTRY", GedcomPlace::kCountry},     {"NATION", GedcomPlace::kCountry},   {"POSTAL CODE", GedcomPlace::kPostal},
    {"ZIP", GedcomPlace::kPostal},
}};

std::optional<GedcomPlace::Part> PartOfJurisdiction(const std::string& name)
{
    const std::string upper = GedcomText::Upper(name);
    for (const Jurisdiction& j : kJurisdictions) {
        if (upper == j.word)
            return j.part;
    }
    return std::nullopt;
}

void Put(std::vector<std::string>& parts, GedcomPlace::Part part, const std::string& piece)
{
    std::string& target = parts[part];
    if (piece.empty())
        return;
    if (!target.empty())
        target += ", ";
    target += piece;
}

}  // namespace

std::vector<std::string> GedcomPlace::Parts(std::string_view place, std::string_view form)
{
    std::vector<std::string> parts(kParts);
    const std::vector<std::string> pieces = Split(place);
    const std::vector<std::string> names = form.empty() ? std::vector<std::string>() : Split(form);
    if (!names.empty()) {
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            const auto part = i < names.size() ? PartOfJurisdiction(names[i]) : std::nullopt;
            Put(parts, part.value_or(kDetail), pieces[i]);
        }
        return parts;
    }
    static constexpr std::array<Part, 4> kFour = {kCity, kCounty, kState, kCountry};
    static constexpr std::array<Part, 3> kThree = {kCity, kState, kCountry};
    static constexpr std::array<Part, 2> kTwo = {kCity, kCountry};
    const std::size_t n = pieces.size();
    const Part* tail = n >= kFour.size() ? kFour.data() : n == kThree.size() ? kThree.data() : kTwo.data();
    const std::size_t tailLength = n >= kFour.size() ? kFour.size() : n;
    const std::size_t firstTail = n - tailLength;
    for (std::size_t i = 0; i < firstTail; ++i)
        Put(parts, kDetail, pieces[i]);
    if (n == 1) {
        Put(parts, kCity, pieces[0]);
        return parts;
    }
    for (std::size_t i = 0; i < tailLength; ++i)
        Put(parts, tail[i], pieces[firstTail + i]);
    return parts;
}
