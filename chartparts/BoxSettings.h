#pragma once

#include "engine/CODFontProperties.h"
#include "platform/WinTypes.h"

#include <string>

class CommandFile;

// Weight 700 when the upper-cased attribute text starts with "BOLD", else
// 400; italic when it holds "ITAL".
void ApplyFontAttribute(CODFontProperties& font, const std::string& attribute);

// The [Box] settings of a command file, read once for all the boxes of a
// chart run (each box copies them when it is constructed).
struct BoxSettings {
    int m_nWidth = 0;
    int m_nHeight = 0;
    bool m_bShowPorts = false;
    bool m_bShadow = false;
    COLORREF m_crLine = 0;
    COLORREF m_crAccentText = 0;
    COLORREF m_crShadow = 0;
    COLORREF m_crFill = 0;
    int m_nLineWidth = 0;
    std::string m_strPictureLocation;
    int m_nPictureHeight = 0;
    int m_nPictureWidth = 0;
    CODFontProperties m_nameFont;
    CODFontProperties m_detailFont;

    // Every key in the order the box reads them, with the picture size settled.
    static BoxSettings Read(const CommandFile& file);
};
