#include "data/DatabaseOptions.h"

#include "platform/CommandFile.h"
#include "platform/TextCodec.h"

namespace {

constexpr const char* kSection = "database";

constexpr std::array<const char*, DatabaseOptions::WordCount> kWordKeys = {
    "WordBefore", "WordSay", "WordCirca", "m_sWordExact", "WordAfter", "WordBetween",
    "WordAnd", "WordEither", "WordOr", "WordFrom", "WordTo",
};

constexpr std::array<const char*, DatabaseOptions::kPlacePositions.size()> kPlaceKeys = {
    "ShowPlaceAddressee", "ShowPlaceDetail", "ShowPlaceCity", "ShowPlaceCounty",
    "ShowPlaceState", "ShowPlaceCountry", "ShowPlacePostal", "ShowPlaceTemple",
};

// Keys prefix1, prefix2, ... up to count, until the first missing or empty one.
std::vector<std::string> ReadList(const CommandFile& file, const std::string& prefix, int count)
{
    std::vector<std::string> values;
    for (int i = 1; i <= count; ++i) {
        std::string value = file.GetString(kSection, prefix + std::to_string(i));
        if (value.empty())
            break;
        values.push_back(std::move(value));
    }
    return values;
}

std::vector<DetailEntry> ReadEntries(const CommandFile& file, const std::string& prefix)
{
    std::vector<DetailEntry> entries;
    for (const std::string& text : ReadList(file, prefix, 10))
        entries.emplace_back(text);
    return entries;
}

AccentRule ReadColours(const CommandFile& file, const std::string& text, const std::string& fill,
                       const std::string& shadow, const std::string& line)
{
    AccentRule rule;
    rule.m_crText = file.GetColor(kSection, text);
    rule.m_crFill = file.GetColor(kSection, fill);
    rule.m_crShadow = file.GetColor(kSection, shadow);
    rule.m_crLine = file.GetColor(kSection, line);
    return rule;
}

}  // namespace

void DatabaseOptions::Load(const CommandFile& file)
{
    m_nNameCapStyle = file.GetInt(kSection, "NameCapStyle");
    m_sBlankName = file.GetString(kSection, "BlankName");
    m_nZNTidentifier = file.GetInt(kSection, "ZNTidentifier");
    m_bAddBlanksForMissing = file.GetBool(kSection, "AddBlanksForMissing");
    m_bUseAccentColors = file.GetBool(kSection, "UseAccentColors");
    m_bUseAccentConflict = file.GetBool(kSection, "UseAccentConflict");
    m_bShowExcluded = file.GetBool(kSection, "ShowExcluded");
    m_bShowSensitive = file.GetBool(kSection, "ShowSensitive");
    m_bShowBrackets = file.GetBool(kSection, "ShowBrackets");
    m_bShowDetailsLiving = file.GetBool(kSection, "ShowDetailsLiving");
    m_sLivingPhrase = file.GetString(kSection, "LivingPhrase");
    for (std::size_t i = 0; i < kPlaceKeys.size(); ++i)
        m_bShowPlace[i] = file.GetBool(kSection, kPlaceKeys[i]);
    m_bShowPlaceCommasMissing = file.GetBool(kSection, "ShowPlaceCommasMissing");
    m_bShowPlaceTrimLeadTrail = file.GetBool(kSection, "ShowPlaceTrimLeadTrail");
    m_sPlacePreposition = file.GetString(kSection, "PlacePreposition");

    m_sUnknownPhrase = file.GetString(kSection, "UnknownPhrase");
    if (m_sUnknownPhrase.empty())
        m_sUnknownPhrase = "Unknown";
    m_sSuretyThreshold = NormaliseSuretyThreshold(file.GetString(kSection, "SuretyThresHold"));
    if (file.GetBool(kSection, "BlankSurety"))
        m_sSuretyThreshold += ' ';

    m_nDateFormat = file.GetInt(kSection, "DateFormat");
    for (std::size_t i = 0; i < m_sMonths.size(); ++i)
        m_sMonths[i] = file.GetString(kSection, "Month" + std::to_string(i + 1));
    const std::array<std::string, 3> variants = {"", "1", "2"};
    for (std::size_t v = 0; v < variants.size(); ++v) {
        for (std::size_t w = 0; w < kWordKeys.size(); ++w)
            m_sWords[v][w] = file.GetString(kSection, kWordKeys[w] + variants[v]);
    }

    m_listM = ReadEntries(file, "LM");
    m_listS = ReadEntries(file, "LS");
    m_listB = ReadEntries(file, "LB");
    m_listP = ReadEntries(file, "LP");
    m_listD = ReadList(file, "LD", 11);

    m_accentRules.clear();
    m_accentDefault = AccentRule();
    m_accentConflict = AccentRule();
    if (!m_bUseAccentColors)
        return;
    m_accentDefault = ReadColours(file, "AcTextD", "AcFillD", "AcShadD", "AcLineD");
    if (m_bUseAccentConflict)
        m_accentConflict = ReadColours(file, "AcTextC", "AcFillC", "AcShadC", "AcLineC");
    for (int i = 1; i <= 10; ++i) {
        const std::string n = std::to_string(i);
        const std::string flag = file.GetString(kSection, "AcFlag" + n);
        if (flag.empty())
            break;
        AccentRule rule = ReadColours(file, "AcText" + n, "AcFill" + n, "ACShad" + n, "ACLine" + n);
        rule.m_sFlag = TextCodec::ToUpper(flag);
        rule.m_sValue = TextCodec::ToUpper(file.GetString(kSection, "AcValu" + n));
        m_accentRules.push_back(std::move(rule));
    }
}

std::string DatabaseOptions::NormaliseSuretyThreshold(const std::string& threshold)
{
    if (threshold.empty())
        return "-0123";
    switch (threshold.front()) {
    case '3': return "3";
    case '2': return "23";
    case '1': return "123";
    case '0': return "0123";
    case '-': return "-0123";
    default: return threshold;
    }
}

bool DatabaseOptions::IsSuretyAccepted(const std::string& surety) const
{
    return m_sSuretyThreshold.find(surety.empty() ? std::string(" ") : surety) != std::string::npos;
}
