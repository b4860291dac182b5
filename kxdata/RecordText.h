#pragma once

#include "kxdata/ReplyWriter.h"

#include <string>
#include <string_view>

// How the bytes of a memo reach a reply.
enum class MemoMapping {
    Plain,  // "~" and "|" become "/"
    Name,   // as Plain, then "!" and "&" dropped and "$" (the part separator) becomes "~"
    Raw,    // unchanged (file names)
};

// Writes a memo's bytes with the mapping (NUL bytes always dropped), then "|".
void WriteMemoField(ReplyWriter& reply, std::string_view bytes, MemoMapping mapping);

// Writes a stored date (21-character form, or "0" and free text) in the
// library's date form, then "|".
void WriteDateField(ReplyWriter& reply, std::string_view stored);

// "|" becomes "!", "~" becomes "-", byte 0x01 becomes "~"; a run of 0x01 at
// the very end is dropped.
std::string EscapeText(std::string_view text);

// Replaces every occurrence of from, left to right, continuing after each
// replacement; returns the number of replacements.
int ReplaceAll(std::string& text, std::string_view from, std::string_view to);
