#pragma once

// The ANSEL (ANSI Z39.47) characters above 0x7F as GEDCOM uses them.
class AnselTable {
public:
    // The character of a spacing code (0xA1 to 0xCF), or 0.
    static char32_t Spacing(unsigned char byte);
    // The Unicode combining mark of a code from 0xE0 up, or 0.
    static char32_t CombiningMark(unsigned char byte);
    // The single character of an ASCII letter with the mark, or 0 when Unicode has none.
    static char32_t Compose(char32_t mark, char32_t base);
};
