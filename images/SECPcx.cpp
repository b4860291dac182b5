#include "images/SECPcx.h"

#include "images/LittleEndian.h"

namespace {

constexpr std::size_t kHeaderBytes = 128;
constexpr std::size_t kReadBufferBytes = 60000;
constexpr std::uint8_t kPaletteMarker = 12;
// A run of two bytes gives at most 63 values.
constexpr std::int64_t kMaxExpansion = 32;

}  // namespace

const SECRuntimeClass SECPcx::classSECPcx = {"SECPcx", 1, [] { return std::unique_ptr<SECImage>(new SECPcx); }};

bool SECPcx::WriteImage(ImageFile&)
{
    return false;
}

bool SECPcx::ReadImage(ImageFile& file)
{
    if (file.Read(m_header.data(), kHeaderBytes) != kHeaderBytes)
        return false;
    const std::uint8_t* h = m_header.data();
    if (h[0] != 10 || h[1] > 5 || h[2] != 1)
        return false;
    const int width = LittleEndian::Get16(h + 8) - LittleEndian::Get16(h + 4) + 1;
    const int height = LittleEndian::Get16(h + 10) - LittleEndian::Get16(h + 6) + 1;
    const int bits = h[3];
    const int planes = h[65];
    const int bytesPerLine = LittleEndian::Get16(h + 66);
    // 1 bit in 1 to 4 planes, 8 bits in 1 plane (palette) or 3 (red, green, blue).
    if (width <= 0 || height <= 0 || !((bits == 1 && planes >= 1 && planes <= 4) || (bits == 8 && (planes == 1 || planes == 3))))
        return false;
    // Every scan line holds the whole width.
    if (bytesPerLine < (bits == 1 ? (width + 7) / 8 : width))
        return false;
    const int paletteCount = bits == 8 ? (planes == 1 ? 256 : 0) : (planes == 1 ? 256 : 1 << planes);
    const std::int64_t values = std::int64_t{bytesPerLine} * planes * height;
    if (!Plausible(values, file.GetLength() - static_cast<std::int64_t>(kHeaderBytes), kMaxExpansion)
        || !InitPicture(width, height, bits * planes == 24 ? 24 : 8) || !SetReadBuffer(kReadBufferBytes, false)
        || !Decode(bits, planes, bytesPerLine, paletteCount))
        return false;
    if (bits * planes < 8)
        SetColorsUsed(static_cast<std::uint32_t>(paletteCount));
    ReadPalette(bits, planes, paletteCount);
    return true;
}

bool SECPcx::Decode(int bits, int planes, int bytesPerLine, int paletteCount)
{
    const std::int32_t width = GetWidth();
    std::uint8_t runValue = 0;
    int runLeft = 0;
    for (std::int32_t y = 0; y < GetHeight(); ++y) {
        // PCX rows run top-down.
        std::uint8_t* row = RowPointer(GetHeight() - 1 - y);
        for (int plane = 0; plane < planes; ++plane) {
            for (int i = 0; i < bytesPerLine; ++i) {
                while (runLeft == 0) {
                    std::uint8_t code = 0;
                    if (ReadBytes(&code, 1) != 1)
                        return false;
                    if (code >= 0xC0) {
                        runLeft = code & 0x3F;
                        if (ReadBytes(&runValue, 1) != 1)
                            return false;
                    } else {
                        runValue = code;
                        runLeft = 1;
                    }
                }
                --runLeft;
                const std::uint8_t value = runValue;
                if (bits == 8) {
                    // Plane 0 is red: it goes to the last byte of a blue, green, red pixel.
                    if (i < width)
                        row[i * planes + (planes - 1 - plane)] = value;
                    continue;
                }
                for (int bit = 0; bit < 8; ++bit) {
                    const std::int32_t x = i * 8 + bit;
                    if (x >= width)
                        break;
                    const int set = (value >> (7 - bit)) & 1;
                    if (planes > 1)
                        row[x] = static_cast<std::uint8_t>(row[x] | (set << plane));
                    else
                        row[x] = static_cast<std::uint8_t>(set ? paletteCount - 1 : 0);
                }
            }
        }
    }
    return true;
}

void SECPcx::ReadPalette(int bits, int planes, int paletteCount)
{
    RGBQUAD* palette = PaletteEntries();
    if (paletteCount > 16) {
        // The 256-colour palette follows a marker byte after the rows; when the
        // file has none, a grey ramp stands in.
        std::uint8_t byte = 0;
        while (ReadBytes(&byte, 1) == 1 && byte != kPaletteMarker) {
        }
        std::uint8_t triples[3 * 256];
        const bool complete = byte == kPaletteMarker && ReadBytes(triples, sizeof triples) == sizeof triples;
        for (int i = 0; i < 256; ++i) {
            const auto grey = static_cast<std::uint8_t>(i);
            palette[i] = complete ? RGBQUAD{triples[3 * i + 2], triples[3 * i + 1], triples[3 * i], 0} : RGBQUAD{grey, grey, grey, 0};
        }
    } else if (bits == 1 && planes > 1) {
        const std::uint8_t* triples = m_header.data() + 16;
        for (int i = 0; i < paletteCount; ++i)
            palette[i] = RGBQUAD{triples[3 * i + 2], triples[3 * i + 1], triples[3 * i], 0};
    }
}
