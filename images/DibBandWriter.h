#pragma once

#include "images/BandFileWriter.h"

// A BMP file with the bytes SECDib writes, put together band by band: each
// band's rows go straight to their place in the bottom-up file.
class DibBandWriter : public BandFileWriter {
protected:
    bool WriteStart() override;
    bool WriteRows(const std::uint8_t* pixels, std::int32_t top, std::int32_t rows) override;
    bool WriteEnd() override;
    bool ReadsBottomUp() const override { return true; }

private:
    std::int64_t m_nPixelOffset = 0;
};
