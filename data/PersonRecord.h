#pragma once

#include <cstdint>
#include <string>

// The current person of a ProjectDatabase, as read from the person record.
struct PersonRecord {
    std::int32_t m_nId = 0;
    std::string m_sReference;
    std::string m_sSex;
    std::string m_sBirth = "0000/00/00";  // library date form
    std::string m_sDeath = "0000/00/00";
    std::int32_t m_nFather = 0;  // 0 also when the father link's surety is not accepted
    std::string m_sFatherSurety;
    std::int32_t m_nMother = 0;
    std::string m_sMotherSurety;
    std::string m_sBirthOrder = "?";
};
