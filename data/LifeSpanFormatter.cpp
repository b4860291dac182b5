#include "data/LifeSpanFormatter.h"

#include "data/DatabaseOptions.h"
#include "data/DateFormatter.h"
#include "data/DisplayText.h"
#include "data/ReplyText.h"

#include <utility>

namespace {

const std::string kNoDate = "0000/00/00";

bool Fits(const std::string& text, std::int32_t maxLength)
{
    return DisplayText::CharacterCount(text) <= static_cast<std::size_t>(maxLength);
}

// The year of a date, after the qualifier and, for a second date, after its "-".
std::string Year(std::string date, bool afterDash)
{
    const std::size_t colon = date.find(':');
    if (colon != std::string::npos && colon > 0)
        date = date.substr(colon + 1);
    if (afterDash) {
        const std::size_t dash = date.find('-');
        if (dash != std::string::npos && dash > 0)
            date = date.substr(dash + 1);
    }
    std::string year = ReplyText::Token(date, 0, '/');
    return year == "0000" ? std::string() : year;
}

}  // namespace

LifeSpanFormatter::LifeSpanFormatter(const DatabaseOptions& options, const DateFormatter& dates)
    : m_options(options)
    , m_dates(dates)
{
}

std::string LifeSpanFormatter::DateText(const std::string& date, std::int32_t layout) const
{
    std::string text = m_dates.FormatDate(date, layout);
    std::erase(text, '_');
    return DisplayText::Trim(text, DisplayText::kWhiteSpace);
}

std::string LifeSpanFormatter::Span(const std::string& birth, const std::string& death, std::int32_t layout) const
{
    const std::string b = DateText(birth, layout);
    const std::string d = DateText(death, layout);
    if (b.empty() && d.empty())
        return {};
    return "(" + b + " - " + d + ")";
}

std::string LifeSpanFormatter::ReplaceWords(const std::string& text, std::size_t from, std::size_t to) const
{
    std::string result = text;
    for (std::size_t w = 0; w < DatabaseOptions::WordCount; ++w)
        result = DisplayText::ReplaceAll(result, m_options.m_sWords[from][w], m_options.m_sWords[to][w]);
    return DateFormatter::CollapseBlanks(result);
}

std::string LifeSpanFormatter::FormatLifeSpan(const std::string& birth, const std::string& death,
                                              std::int32_t maxLength) const
{
    std::string B = birth.find(kNoDate) != std::string::npos ? std::string() : birth;
    std::string D = death.find(kNoDate) != std::string::npos ? std::string() : death;

    std::string result;
    if (maxLength <= 0) {
        const std::string b = DateText(B, m_options.m_nDateFormat);
        if (!b.empty())
            result = "(" + b + " - " + DateText(D, m_options.m_nDateFormat) + ")";
    } else {
        std::int32_t layout = m_options.m_nDateFormat;
        for (int pass = 1; pass <= 4; ++pass) {
            result = Span(B, D, layout);
            if (Fits(result, maxLength))
                break;
            if (pass <= 2) {
                layout += 10;
            } else if (pass == 3) {
                if (B.starts_with(">Irreg:"))
                    B = kNoDate;
                if (D.starts_with(">Irreg:"))
                    D = kNoDate;
            }
        }
        result = DateFormatter::CollapseBlanks(result);
        if (!Fits(result, maxLength))
            result = ReplaceWords(result, 0, 1);
        if (!Fits(result, maxLength))
            result = ReplaceWords(result, 1, 2);
        if (!Fits(result, maxLength)) {
            std::string years("(");
            years += Year(B, false);
            years += " - ";
            years += Year(D, true);
            years += ')';
            result = std::move(years);
        }
    }
    result = DateFormatter::CollapseBlanks(result);
    return result == "( - )" ? std::string() : result;
}
