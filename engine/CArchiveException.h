#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

// A document that cannot be read (or an object that cannot be stored): what
// went wrong and the byte offset where the archive stopped.
class CArchiveException : public std::runtime_error {
public:
    CArchiveException(const std::string& strCause, std::size_t nOffset)
        : std::runtime_error(strCause), m_nOffset(nOffset)
    {
    }

    std::size_t GetOffset() const { return m_nOffset; }

private:
    std::size_t m_nOffset;
};
