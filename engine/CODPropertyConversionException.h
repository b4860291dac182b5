#pragma once

#include <stdexcept>

// A property value read or written with the wrong type, or by a sub-id the
// property does not have.
class CODPropertyConversionException : public std::runtime_error {
public:
    CODPropertyConversionException() : std::runtime_error("Invalid data type supplied for property assignment") {}
};
