#pragma once

#include "images/SECImage.h"

#include <array>
#include <cstdint>

// ZSoft PCX files: run-length coded, 1 bit in 1 to 4 planes or 8 bits in 1
// (palette) or 3 (red, green, blue) planes.
class SECPcx : public SECImage {
public:
    static const SECRuntimeClass classSECPcx;
    const SECRuntimeClass& GetRuntimeClass() const override { return classSECPcx; }

    // No PCX writer: nothing saves in this format.
    bool WriteImage(ImageFile& file) override;
    bool ReadImage(ImageFile& file) override;

private:
    bool Decode(int bits, int planes, int bytesPerLine, int paletteCount);
    void ReadPalette(int bits, int planes, int paletteCount);

    std::array<std::uint8_t, 128> m_header{};
};
