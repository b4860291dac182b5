#pragma once

// The C library's white space in the "C" locale, whatever locale the program runs in.
constexpr bool IsWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
