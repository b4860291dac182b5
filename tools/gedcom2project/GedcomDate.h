#pragma once

#include <string>
#include <string_view>

// A GEDCOM date value in the project's stored date form:
//   exact, month and year, year      -> exact (unknown parts 0)
//   ABT, CAL / EST                   -> circa / say
//   BEF / AFT                        -> before / after
//   BET d AND d / FROM d TO d        -> between / from-to with both dates
//   FROM d / TO d                    -> after / before
//   dual year 1699/00, @#DJULIAN@ d  -> the year as written, marked old style
//   INT d (phrase)                   -> d
//   (phrase), other calendars, B.C.  -> irregular text
// Text that is no date at all is kept as irregular text and reported.
class GedcomDate {
public:
    // Room for the text of an irregular date (the stored field holds 21 characters).
    static constexpr std::size_t kIrregularLength = 20;

    struct Result {
        std::string stored;  // empty for an empty value
        std::string fault;   // empty when the value was read as GEDCOM intends
    };

    static Result ToStored(std::string_view value);
};
