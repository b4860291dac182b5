#pragma once

#include <string>
#include <string_view>
#include <vector>

// A GEDCOM place (jurisdictions from the smallest to the largest, separated by
// commas) as the project's place parts: 0 addressee, 1 detail, 2 city,
// 3 county, 4 state, 5 country, 6 postal code, 7 unused.
class GedcomPlace {
public:
    static constexpr std::size_t kParts = 8;
    enum Part : std::size_t { kAddressee, kDetail, kCity, kCounty, kState, kCountry, kPostal };

    // `form` is the PLAC FORM of the file or of the place ("City, County, State,
    // Country"); without one the last four jurisdictions are taken as city,
    // county, state and country, fewer as city, [state,] country, and any before
    // them as detail.
    static std::vector<std::string> Parts(std::string_view place, std::string_view form);
};
