#include "images/PngBandWriter.h"

#include <png.h>

#include <csetjmp>

namespace {

constexpr int kBitDepth = 8;
// Charts are mostly flat colour: a fast level and the one filter that suits
// flat rows compress them nearly as well as the strongest, in a fraction of the time.
constexpr int kCompressionLevel = 3;
constexpr int kFilters = PNG_FILTER_SUB;

void WriteToFile(png_structp png, png_bytep data, png_size_t length)
{
    auto* file = static_cast<ImageFile*>(png_get_io_ptr(png));
    if (!file->Write(data, length))
        png_error(png, "write failed");
}

void FlushNothing(png_structp) {}

// libpng's messages would go to standard error; a failed write is reported
// by the caller, so errors only jump back and warnings are dropped.
[[noreturn]] void JumpBack(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void QuietWarning(png_structp, png_const_charp) {}

}  // namespace

PngBandWriter::~PngBandWriter()
{
    Release();
}

void PngBandWriter::Release()
{
    if (m_pPng)
        png_destroy_write_struct(&m_pPng, &m_pInfo);
    m_pPng = nullptr;
    m_pInfo = nullptr;
}

bool PngBandWriter::WriteStart()
{
    Release();
    m_pPng = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, JumpBack, QuietWarning);
    if (!m_pPng)
        return false;
    m_pInfo = png_create_info_struct(m_pPng);
    if (!m_pInfo || setjmp(png_jmpbuf(m_pPng))) {
        Release();
        return false;
    }
    png_set_write_fn(m_pPng, &m_file, WriteToFile, FlushNothing);
    // The format holds up to 2^31 - 1 pixels a side; libpng's own default stops at a million.
    png_set_user_limits(m_pPng, PNG_UINT_31_MAX, PNG_UINT_31_MAX);
    png_set_IHDR(m_pPng, m_pInfo, static_cast<png_uint_32>(m_nWidth), static_cast<png_uint_32>(m_nHeight), kBitDepth,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(m_pPng, kCompressionLevel);
    png_set_filter(m_pPng, PNG_FILTER_TYPE_BASE, kFilters);
    png_write_info(m_pPng, m_pInfo);
    // The rows are in the bitmaps' blue, green, red order.
    png_set_bgr(m_pPng);
    return true;
}

bool PngBandWriter::WriteRows(const std::uint8_t* pixels, std::int32_t /*top*/, std::int32_t rows)
{
    if (!m_pPng || setjmp(png_jmpbuf(m_pPng))) {
        Release();
        return false;
    }
    for (std::int32_t row = 0; row < rows; ++row)
        png_write_row(m_pPng, pixels + m_nStride * row);
    return true;
}

bool PngBandWriter::WriteEnd()
{
    if (!m_pPng || setjmp(png_jmpbuf(m_pPng))) {
        Release();
        return false;
    }
    png_write_end(m_pPng, m_pInfo);
    Release();
    return true;
}
