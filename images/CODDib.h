#pragma once

#include "images/SECDib.h"

#include <cstdint>
#include <string>
#include <vector>

// A BMP image that can also come from the program's own bitmap resources:
// packed bitmaps (information header, palette, rows, no file header)
// registered by name.
class CODDib : public SECDib {
public:
    static const SECRuntimeClass classCODDib;
    const SECRuntimeClass& GetRuntimeClass() const override { return classCODDib; }

    static void RegisterResource(const std::string& name, std::vector<std::uint8_t> packedBitmap);

    // False when no resource has that name or it holds no valid bitmap.
    virtual bool LoadFromResource(const std::string& name);
    // From a packed bitmap already in memory.
    virtual bool LoadFromPackedBitmap(const std::uint8_t* data, std::size_t size);
};
