#pragma once

#include "data/AccentRule.h"
#include "data/DetailEntry.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class CommandFile;

// The formatting options of a command file's [database] section.
class DatabaseOptions {
public:
    // The qualifier words in the order the life span replaces them.
    enum Word { Before, Say, Circa, Exact, After, Between, And, Either, Or, From, To, WordCount };
    // Place parts in printing order, with their positions in the place text.
    static constexpr std::array<int, 8> kPlacePositions = {0, 1, 2, 3, 4, 5, 6, 9};

    void Load(const CommandFile& file);

    // "" -> "-0123", "3" -> "3", "2" -> "23", "1" -> "123", "0" -> "0123",
    // "-" -> "-0123"; other texts stay.
    static std::string NormaliseSuretyThreshold(const std::string& threshold);
    // An empty surety reads as one blank.
    bool IsSuretyAccepted(const std::string& surety) const;

    std::int32_t m_nNameCapStyle = 0;
    std::string m_sBlankName;
    std::int32_t m_nZNTidentifier = 0;
    bool m_bAddBlanksForMissing = false;
    bool m_bShowExcluded = false;
    bool m_bShowSensitive = false;
    bool m_bShowBrackets = false;
    std::string m_sUnknownPhrase = "Unknown";
    std::string m_sSuretyThreshold = "-0123";

    std::int32_t m_nDateFormat = 0;
    std::array<std::string, 12> m_sMonths;
    // [0] the plain words, [1] and [2] the shorter variants of the life span.
    std::array<std::array<std::string, WordCount>, 3> m_sWords;

    bool m_bShowDetailsLiving = false;
    std::string m_sLivingPhrase;
    std::array<bool, kPlacePositions.size()> m_bShowPlace{};
    bool m_bShowPlaceCommasMissing = false;
    bool m_bShowPlaceTrimLeadTrail = false;
    std::string m_sPlacePreposition;

    std::vector<DetailEntry> m_listM;
    std::vector<DetailEntry> m_listS;
    std::vector<DetailEntry> m_listB;
    std::vector<DetailEntry> m_listP;
    std::vector<std::string> m_listD;

    bool m_bUseAccentColors = false;
    bool m_bUseAccentConflict = false;
    AccentRule m_accentDefault;
    AccentRule m_accentConflict;
    std::vector<AccentRule> m_accentRules;
};
