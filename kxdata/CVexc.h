#pragma once

#include <cstdint>
#include <exception>

// The one exception of the library: carries a result code from the file layer
// to the exported function. The message already sits in the caller's buffer.
class CVexc : public std::exception {
public:
    explicit CVexc(int32_t code) : m_nCode(code) {}
    int32_t Code() const { return m_nCode; }
    const char* what() const noexcept override { return "Kxdata error"; }

private:
    int32_t m_nCode;
};
