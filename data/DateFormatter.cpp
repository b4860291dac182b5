#include "data/DateFormatter.h"

#include "data/DatabaseOptions.h"
#include "data/DisplayText.h"
#include "data/ReplyText.h"
#include "platform/ParseInt32.h"
#include "platform/TextCodec.h"

#include <array>

namespace {

bool IsNameLayout(std::int32_t layout)
{
    return (layout >= 6 && layout <= 9) || (layout >= 16 && layout <= 19);
}

bool IsUpperLayout(std::int32_t layout)
{
    return layout == 9 || layout == 17 || layout == 19 || layout == 27 || layout == 29;
}

struct Qualifier {
    const char* prefix;
    DatabaseOptions::Word first;
    DatabaseOptions::Word second;  // WordCount when the qualifier has one date
};

constexpr std::array<Qualifier, 8> kQualifiers = {{
    {">Before:", DatabaseOptions::Before, DatabaseOptions::WordCount},
    {">Say:", DatabaseOptions::Say, DatabaseOptions::WordCount},
    {">Circa:", DatabaseOptions::Circa, DatabaseOptions::WordCount},
    {">Exact:", DatabaseOptions::Exact, DatabaseOptions::WordCount},
    {">After:", DatabaseOptions::After, DatabaseOptions::WordCount},
    {">Between:", DatabaseOptions::Between, DatabaseOptions::And},
    {">Or:", DatabaseOptions::Either, DatabaseOptions::Or},
    {">From-To:", DatabaseOptions::From, DatabaseOptions::To},
}};

}  // namespace

DateFormatter::DateFormatter(const DatabaseOptions& options)
    : m_options(options)
{
}

std::string DateFormatter::FormatDate(const std::string& date) const
{
    return FormatDate(date, m_options.m_nDateFormat);
}

std::string DateFormatter::FormatDatePart(const std::string& date) const
{
    return FormatDatePart(date, m_options.m_nDateFormat);
}

std::string DateFormatter::FormatDatePart(const std::string& date, std::int32_t layout) const
{
    const std::int32_t year = ParseInt32(ReplyText::Token(date, 0, '/'));
    const std::int32_t month = ParseInt32(ReplyText::Token(date, 1, '/'));
    const std::int32_t day = ParseInt32(ReplyText::Token(date, 2, '/'));
    const bool blanks = m_options.m_bAddBlanksForMissing;

    const std::string D = day != 0 ? std::to_string(day) : (blanks ? "__" : "");
    const std::string Y = year != 0 ? std::to_string(year) : (blanks ? "____" : "");
    std::string M;
    if (IsNameLayout(layout)) {
        if (month >= 1 && month <= 12)
            M = m_options.m_sMonths[static_cast<std::size_t>(month - 1)];
        else if (month == 0 && blanks)
            M = "_____";
    } else {
        M = month != 0 ? std::to_string(month) : (blanks ? "__" : "");
    }

    const std::string nbsp(1, kNbsp);
    std::string text;
    switch (layout) {
    case 1: text = M + "/" + D + "/" + Y; break;
    case 2: text = Y + "." + M + "." + D; break;
    case 3: text = D + "/" + M + "/" + Y; break;
    case 4: text = D + "." + M + "." + Y; break;
    case 5: text = D + "-" + M + "-" + Y; break;
    case 6:
    case 7: text = D.empty() && M.empty() ? Y : M + nbsp + D + "," + nbsp + Y; break;
    case 11:
    case 13: text = M + "/" + Y; break;
    case 12: text = Y + "." + M; break;
    case 14: text = M + "." + Y; break;
    case 15: text = M + "-" + Y; break;
    case 16:
    case 17: text = M.empty() ? Y : M + nbsp + Y; break;
    case 18:
    case 19: text = M + nbsp + Y; break;
    case 21: case 22: case 23: case 24: case 25: case 26: case 27: case 28: case 29: text = Y; break;
    default: text = D + nbsp + M + nbsp + Y; break;  // 0, 8, 9, 10, 20 and any other code
    }
    if (IsUpperLayout(layout))
        text = TextCodec::ToUpper(text);
    return DisplayText::Trim(text, DisplayText::kWhiteSpace);
}

std::string DateFormatter::FormatDate(const std::string& date, std::int32_t layout) const
{
    if (date.empty())
        return {};
    std::string t = date;
    std::string question;
    if (t.front() == '?') {
        question = " ?";
        t.erase(0, 1);
    }
    std::string W1;
    std::string D1;
    std::string W2;
    std::string D2;
    if (t.starts_with(">")) {
        const auto& words = m_options.m_sWords[0];
        const Qualifier* found = nullptr;
        for (const Qualifier& qualifier : kQualifiers) {
            if (t.starts_with(qualifier.prefix)) {
                found = &qualifier;
                break;
            }
        }
        if (found != nullptr) {
            const std::size_t start = std::char_traits<char>::length(found->prefix);
            W1 = words[found->first] + " ";
            D1 = FormatDatePart(t.substr(start), layout);
            if (found->second != DatabaseOptions::WordCount) {
                W2 = " " + words[found->second] + " ";
                // The from-to qualifier holds a "-" itself; its second date follows the next one.
                const std::size_t from = found->first == DatabaseOptions::From ? start : 0;
                const std::size_t dash = t.find('-', from);
                if (dash != std::string::npos)
                    D2 = FormatDatePart(t.substr(dash + 1), layout);
            }
        } else if (t.starts_with(">Irreg:")) {
            D1 = t.substr(7);
        } else {
            W1 = "Date Error: " + t;
        }
    } else {
        D1 = FormatDatePart(t, layout);
    }
    return CollapseBlanks(W1 + D1 + W2 + D2 + question);
}

std::string DateFormatter::CollapseBlanks(const std::string& text)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i + 1 < text.size() && DisplayText::IsBlankAt(text, i) && DisplayText::IsBlankAt(text, i + 1))
            continue;
        result += text[i];
    }
    return result;
}
