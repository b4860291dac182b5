#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The character sets a GEDCOM file is written in, and their conversion to the
// UTF-8 the project stores (the program reads a valid UTF-8 string with a
// non-ASCII byte as UTF-8, so every accented letter survives).
class GedcomCharset {
public:
    enum class Encoding { Utf8, Utf16LittleEndian, Utf16BigEndian, Ansel, Windows1252 };

    struct Decoded {
        std::string text;              // UTF-8
        std::size_t badBytes = 0;      // bytes that were not of the encoding
        std::size_t firstBadLine = 0;  // line of the first of them, from 1
    };

    // The encoding told by a byte order mark or by the zero bytes of UTF-16
    // around the first "0"; sets bomLength. UTF-8 when the bytes tell nothing.
    static Encoding Detect(std::string_view bytes, std::size_t& bomLength, bool& certain);

    // The encoding named by a HEAD CHAR value; `known` is false for other names,
    // which are then read as UTF-8 when valid and as Windows-1252 otherwise.
    static Encoding FromName(std::string_view name, std::string_view bytes, bool& known);

    static Decoded Decode(std::string_view bytes, Encoding encoding);
};
