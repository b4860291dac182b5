#include "images/SECTarga.h"

#include "images/LittleEndian.h"

#include <cstring>

namespace {

constexpr std::size_t kHeaderBytes = 18;
constexpr std::size_t kFooterBytes = 26;
constexpr std::size_t kExtensionBytes = 495;
constexpr std::size_t kReadBufferBytes = 60000;
constexpr char kSignature[] = "TRUEVISION-XFILE.";  // with its zero byte, 18 bytes
constexpr std::uint8_t kRightToLeft = 0x10;
constexpr std::uint8_t kTopDown = 0x20;

// The 5-bit channel values of 16-bit pixels spread over 0..255, rounded.
constexpr std::array<std::uint8_t, 32> MakeFiveBitTable()
{
    std::array<std::uint8_t, 32> table{};
    for (int i = 0; i < 32; ++i)
        table[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>((i * 255 * 2 + 31) / 62);
    return table;
}
constexpr std::array<std::uint8_t, 32> kFiveBit = MakeFiveBitTable();

bool ReadAt(ImageFile& file, std::int64_t offset, void* data, std::size_t count)
{
    const std::int64_t length = file.GetLength();
    return offset >= 0 && offset + static_cast<std::int64_t>(count) <= length && file.Seek(offset)
        && file.Read(data, count) == count;
}

std::string Text(const std::uint8_t* field, std::size_t size)
{
    const void* end = std::memchr(field, 0, size);
    return std::string(reinterpret_cast<const char*>(field),
        end ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(end) - field) : size);
}

}  // namespace

const SECRuntimeClass SECTarga::classSECTarga = {"SECTarga", 1, [] { return std::unique_ptr<SECImage>(new SECTarga); }};

bool SECTarga::WriteImage(ImageFile&)
{
    return false;
}

bool SECTarga::ReadImage(ImageFile& file)
{
    if (!ReadHeader(file) || !ReadFooter(file))
        return false;
    const Header& h = m_header;
    const bool runLength = h.imageType == 10;
    // True-colour pictures of 16 or 24 bits; colour-mapped and grey types
    // would need the colour map or a grey ramp, which this reader does not do.
    if ((h.imageType != 2 && !runLength) || (h.pixelDepth != 16 && h.pixelDepth != 24) || h.width == 0 || h.height == 0)
        return false;
    const int pixelBytes = h.pixelDepth / 8;
    const std::int64_t dataBytes = file.GetLength() - m_nDataOffset;
    // The least data that can hold the picture: every pixel, or one repeat
    // packet per 128 pixels of each row.
    const std::int64_t least = runLength ? std::int64_t{h.height} * ((h.width + 127) / 128) * (1 + pixelBytes)
                                         : std::int64_t{h.width} * h.height * pixelBytes;
    if (least > dataBytes || !InitPicture(h.width, h.height, 24) || !file.Seek(m_nDataOffset)
        || !SetReadBuffer(kReadBufferBytes, false))
        return false;
    return runLength ? ReadRunLengthRows(pixelBytes) : ReadRawRows(pixelBytes);
}

bool SECTarga::ReadHeader(ImageFile& file)
{
    std::uint8_t b[kHeaderBytes];
    if (!ReadAt(file, 0, b, sizeof b))
        return false;
    Header& h = m_header;
    h.idLength = b[0];
    h.colorMapType = b[1];
    h.imageType = b[2];
    h.colorMapFirst = LittleEndian::Get16(b + 3);
    h.colorMapLength = LittleEndian::Get16(b + 5);
    h.colorMapEntryBits = b[7];
    h.xOrigin = LittleEndian::Get16(b + 8);
    h.yOrigin = LittleEndian::Get16(b + 10);
    h.width = LittleEndian::Get16(b + 12);
    h.height = LittleEndian::Get16(b + 14);
    h.pixelDepth = b[16];
    h.descriptor = b[17];
    m_imageId.resize(h.idLength);
    m_colorMap.resize(h.colorMapType != 0 ? std::size_t{h.colorMapLength} * ((h.colorMapEntryBits + 7u) / 8u) : 0);
    m_nDataOffset = static_cast<std::int64_t>(kHeaderBytes + m_imageId.size() + m_colorMap.size());
    return ReadAt(file, kHeaderBytes, m_imageId.data(), m_imageId.size())
        && ReadAt(file, static_cast<std::int64_t>(kHeaderBytes + m_imageId.size()), m_colorMap.data(), m_colorMap.size());
}

bool SECTarga::ReadFooter(ImageFile& file)
{
    m_nExtensionOffset = 0;
    m_nDeveloperOffset = 0;
    m_developerTags.clear();
    m_extension = Extension{};
    m_scanLines.clear();
    m_nStampWidth = 0;
    m_nStampHeight = 0;
    m_postageStamp.clear();
    m_colorCorrection.clear();
    std::uint8_t footer[kFooterBytes];
    const std::int64_t length = file.GetLength();
    if (length < m_nDataOffset + static_cast<std::int64_t>(kFooterBytes)
        || !ReadAt(file, length - static_cast<std::int64_t>(kFooterBytes), footer, sizeof footer)
        || std::memcmp(footer + 8, kSignature, sizeof kSignature) != 0)
        return true;  // a TGA 1 file
    m_nExtensionOffset = LittleEndian::Get32(footer);
    m_nDeveloperOffset = LittleEndian::Get32(footer + 4);
    if (m_nDeveloperOffset != 0) {
        std::uint8_t count[2];
        if (!ReadAt(file, m_nDeveloperOffset, count, sizeof count))
            return false;
        std::vector<std::uint8_t> tags(10 * std::size_t{LittleEndian::Get16(count)});
        if (!ReadAt(file, std::int64_t{m_nDeveloperOffset} + 2, tags.data(), tags.size()))
            return false;
        for (std::size_t i = 0; i < tags.size(); i += 10)
            m_developerTags.push_back({LittleEndian::Get16(&tags[i]), LittleEndian::Get32(&tags[i + 2]), LittleEndian::Get32(&tags[i + 6])});
    }
    return m_nExtensionOffset == 0 || ReadExtension(file, m_nExtensionOffset);
}

bool SECTarga::ReadExtension(ImageFile& file, std::uint32_t offset)
{
    std::uint8_t b[kExtensionBytes];
    if (!ReadAt(file, offset, b, sizeof b))
        return false;
    Extension& e = m_extension;
    e.authorName = Text(b + 2, 41);
    e.authorComment = Text(b + 43, 324);
    for (std::size_t i = 0; i < e.dateTime.size(); ++i)
        e.dateTime[i] = LittleEndian::Get16(b + 367 + 2 * i);
    e.jobName = Text(b + 379, 41);
    for (std::size_t i = 0; i < e.jobTime.size(); ++i)
        e.jobTime[i] = LittleEndian::Get16(b + 420 + 2 * i);
    e.softwareId = Text(b + 426, 41);
    e.softwareVersion = LittleEndian::Get16(b + 467);
    e.softwareLetter = b[469];
    e.keyColor = LittleEndian::Get32(b + 470);
    e.aspectNumerator = LittleEndian::Get16(b + 474);
    e.aspectDenominator = LittleEndian::Get16(b + 476);
    e.gammaNumerator = LittleEndian::Get16(b + 478);
    e.gammaDenominator = LittleEndian::Get16(b + 480);
    e.colorCorrectionOffset = LittleEndian::Get32(b + 482);
    e.postageStampOffset = LittleEndian::Get32(b + 486);
    e.scanLineOffset = LittleEndian::Get32(b + 490);
    e.attributesType = b[494];

    if (e.scanLineOffset != 0) {
        std::vector<std::uint8_t> table(4 * std::size_t{m_header.height});
        if (!ReadAt(file, e.scanLineOffset, table.data(), table.size()))
            return false;
        for (std::size_t i = 0; i < table.size(); i += 4)
            m_scanLines.push_back(LittleEndian::Get32(&table[i]));
    }
    if (e.postageStampOffset != 0) {
        std::uint8_t size[2];
        if (!ReadAt(file, e.postageStampOffset, size, sizeof size))
            return false;
        m_nStampWidth = size[0];
        m_nStampHeight = size[1];
        m_postageStamp.resize(std::size_t{m_nStampWidth} * m_nStampHeight * ((m_header.pixelDepth + 7u) / 8u));
        if (!ReadAt(file, std::int64_t{e.postageStampOffset} + 2, m_postageStamp.data(), m_postageStamp.size()))
            return false;
    }
    if (e.colorCorrectionOffset != 0) {
        std::uint8_t table[2 * 2048];
        if (!ReadAt(file, e.colorCorrectionOffset, table, sizeof table))
            return false;
        for (std::size_t i = 0; i < sizeof table; i += 2)
            m_colorCorrection.push_back(LittleEndian::Get16(table + i));
    }
    return true;
}

bool SECTarga::ReadRawRows(int pixelBytes)
{
    std::vector<std::uint8_t> row(static_cast<std::size_t>(m_header.width) * static_cast<std::size_t>(pixelBytes));
    for (std::int32_t y = 0; y < m_header.height; ++y) {
        if (ReadBytes(row.data(), row.size()) != row.size())
            return false;
        for (std::int32_t x = 0; x < m_header.width; ++x)
            ConvertPixel(&row[static_cast<std::size_t>(x * pixelBytes)], pixelBytes, PixelAt(y, x));
    }
    return true;
}

bool SECTarga::ReadRunLengthRows(int pixelBytes)
{
    const auto bytes = static_cast<std::size_t>(pixelBytes);
    std::uint8_t pixel[3];
    for (std::int32_t y = 0; y < m_header.height; ++y) {
        for (std::int32_t x = 0; x < m_header.width;) {
            std::uint8_t packet = 0;
            if (ReadBytes(&packet, 1) != 1)
                return false;
            const int count = (packet & 0x7F) + 1;
            // Packets stay within their row.
            if (x + count > m_header.width)
                return false;
            const bool repeat = (packet & 0x80) != 0;
            for (int i = 0; i < count; ++i, ++x) {
                if ((i == 0 || !repeat) && ReadBytes(pixel, bytes) != bytes)
                    return false;
                ConvertPixel(pixel, pixelBytes, PixelAt(y, x));
            }
        }
    }
    return true;
}

std::uint8_t* SECTarga::PixelAt(std::int32_t storedRow, std::int32_t storedColumn)
{
    const std::int32_t y = (m_header.descriptor & kTopDown) ? m_header.height - 1 - storedRow : storedRow;
    const std::int32_t x = (m_header.descriptor & kRightToLeft) ? m_header.width - 1 - storedColumn : storedColumn;
    return RowPointer(y) + 3 * x;
}

void SECTarga::ConvertPixel(const std::uint8_t* in, int pixelBytes, std::uint8_t* out)
{
    if (pixelBytes == 3) {
        std::memcpy(out, in, 3);  // stored blue, green, red
        return;
    }
    const std::uint16_t v = LittleEndian::Get16(in);
    out[0] = kFiveBit[v & 31];
    out[1] = kFiveBit[(v >> 5) & 31];
    out[2] = kFiveBit[(v >> 10) & 31];
}
