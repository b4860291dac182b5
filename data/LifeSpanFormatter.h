#pragma once

#include <cstdint>
#include <string>

class DatabaseOptions;
class DateFormatter;

// "(birth - death)" for fan-chart cells, shortened to a length when asked:
// coarser date layouts, irregular dates dropped, shorter qualifier words,
// and at last the years alone.
class LifeSpanFormatter {
public:
    LifeSpanFormatter(const DatabaseOptions& options, const DateFormatter& dates);

    // birth and death in the library's date form, empty when unknown;
    // maxLength 0 means no limit.
    std::string FormatLifeSpan(const std::string& birth, const std::string& death, std::int32_t maxLength) const;

private:
    std::string DateText(const std::string& date, std::int32_t layout) const;
    std::string Span(const std::string& birth, const std::string& death, std::int32_t layout) const;
    std::string ReplaceWords(const std::string& text, std::size_t from, std::size_t to) const;

    const DatabaseOptions& m_options;
    const DateFormatter& m_dates;
};
