#pragma once

#include <cstdint>

// The message buffer of the export call in progress; RaiseError and the
// end-of-list answers write into it. Null means "no buffer": nothing is written.
void SetMessageBuffer(char* msg);

// Writes the formatted text into the message buffer (at most kMessageLimit - 1
// characters) without raising.
void WriteMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Writes the message and raises CVexc with the code. Does not return.
[[noreturn]] void RaiseError(int32_t code, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Memory for a table, index or buffer could not be obtained: the library has no
// window system, so the text goes to standard error before the process ends.
[[noreturn]] void OutOfMemory();

// Longest text the library writes into a message buffer, terminator included.
inline constexpr int kMessageLimit = 1024;
