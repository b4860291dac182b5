#include "images/SECTiff.h"

#include <algorithm>
#include <cstdarg>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <vector>

#include <tiffio.h>

namespace {

// Deflate and fax coding reach about this many bytes of samples per file byte.
constexpr std::int64_t kMaxExpansion = 2048;

// The readers answer by their result alone: every picture that is not a TIFF
// file passes this reader on its way to the Targa reader, and a chart run must
// not fill standard error with the library's complaints. The library carries on
// after some errors, and a tag whose data lies beyond the end of the file is only
// a warning (a palette picture cut short turns grey); such files are refused all
// the same.
int CountError(TIFF*, void* errors, const char*, const char*, va_list)
{
    ++*static_cast<int*>(errors);
    return 1;
}

int CountWarning(TIFF*, void* errors, const char*, const char* format, va_list)
{
    if (std::strstr(format, "IO error") != nullptr)
        ++*static_cast<int*>(errors);
    return 1;
}

struct TiffCloser {
    void operator()(TIFF* tiff) const { TIFFClose(tiff); }
};

struct RgbaImageEnder {
    void operator()(TIFFRGBAImage* image) const { TIFFRGBAImageEnd(image); }
};

TIFF* OpenForReading(const std::string& path, std::int64_t fileBytes, int& errors)
{
    std::unique_ptr<TIFFOpenOptions, void (*)(TIFFOpenOptions*)> options(TIFFOpenOptionsAlloc(), TIFFOpenOptionsFree);
    if (!options)
        return nullptr;
    TIFFOpenOptionsSetErrorHandlerExtR(options.get(), CountError, &errors);
    TIFFOpenOptionsSetWarningHandlerExtR(options.get(), CountWarning, &errors);
    // No single block of the library's may outgrow what the file can justify.
    TIFFOpenOptionsSetMaxSingleMemAlloc(options.get(), std::max<std::int64_t>(fileBytes * kMaxExpansion, 1 << 20));
    return TIFFOpenExt(path.c_str(), "r", options.get());
}

}  // namespace

const SECRuntimeClass SECTiff::classSECTiff = {"SECTiff", 1, [] { return std::unique_ptr<SECImage>(new SECTiff); }};

bool SECTiff::LoadFromPath(const std::string& path)
{
    return LoadKeepingPrevious([&] { return Decode(path) && FinishLoad(); });
}

bool SECTiff::SaveToPath(const std::string&)
{
    return false;
}

bool SECTiff::WriteImage(ImageFile&)
{
    return false;
}

bool SECTiff::ReadImage(ImageFile&)
{
    return false;
}

bool SECTiff::Decode(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    const std::int64_t fileBytes = info.st_size;
    int errors = 0;
    std::unique_ptr<TIFF, TiffCloser> tiff(OpenForReading(path, fileBytes, errors));
    if (!tiff || errors != 0)
        return false;
    TIFF* t = tiff.get();
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    if (!TIFFGetField(t, TIFFTAG_IMAGEWIDTH, &width) || !TIFFGetField(t, TIFFTAG_IMAGELENGTH, &height))
        return false;
    TIFFGetFieldDefaulted(t, TIFFTAG_BITSPERSAMPLE, &m_nBitsPerSample);
    TIFFGetFieldDefaulted(t, TIFFTAG_SAMPLESPERPIXEL, &m_nSamplesPerPixel);
    TIFFGetFieldDefaulted(t, TIFFTAG_ORIENTATION, &m_nOrientation);
    if (!TIFFGetField(t, TIFFTAG_PHOTOMETRIC, &m_nPhotometric))
        m_nPhotometric = m_nSamplesPerPixel == 1 ? PHOTOMETRIC_MINISBLACK : PHOTOMETRIC_RGB;

    const int bits = m_nBitsPerSample;
    const int samples = m_nSamplesPerPixel;
    const int photometric = m_nPhotometric;
    // 16 bits a pixel (one 16-bit sample, or two 8-bit ones) is refused. The
    // product is formed only of accepted counts: stored ones can overflow it.
    if ((bits != 1 && bits != 2 && bits != 4 && bits != 8 && bits != 16)
        || (samples != 1 && samples != 3 && samples != 4) || bits * samples == 16
        || (photometric != PHOTOMETRIC_MINISWHITE && photometric != PHOTOMETRIC_MINISBLACK && photometric != PHOTOMETRIC_PALETTE
            && photometric != PHOTOMETRIC_RGB && photometric != PHOTOMETRIC_YCBCR)
        || width == 0 || height == 0 || width > 0x7FFFFFFF || height > 0x7FFFFFFF)
        return false;
    const std::int64_t sampleBytes = (std::int64_t{width} * bits * samples + 7) / 8 * height;
    const std::int64_t rasterBytes = std::int64_t{width} * height * 4;
    if (!Plausible(sampleBytes, fileBytes, kMaxExpansion) || !Plausible(rasterBytes, fileBytes, 4 * kMaxExpansion))
        return false;

    char message[1024] = {};
    if (!TIFFRGBAImageOK(t, message))
        return false;
    TIFFRGBAImage image{};
    if (!TIFFRGBAImageBegin(&image, t, 1, message))
        return false;
    std::unique_ptr<TIFFRGBAImage, RgbaImageEnder> ender(&image);
    // Rows come as stored: the library neither flips nor mirrors them.
    image.req_orientation = ORIENTATION_TOPLEFT;
    image.orientation = ORIENTATION_TOPLEFT;
    std::vector<std::uint32_t> raster(static_cast<std::size_t>(width) * height);
    if (!TIFFRGBAImageGet(&image, raster.data(), width, height) || errors != 0 || !InitPicture(static_cast<std::int32_t>(width), static_cast<std::int32_t>(height), 24))
        return false;

    // Orientations 3, 4, 7 and 8 store the bottom row first.
    const bool bottomFirst = m_nOrientation == 3 || m_nOrientation == 4 || m_nOrientation == 7 || m_nOrientation == 8;
    for (std::uint32_t stored = 0; stored < height; ++stored) {
        const std::uint32_t* in = raster.data() + static_cast<std::size_t>(stored) * width;
        std::uint8_t* out = RowPointer(static_cast<std::int32_t>(bottomFirst ? stored : height - 1 - stored));
        for (std::uint32_t x = 0; x < width; ++x) {
            // The library gives colour multiplied by alpha: lay it over white.
            const std::uint32_t pixel = in[x];
            const std::uint32_t clear = 255 - TIFFGetA(pixel);
            out[3 * x] = static_cast<std::uint8_t>(std::min<std::uint32_t>(TIFFGetB(pixel) + clear, 255));
            out[3 * x + 1] = static_cast<std::uint8_t>(std::min<std::uint32_t>(TIFFGetG(pixel) + clear, 255));
            out[3 * x + 2] = static_cast<std::uint8_t>(std::min<std::uint32_t>(TIFFGetR(pixel) + clear, 255));
        }
    }
    return true;
}
