#pragma once

#include <cstdint>
#include <string>

// One entry of the detail lists LM, LS, LB and LP, such as "4 0 B": the event
// group, the tag type (0 = any of the group) and what to print.
class DetailEntry {
public:
    // text is upper-cased before it is read.
    explicit DetailEntry(const std::string& text);

    std::int32_t m_nGroup = 0;
    std::int32_t m_nType = 0;
    char m_cLetter = 0;  // 'D' date, 'P' place, 'B' both; anything else prints nothing

    bool ShowsDate() const { return m_cLetter == 'D' || m_cLetter == 'B'; }
    bool ShowsPlace() const { return m_cLetter == 'P' || m_cLetter == 'B'; }
};
