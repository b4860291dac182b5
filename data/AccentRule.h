#pragma once

#include "platform/WinTypes.h"

#include <string>

// Box colours chosen by one of the person's flag values.
struct AccentRule {
    std::string m_sFlag;   // flag name, upper case
    std::string m_sValue;  // value that selects the rule, upper case
    COLORREF m_crText = 0;
    COLORREF m_crFill = 0;
    COLORREF m_crShadow = 0;
    COLORREF m_crLine = 0;
};
