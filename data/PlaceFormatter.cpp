#include "data/PlaceFormatter.h"

#include "data/DatabaseOptions.h"
#include "data/DisplayText.h"
#include "data/NameFormatter.h"
#include "data/ReplyText.h"

PlaceFormatter::PlaceFormatter(const DatabaseOptions& options, const NameFormatter& names)
    : m_options(options)
    , m_names(names)
{
}

std::string PlaceFormatter::FormatPlace(const std::string& reply) const
{
    // The record's closing "|" is not part of the last place part.
    std::string text = reply;
    if (!text.empty() && text.back() == '|')
        text.pop_back();

    std::string result;
    for (std::size_t i = 0; i < DatabaseOptions::kPlacePositions.size(); ++i) {
        if (!m_options.m_bShowPlace[i])
            continue;
        const std::string part = m_names.CleanPart(ReplyText::Token(text, DatabaseOptions::kPlacePositions[i], '~'));
        if (!part.empty())
            result += part + ", ";
        else if (m_options.m_bShowPlaceCommasMissing)
            result += ", ";
    }
    result = DisplayText::TrimRight(DisplayText::Trim(result, DisplayText::kWhiteSpace), ",");
    if (m_options.m_bShowPlaceTrimLeadTrail)
        result = DisplayText::Trim(result, " ,");
    if (result.empty() && m_options.m_bAddBlanksForMissing)
        result = std::string(15, '_');
    return result;
}
