#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The UTF-8 helpers of the importer: the project stores UTF-8, and every cut to a
// field's width must fall between characters, or the program would no longer read
// the text as UTF-8.
class Utf8Text {
public:
    static constexpr char32_t kReplacement = 0xFFFD;

    static void Append(std::string& text, char32_t codePoint);
    // Length of the valid sequence starting at `at`, or 0 when the bytes there are not UTF-8.
    static std::size_t SequenceLength(std::string_view text, std::size_t at);
    static bool IsValid(std::string_view text);
    static bool IsAscii(std::string_view text);
    // The longest prefix of at most maxBytes bytes that ends on a character boundary.
    static std::string Cut(std::string_view text, std::size_t maxBytes);
};
