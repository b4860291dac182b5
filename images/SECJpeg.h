#pragma once

#include "images/SECImage.h"

// JPEG files, through libjpeg(-turbo). The display is true colour, so
// pictures load at 24 bits and are never quantized.
class SECJpeg : public SECImage {
public:
    static const SECRuntimeClass classSECJpeg;
    // A progressive picture may repeat a scan any number of times, each one a
    // pass over the whole picture; encoders write about ten. More is refused.
    static constexpr int kMaxScans = 1000;

    const SECRuntimeClass& GetRuntimeClass() const override { return classSECJpeg; }

    bool WriteImage(ImageFile& file) override;
    bool ReadImage(ImageFile& file) override;

    int GetQuality() const { return m_nQuality; }
    void SetQuality(int quality) { m_nQuality = quality; }

private:
    struct Decoder;
    struct Encoder;
    bool Decode(Decoder& decoder);
    bool Encode(Encoder& encoder);

    bool m_bOptimizeCoding = false;
    bool m_bCCIR601Sampling = false;
    int m_nSmoothingFactor = 0;
    int m_nQuality = 75;
};
