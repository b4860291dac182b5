#pragma once

#include <cstdint>
#include <string_view>

// Writes the reply of one export call into the caller's buffer, counting every
// character against the buffer size given to KxInit. A reply that would not
// fit with its terminator is cut (the buffer keeps size - 1 characters and a
// NUL) and raises kOverflowCode.
class ReplyWriter {
public:
    // Non-fatal: the caller keeps the cut reply.
    static constexpr int kOverflowCode = 10;

    void Begin(char* out, int32_t size);
    void Put(char c);
    void Put(std::string_view text);
    // A field: the value, then "|".
    void Field(std::string_view value);
    // Terminates the reply at the cursor.
    void Finish();
    // Empties the reply (after an error or at the end of a list).
    void Clear();
    // The reply written so far.
    std::string_view Text() const { return std::string_view(m_pOut, static_cast<size_t>(m_nCount)); }
    // Writes the reply anew with the given text, under the same limit.
    void Rewrite(std::string_view text);

private:
    [[noreturn]] void Overflow();

    char* m_pOut = nullptr;
    int32_t m_nSize = 0;
    int32_t m_nCount = 0;
};
