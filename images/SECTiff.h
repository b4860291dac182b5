#pragma once

#include "images/SECImage.h"

#include <cstdint>

// TIFF files, through libtiff, which opens them by path. Grey, palette, RGB
// and YCbCr pictures of 1 to 16 bits a sample, in strips or tiles, either
// planar configuration, load as 24-bit pictures.
class SECTiff : public SECImage {
public:
    static const SECRuntimeClass classSECTiff;
    const SECRuntimeClass& GetRuntimeClass() const override { return classSECTiff; }

    bool LoadFromPath(const std::string& path) override;
    bool SaveToPath(const std::string& path) override;
    // Reading and writing go through the path operations only.
    bool WriteImage(ImageFile& file) override;
    bool ReadImage(ImageFile& file) override;

private:
    bool Decode(const std::string& path);

    std::uint16_t m_nOrientation = 0;
    std::uint16_t m_nBitsPerSample = 0;
    std::uint16_t m_nSamplesPerPixel = 0;
    std::uint16_t m_nPhotometric = 0;
};
