#pragma once

#include <string>

// 8-bit text as the project files store it: a string that is valid UTF-8 and
// holds a non-ASCII byte is UTF-8, any other is Windows-1252. Case changes keep
// the string's own encoding.
class TextCodec {
public:
    static bool IsUtf8(const std::string& text);
    static std::string ToUpper(const std::string& text);
    static std::string ToLower(const std::string& text);
};
