#pragma once

#include <cstdint>
#include <string>

// Cutting the library's delimited replies: fields end in "|", parts are
// separated by "~", date parts by "/".
class ReplyText {
public:
    // The index-th piece (from 0) of text cut at every separator; the piece
    // after the last separator counts, an index beyond the last piece is empty.
    static std::string Token(const std::string& text, int index, char separator);

    // Leading blanks, an optional sign, then digits up to the first other
    // character; 0 when there are none. Saturates instead of overflowing.
    static std::int32_t Integer(const std::string& text);
};
