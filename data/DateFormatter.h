#pragma once

#include <cstdint>
#include <string>

class DatabaseOptions;

// Turns the library's date form ("?", ">Before:", "1850/06/15", "(Old)",
// ">Irreg:" and free text) into display text by the [database] options.
class DateFormatter {
public:
    explicit DateFormatter(const DatabaseOptions& options);

    // With the options' DateFormat, or with the layout code given.
    std::string FormatDate(const std::string& date) const;
    std::string FormatDate(const std::string& date, std::int32_t layout) const;

    // One date year/month/day; whatever follows the day's digits is ignored.
    std::string FormatDatePart(const std::string& date) const;
    std::string FormatDatePart(const std::string& date, std::int32_t layout) const;

    // Drops every blank (0x20 or NBSP) that another blank follows.
    static std::string CollapseBlanks(const std::string& text);

    static constexpr char kNbsp = '\xA0';

private:
    const DatabaseOptions& m_options;
};
