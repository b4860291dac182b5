#pragma once

#include <string>

// Dates as a project stores them: 21 characters "1" + yyyymmdd + old-style
// flag + qualifier + second yyyymmdd + its old-style flag + question flag, or
// "0" followed by free text for an irregular date. Unknown parts are 0.
struct StoredDay {
    int year = 0;
    int month = 0;
    int day = 0;
    bool oldStyle = false;
};

class StoredDate {
public:
    // Qualifiers.
    static constexpr char kBefore = '0';
    static constexpr char kSay = '1';
    static constexpr char kCirca = '2';
    static constexpr char kExact = '3';
    static constexpr char kAfter = '4';
    static constexpr char kBetween = '5';
    static constexpr char kOr = '6';
    static constexpr char kFromTo = '7';

    using Day = StoredDay;

    static std::string Exact(int year, int month = 0, int day = 0);
    static std::string Regular(char qualifier, const Day& first, const Day& second = {}, bool questioned = false);
    static std::string Irregular(const std::string& text);
};
