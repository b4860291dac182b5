#pragma once

#include <cmath>
#include <cstdint>
#include <cstdlib>

// The two integer rules of the layout code, written once.
// Integer division already truncates toward zero in C++; these cover floats.

// A whole number as a 32-bit integer, held at the ends of the range (and 0
// for NaN), so that far-out geometry from a damaged document stays defined.
inline std::int32_t SaturateToInt32(double whole)
{
    constexpr double kMin = static_cast<double>(INT32_MIN);
    constexpr double kMax = static_cast<double>(INT32_MAX);
    if (!(whole == whole))
        return 0;
    return static_cast<std::int32_t>(whole < kMin ? kMin : whole > kMax ? kMax : whole);
}

// Nearest integer, halves away from zero: 2.5 -> 3, -2.5 -> -3.
inline std::int32_t RoundHalfAwayFromZero(double value)
{
    return SaturateToInt32(value < 0.0 ? -std::floor(-value + 0.5) : std::floor(value + 0.5));
}

// Drops the fraction: 2.7 -> 2, -2.7 -> -2.
inline std::int32_t TruncateTowardZero(double value)
{
    return SaturateToInt32(std::trunc(value));
}

// The largest whole number not above the value: 2.7 -> 2, -2.2 -> -3.
inline std::int32_t FloorToInt32(double value)
{
    return SaturateToInt32(std::floor(value));
}

// a * b / c with a 64-bit intermediate, rounded half away from zero; -1 when c is 0
// (the Windows MulDiv rule, which the scaling code relies on).
inline std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c)
{
    if (c == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t magnitude = (std::llabs(product) + std::llabs(static_cast<std::int64_t>(c)) / 2)
        / std::llabs(static_cast<std::int64_t>(c));
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}
