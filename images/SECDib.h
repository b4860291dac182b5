#pragma once

#include "images/SECImage.h"

// BMP files (device-independent bitmap files).
class SECDib : public SECImage {
public:
    static const SECRuntimeClass classSECDib;
    const SECRuntimeClass& GetRuntimeClass() const override { return classSECDib; }

    bool WriteImage(ImageFile& file) override;
    bool ReadImage(ImageFile& file) override;
};
