#pragma once

#include <cstddef>
#include <string>

// Character-level views of 8-bit display text: a UTF-8 text counts and cuts by
// whole characters, any other text byte by byte (Windows-1252).
class DisplayText {
public:
    // Characters as the reader sees them; length limits are compared with this.
    static std::size_t CharacterCount(const std::string& text);

    // The first character, with all its bytes.
    static std::string FirstCharacter(const std::string& text);

    // True when the byte at index is a blank: 0x20, or 0xA0 (NBSP) that is not
    // the trailing byte of a UTF-8 character such as "à".
    static bool IsBlankAt(const std::string& text, std::size_t index);

    // The layouts write NBSP as the byte 0xA0. In a text that is otherwise UTF-8
    // (a place or month name with accents) that byte would make the whole text
    // read as Windows-1252, so there each such NBSP becomes its UTF-8 form.
    static std::string ConsistentNbsp(const std::string& text);

    // Every occurrence of what replaced by with, scanning on after each insertion;
    // an empty what replaces nothing.
    static std::string ReplaceAll(const std::string& text, const std::string& what, const std::string& with);

    // Without the given characters at the start, at the end, or both.
    static std::string TrimLeft(const std::string& text, const char* characters);
    static std::string TrimRight(const std::string& text, const char* characters);
    static std::string Trim(const std::string& text, const char* characters);

    // The C white-space set; NBSP is not in it.
    static constexpr const char* kWhiteSpace = " \t\n\v\f\r";
};
