#pragma once

#include <string>

// Cutting the library's delimited replies: fields end in "|", parts are
// separated by "~", date parts by "/".
class ReplyText {
public:
    // The index-th piece (from 0) of text cut at every separator; the piece
    // after the last separator counts, an index beyond the last piece is empty.
    static std::string Token(const std::string& text, int index, char separator);
};
