#include "tools/gedcom2project/GedcomDate.h"

#include "tools/gedcom2project/GedcomText.h"
#include "tools/gedcom2project/Utf8Text.h"
#include "tools/projectwriter/StoredDate.h"

#include <array>
#include <cctype>
#include <optional>
#include <vector>

namespace {

constexpr int kMonths = 12;
constexpr int kMaxYear = 9999;
constexpr int kMaxYearDigits = 4;
constexpr int kMaxDayDigits = 2;
constexpr int kLeapCycle = 4;
constexpr int kCentury = 100;
constexpr int kGregorianCycle = 400;
constexpr std::string_view kInterpreted = "INT ";
constexpr std::array<const char*, kMonths> kMonthNames = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                          "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
constexpr std::array<int, kMonths> kMonthDays = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int kFebruary = 2;
constexpr int kFebruaryCommonDays = 28;

enum class Calendar { Gregorian, Julian, Other };

bool IsLeap(int year, Calendar calendar)
{
    if (calendar == Calendar::Julian)
        return year % kLeapCycle == 0;
    return (year % kLeapCycle == 0 && year % kCentury != 0) || year % kGregorianCycle == 0;
}

std::vector<std::string> Words(std::string_view text)
{
    std::vector<std::string> words;
    std::string word;
    for (const char c : text) {
        if (c == ' ' || c == '\t') {
            if (!word.empty())
                words.push_back(std::move(word));
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty())
        words.push_back(std::move(word));
    return words;
}

std::optional<int> Number(const std::string& word, std::size_t maxDigits)
{
    if (word.empty() || word.size() > maxDigits)
        return std::nullopt;
    int value = 0;
    for (const char c : word) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// Reads one date from words[at...]; stops at `stop` (AND, TO) or the end.
struct DateReader {
    const std::vector<std::string>& words;
    std::size_t at = 0;
    std::string unsupported{};  // a calendar or epoch the project cannot store

    std::optional<StoredDate::Day> Read(const char* stop)
    {
        std::vector<std::string> parts;
        Calendar calendar = Calendar::Gregorian;
        bool first = true;
        for (; at < words.size() && (stop == nullptr || words[at] != stop); ++at) {
            const std::string& word = words[at];
            if (first && (word == "@#DGREGORIAN@" || word == "GREGORIAN")) {
                calendar = Calendar::Gregorian;
            } else if (first && (word == "@#DJULIAN@" || word == "JULIAN")) {
                calendar = Calendar::Julian;
            } else if (first && word.starts_with("@#D")) {
                calendar = Calendar::Other;
                unsupported = "calendar " + word;
                // "@#DFRENCH R@" holds a blank.
                while (at < words.size() && words[at].back() != '@')
                    ++at;
            } else if (first && (word == "FRENCH_R" || word == "HEBREW")) {
                calendar = Calendar::Other;
                unsupported = "calendar " + word;
            } else {
                parts.push_back(word);
            }
            first = false;
        }
        if (calendar == Calendar::Other)
            return std::nullopt;
        if (!parts.empty() && (parts.back() == "B.C." || parts.back() == "BCE" || parts.back() == "BC")) {
            unsupported = "a year before Christ";
            return std::nullopt;
        }
        return FromParts(parts, calendar);
    }

    static std::optional<StoredDate::Day> FromParts(const std::vector<std::string>& parts, Calendar calendar)
    {
        if (parts.empty() || parts.size() > 3)
            return std::nullopt;
        StoredDate::Day day;
        day.oldStyle = calendar == Calendar::Julian;
        std::string year = parts.back();
        if (const std::size_t slash = year.find('/'); slash != std::string::npos) {
            // A dual year, 1699/00 or 1699/1700: the old-style year as written.
            const auto second = Number(year.substr(slash + 1), kMaxYearDigits);
            if (!second)
                return std::nullopt;
            year.erase(slash);
            day.oldStyle = true;
        }
        const auto y = Number(year, kMaxYearDigits);
        if (!y || *y < 1 || *y > kMaxYear)
            return std::nullopt;
        day.year = *y;
        if (parts.size() >= 2) {
            const std::string& month = parts[parts.size() - 2];
            for (int m = 0; m < kMonths; ++m) {
                if (month == kMonthNames[static_cast<std::size_t>(m)])
                    day.month = m + 1;
            }
            if (day.month == 0)
                return std::nullopt;
        }
        if (parts.size() == 3) {
            const auto d = Number(parts[0], kMaxDayDigits);
            int days = kMonthDays[static_cast<std::size_t>(day.month - 1)];
            if (day.month == kFebruary && !IsLeap(day.year, calendar))
                days = kFebruaryCommonDays;
            if (!d || *d < 1 || *d > days)
                return std::nullopt;
            day.day = *d;
        }
        return day;
    }
};

GedcomDate::Result Irregular(std::string_view text, std::string fault)
{
    std::string kept = Utf8Text::Cut(text, GedcomDate::kIrregularLength);
    if (kept.size() < text.size() && fault.empty())
        fault = "date phrase longer than " + std::to_string(GedcomDate::kIrregularLength) + " bytes";
    return {StoredDate::Irregular(kept), std::move(fault)};
}

}  // namespace

GedcomDate::Result GedcomDate::ToStored(std::string_view value)
{
    const std::string text = GedcomText::Trim(value);
    if (text.empty())
        return {};
    if (text.front() == '(' && text.back() == ')')
        return Irregular(GedcomText::Trim(std::string_view(text).substr(1, text.size() - 2)), {});
    std::string upper = GedcomText::Upper(text);
    // An interpreted date keeps its date; the phrase is the source's wording.
    bool interpreted = false;
    if (upper.starts_with(kInterpreted)) {
        const std::size_t open = upper.find('(');
        const std::size_t start = kInterpreted.size();
        upper = upper.substr(start, open == std::string::npos ? std::string::npos : open - start);
        interpreted = true;
    }
    const std::vector<std::string> words = Words(upper);
    DateReader reader{words};
    char qualifier = StoredDate::kExact;
    const char* secondKeyword = nullptr;
    if (!words.empty()) {
        const std::string& w = words[0];
        reader.at = 1;
        if (w == "ABT" || w == "CAL") {
            qualifier = StoredDate::kCirca;
        } else if (w == "EST") {
            qualifier = StoredDate::kSay;
        } else if (w == "BEF" || w == "TO") {
            qualifier = StoredDate::kBefore;
        } else if (w == "AFT") {
            qualifier = StoredDate::kAfter;
        } else if (w == "BET") {
            qualifier = StoredDate::kBetween;
            secondKeyword = "AND";
        } else if (w == "FROM") {
            // FROM alone is an after-date; with TO it becomes a from-to date.
            qualifier = StoredDate::kAfter;
            secondKeyword = "TO";
        } else {
            reader.at = 0;
        }
    }
    const std::string unreadable = interpreted ? "interpreted date that cannot be read" : "date that cannot be read";
    const auto first = reader.Read(secondKeyword);
    if (!first)
        return Irregular(text, reader.unsupported.empty() ? unreadable : reader.unsupported + " kept as text");
    StoredDate::Day second;
    if (secondKeyword != nullptr) {
        const bool hasSecond = reader.at < words.size();
        if (hasSecond) {
            ++reader.at;
            const auto read = reader.Read(nullptr);
            if (!read)
                return Irregular(text,
                                 reader.unsupported.empty() ? unreadable : reader.unsupported + " kept as text");
            second = *read;
            qualifier = qualifier == StoredDate::kBetween ? StoredDate::kBetween : StoredDate::kFromTo;
        } else if (qualifier == StoredDate::kBetween) {
            return Irregular(text, "BET without AND");
        }
    }
    if (reader.at < words.size())
        return Irregular(text, unreadable);
    return {StoredDate::Regular(qualifier, *first, second), {}};
}
