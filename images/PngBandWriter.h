#pragma once

#include "images/BandFileWriter.h"

struct png_struct_def;
struct png_info_def;

// A lossless 8-bit RGB PNG file, written row by row from the top.
class PngBandWriter : public BandFileWriter {
public:
    ~PngBandWriter() override;

protected:
    bool WriteStart() override;
    bool WriteRows(const std::uint8_t* pixels, std::int32_t top, std::int32_t rows) override;
    bool WriteEnd() override;
    bool ReadsBottomUp() const override { return false; }

private:
    void Release();

    png_struct_def* m_pPng = nullptr;
    png_info_def* m_pInfo = nullptr;
};
