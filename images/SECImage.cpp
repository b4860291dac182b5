#include "images/SECImage.h"

#include "images/LittleEndian.h"
#include "platform/CBitmap.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>
#include <utility>

namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kInfoHeaderBytes = 40;
constexpr std::uint16_t kBitmapSignature = 0x4D42;  // "BM"
constexpr int kTrueColorBits = 24;

bool Skip(ImageStream& in, std::int64_t count)
{
    std::uint8_t scratch[4096];
    while (count > 0) {
        const auto chunk = static_cast<std::size_t>(std::min<std::int64_t>(count, sizeof scratch));
        if (in.Read(scratch, chunk) != chunk)
            return false;
        count -= static_cast<std::int64_t>(chunk);
    }
    return true;
}

// Reads count bytes, growing the buffer only as data arrives, so a header that
// claims more than the stream holds costs no more memory than the stream.
bool ReadGrowing(ImageStream& in, std::int64_t count, std::vector<std::uint8_t>& out)
{
    out.clear();
    const auto total = static_cast<std::size_t>(count);
    while (out.size() < total) {
        const std::size_t want = std::min(total - out.size(), std::max<std::size_t>(65536, out.size()));
        const std::size_t old = out.size();
        out.resize(old + want);
        if (in.Read(out.data() + old, want) != want)
            return false;
    }
    return true;
}

void PutInfoHeader(std::uint8_t* p, const BITMAPINFOHEADER& h)
{
    LittleEndian::Put32(p, h.biSize);
    LittleEndian::Put32(p + 4, static_cast<std::uint32_t>(h.biWidth));
    LittleEndian::Put32(p + 8, static_cast<std::uint32_t>(h.biHeight));
    LittleEndian::Put16(p + 12, h.biPlanes);
    LittleEndian::Put16(p + 14, h.biBitCount);
    LittleEndian::Put32(p + 16, h.biCompression);
    LittleEndian::Put32(p + 20, h.biSizeImage);
    LittleEndian::Put32(p + 24, static_cast<std::uint32_t>(h.biXPelsPerMeter));
    LittleEndian::Put32(p + 28, static_cast<std::uint32_t>(h.biYPelsPerMeter));
    LittleEndian::Put32(p + 32, h.biClrUsed);
    LittleEndian::Put32(p + 36, h.biClrImportant);
}

void PutFileHeader(std::uint8_t* p, std::int64_t fileBytes, std::size_t pixelOffset)
{
    LittleEndian::Put16(p, kBitmapSignature);
    LittleEndian::Put32(p + 2, static_cast<std::uint32_t>(fileBytes));
    LittleEndian::Put32(p + 10, static_cast<std::uint32_t>(pixelOffset));
}

BITMAPINFOHEADER GetInfoHeaderAt(const std::uint8_t* p)
{
    BITMAPINFOHEADER h;
    h.biSize = LittleEndian::Get32(p);
    h.biWidth = static_cast<std::int32_t>(LittleEndian::Get32(p + 4));
    h.biHeight = static_cast<std::int32_t>(LittleEndian::Get32(p + 8));
    h.biPlanes = LittleEndian::Get16(p + 12);
    h.biBitCount = LittleEndian::Get16(p + 14);
    h.biCompression = LittleEndian::Get32(p + 16);
    h.biSizeImage = LittleEndian::Get32(p + 20);
    h.biXPelsPerMeter = static_cast<std::int32_t>(LittleEndian::Get32(p + 24));
    h.biYPelsPerMeter = static_cast<std::int32_t>(LittleEndian::Get32(p + 28));
    h.biClrUsed = LittleEndian::Get32(p + 32);
    h.biClrImportant = LittleEndian::Get32(p + 36);
    return h;
}

std::uint16_t PaletteCountFor(int bits)
{
    return bits <= 8 ? static_cast<std::uint16_t>(1u << bits) : 0;
}

}  // namespace

SECImage::~SECImage()
{
    FreeImage();
    CloseFiles();
}

bool SECImage::Serialize(ImageStream& archive)
{
    if (archive.IsStoring())
        return WriteDibFile(archive, false);
    return LoadKeepingPrevious([&] { return ReadDibFile(archive) && BuildPalette(); });
}

bool SECImage::BuildPalette()
{
    Picture& p = m_picture;
    p.m_pPalette.reset();
    if (p.m_nBitsPerPixel > 8 || p.m_header.size() < kInfoHeaderBytes)
        return true;
    const std::size_t present = (p.m_header.size() - kInfoHeaderBytes) / 4;
    const std::size_t entries = std::max<std::size_t>(GetInfoHeader().biClrUsed, p.m_nPaletteCount);
    std::vector<PALETTEENTRY> palette(std::min<std::size_t>(entries, 256));
    for (std::size_t i = 0; i < palette.size() && i < present; ++i) {
        const std::uint8_t* quad = p.m_header.data() + kInfoHeaderBytes + 4 * i;
        palette[i] = PALETTEENTRY{quad[2], quad[1], quad[0], 0};
    }
    p.m_pPalette = CPalette::CreatePalette(palette.data(), static_cast<int>(palette.size()));
    return p.m_pPalette != nullptr;
}

bool SECImage::LoadFromPath(const std::string& path)
{
    if (m_ownedFiles.empty())
        m_ownedFiles.push_back(std::make_unique<ImageFile>());
    ImageFile& file = *m_ownedFiles.back();
    if (!file.Open(path, ImageFile::Mode::Read))
        return false;
    const bool loaded = LoadFromFile(file);
    file.Close();
    return loaded;
}

bool SECImage::LoadFromFile(ImageFile& file)
{
    m_pFile = &file;
    return LoadKeepingPrevious([&] { return ReadImage(file) && FinishLoad(); });
}

bool SECImage::SaveToPath(const std::string& path)
{
    if (m_ownedFiles.empty())
        m_ownedFiles.push_back(std::make_unique<ImageFile>());
    ImageFile& file = *m_ownedFiles.back();
    if (!file.Open(path, ImageFile::Mode::Create))
        return false;
    const bool saved = SaveToFile(file);
    const bool closed = file.Close();
    return saved && closed;
}

bool SECImage::SaveToFile(ImageFile& file)
{
    m_pFile = &file;
    if (!HasPicture())
        return false;
    try {
        return BeforeSave() && WriteImage(file) && AfterSave();
    } catch (const std::bad_alloc&) {
        return false;
    }
}

void SECImage::FreeImage()
{
    m_picture = Picture{};
    DropReadBuffer();
}

bool SECImage::FinishLoad()
{
    Picture& p = m_picture;
    if (p.m_nWidth <= 0 || p.m_nHeight <= 0)
        return false;
    if (!BuildPalette())
        return false;
    p.m_nAlignedWidth = (p.m_nWidth + 3) & ~3;
    if (!AlignRows())
        return false;
    if (p.m_header.empty()) {
        p.m_header.assign(kInfoHeaderBytes + 4 * std::size_t{p.m_nPaletteCount}, 0);
        BITMAPINFOHEADER h;
        h.biWidth = p.m_nWidth;
        h.biHeight = p.m_nHeight;
        h.biBitCount = static_cast<std::uint16_t>(p.m_nBitsPerPixel);
        h.biSizeImage = static_cast<std::uint32_t>(GetStride() * p.m_nHeight);
        PutInfoHeader(p.m_header.data(), h);
    }
    return true;
}

bool SECImage::BeforeSave()
{
    return true;
}

bool SECImage::AfterSave()
{
    return true;
}

void SECImage::CloseFiles()
{
    m_ownedFiles.clear();
    m_pFile = nullptr;
}

bool SECImage::CopyImage(const SECImage& other)
{
    if (&other == this)
        return true;
    m_picture = other.m_picture;
    return BuildPalette();
}

bool SECImage::TakeImage(SECImage& other)
{
    if (&other == this)
        return true;
    m_picture = std::move(other.m_picture);
    other.FreeImage();
    return true;
}

bool SECImage::FlipVertical()
{
    if (!HasPicture() || !AlignRows())
        return false;
    const auto stride = static_cast<std::size_t>(GetStride());
    std::vector<std::uint8_t> scratch(stride);
    for (std::int32_t top = 0, bottom = m_picture.m_nHeight - 1; top < bottom; ++top, --bottom) {
        std::uint8_t* a = RowPointer(top);
        std::uint8_t* b = RowPointer(bottom);
        std::memcpy(scratch.data(), a, stride);
        std::memcpy(a, b, stride);
        std::memcpy(b, scratch.data(), stride);
    }
    return true;
}

bool SECImage::MirrorRows()
{
    const int bits = m_picture.m_nBitsPerPixel;
    if (!HasPicture() || (bits != 1 && bits != 4 && bits != 8 && bits != 24))
        return false;
    const std::int64_t pitch = RowPitch();
    const std::int32_t width = m_picture.m_nWidth;
    for (std::int32_t y = 0; y < m_picture.m_nHeight; ++y) {
        std::uint8_t* row = m_picture.m_pixels.data() + y * pitch;
        if (bits == 24) {
            for (std::int32_t l = 0, r = width - 1; l < r; ++l, --r)
                std::swap_ranges(row + 3 * l, row + 3 * l + 3, row + 3 * r);
        } else if (bits == 8) {
            std::reverse(row, row + width);
        } else {
            // Sub-byte pixels, the leftmost in the most significant bits.
            const int perByte = 8 / bits;
            const int mask = (1 << bits) - 1;
            auto get = [&](std::int32_t x) {
                return (row[x / perByte] >> (8 - bits * (x % perByte + 1))) & mask;
            };
            auto set = [&](std::int32_t x, int value) {
                const int shift = 8 - bits * (x % perByte + 1);
                row[x / perByte] = static_cast<std::uint8_t>((row[x / perByte] & ~(mask << shift)) | (value << shift));
            };
            for (std::int32_t l = 0, r = width - 1; l < r; ++l, --r) {
                const int left = get(l);
                set(l, get(r));
                set(r, left);
            }
        }
    }
    return true;
}

bool SECImage::AlignRows()
{
    Picture& p = m_picture;
    if (p.m_bRowsAligned)
        return true;
    const std::int64_t stride = GetStride();
    const std::int64_t packed = GetPackedRowBytes();
    if (stride != packed && p.m_nHeight > 1) {
        p.m_pixels.resize(static_cast<std::size_t>(stride * p.m_nHeight));
        for (std::int32_t y = p.m_nHeight - 1; y > 0; --y)
            std::memmove(p.m_pixels.data() + y * stride, p.m_pixels.data() + y * packed, static_cast<std::size_t>(packed));
    } else {
        p.m_pixels.resize(static_cast<std::size_t>(stride * p.m_nHeight));
    }
    p.m_bRowsAligned = 1;
    return true;
}

bool SECImage::PackRows()
{
    Picture& p = m_picture;
    if (!p.m_bRowsAligned)
        return true;
    const std::int64_t stride = GetStride();
    const std::int64_t packed = GetPackedRowBytes();
    for (std::int32_t y = 1; y < p.m_nHeight; ++y)
        std::memmove(p.m_pixels.data() + y * packed, p.m_pixels.data() + y * stride, static_cast<std::size_t>(packed));
    p.m_pixels.resize(static_cast<std::size_t>(packed * p.m_nHeight));
    p.m_bRowsAligned = 0;
    return true;
}

bool SECImage::HasPicture() const
{
    const Picture& p = m_picture;
    return p.m_nWidth > 0 && p.m_nHeight > 0 && p.m_header.size() >= kInfoHeaderBytes
        && static_cast<std::int64_t>(p.m_pixels.size()) >= RowPitch() * p.m_nHeight;
}

std::int64_t SECImage::GetStride() const
{
    return DibRowBytes(m_picture.m_nWidth, m_picture.m_nBitsPerPixel);
}

std::int64_t SECImage::GetPackedRowBytes() const
{
    const std::int64_t bits = std::int64_t{m_picture.m_nBitsPerPixel} * m_picture.m_nWidth;
    return bits > 0 ? (bits - 1) / 8 + 1 : 0;
}

std::int64_t SECImage::RowPitch() const
{
    return m_picture.m_bRowsAligned ? GetStride() : GetPackedRowBytes();
}

BITMAPINFOHEADER SECImage::GetInfoHeader() const
{
    if (m_picture.m_header.size() < kInfoHeaderBytes)
        return BITMAPINFOHEADER{};
    return GetInfoHeaderAt(m_picture.m_header.data());
}

RGBQUAD SECImage::GetPaletteEntry(int index) const
{
    const std::size_t offset = kInfoHeaderBytes + 4 * static_cast<std::size_t>(index);
    if (index < 0 || offset + 4 > m_picture.m_header.size())
        return RGBQUAD{};
    const std::uint8_t* q = m_picture.m_header.data() + offset;
    return RGBQUAD{q[0], q[1], q[2], q[3]};
}

bool SECImage::CreateFromBitmap(const CDC* pDC, const HBITMAP& bitmap)
{
    if (pDC == nullptr || !bitmap)
        return false;
    // Bitmaps of the true-colour display have 24 or 32 bits a pixel: the
    // picture takes them at 24.
    const BITMAP format = bitmap->GetBitmap();
    return LoadKeepingPrevious([&] {
        return InitPicture(format.bmWidth, format.bmHeight, kTrueColorBits)
            && PutBitmapRows(pDC, bitmap, 0, 0, format.bmHeight) && BuildPalette();
    });
}

bool SECImage::CreateTrueColor(std::int32_t width, std::int32_t height)
{
    return LoadKeepingPrevious([&] { return InitPicture(width, height, kTrueColorBits) && BuildPalette(); });
}

bool SECImage::PutBitmapRows(const CDC* pDC, const HBITMAP& bitmap, std::int32_t sourceRow, std::int32_t top,
    std::int32_t rows)
{
    Picture& p = m_picture;
    if (pDC == nullptr || !bitmap || p.m_nBitsPerPixel != kTrueColorBits || !AreRowsAligned() || top < 0 || rows <= 0
        || rows > p.m_nHeight - top || bitmap->GetWidth() != p.m_nWidth || sourceRow < 0
        || rows > bitmap->GetHeight() - sourceRow)
        return false;
    BITMAPINFOHEADER header = GetInfoHeader();
    header.biHeight = rows;
    // Bottom-up rows on both sides: scans count from the bitmap's last row,
    // and the picture's rows top down to top + rows - 1 are one block of its buffer.
    const unsigned firstScan = static_cast<unsigned>(bitmap->GetHeight() - sourceRow - rows);
    std::uint8_t* block = p.m_pixels.data() + GetStride() * (p.m_nHeight - top - rows);
    if (pDC->GetDIBits(bitmap, firstScan, static_cast<unsigned>(rows), block, &header, DIB_RGB_COLORS) != rows)
        return false;
    header = GetInfoHeader();
    header.biSizeImage = static_cast<std::uint32_t>(GetStride() * p.m_nHeight);
    PutInfoHeader(p.m_header.data(), header);
    return true;
}

std::vector<std::uint8_t> SECImage::TrueColorDibHeaders(std::int32_t width, std::int32_t height)
{
    const std::int64_t fileBytes
        = static_cast<std::int64_t>(kFileHeaderBytes + kInfoHeaderBytes) + DibRowBytes(width, kTrueColorBits) * height;
    if (width <= 0 || height <= 0 || fileBytes > std::numeric_limits<std::uint32_t>::max())
        return {};
    std::vector<std::uint8_t> headers(kFileHeaderBytes + kInfoHeaderBytes, 0);
    PutFileHeader(headers.data(), fileBytes, headers.size());
    BITMAPINFOHEADER h;
    h.biWidth = width;
    h.biHeight = height;
    h.biBitCount = kTrueColorBits;
    // As SECDib writes it: the image size left zero.
    h.biSizeImage = 0;
    PutInfoHeader(headers.data() + kFileHeaderBytes, h);
    return headers;
}

HBITMAP SECImage::MakeBitmap(const CDC* pDC) const
{
    if (!HasPicture() || !AreRowsAligned())
        return nullptr;
    HBITMAP bitmap = CBitmap::CreateCompatibleBitmap(pDC, m_picture.m_nWidth, m_picture.m_nHeight);
    if (!bitmap)
        return nullptr;
    CDC memory;
    const HBITMAP previous = memory.SelectObject(bitmap);
    const int rows = memory.StretchDIBits(0, 0, m_picture.m_nWidth, m_picture.m_nHeight, 0, 0, m_picture.m_nWidth,
        m_picture.m_nHeight, m_picture.m_pixels.data(), reinterpret_cast<const BITMAPINFOHEADER*>(m_picture.m_header.data()),
        DIB_RGB_COLORS, SRCCOPY);
    memory.SelectObject(previous);
    return rows == m_picture.m_nHeight ? bitmap : nullptr;
}

int SECImage::DrawStretched(CDC* pDC, const RECT& destination, const RECT& source, std::uint32_t rop) const
{
    if (pDC == nullptr || !HasPicture() || !AreRowsAligned())
        return 0;
    // StretchDIBits counts source rows from the bottom of a bottom-up DIB.
    const std::int32_t sourceHeight = source.bottom - source.top;
    return pDC->StretchDIBits(destination.left, destination.top, destination.right - destination.left,
        destination.bottom - destination.top, source.left, m_picture.m_nHeight - source.bottom,
        source.right - source.left, sourceHeight, m_picture.m_pixels.data(),
        reinterpret_cast<const BITMAPINFOHEADER*>(m_picture.m_header.data()), DIB_RGB_COLORS, rop);
}

bool SECImage::LoadKeepingPrevious(const std::function<bool()>& load)
{
    Picture backup = std::move(m_picture);
    FreeImage();
    bool loaded = false;
    try {
        loaded = load();
    } catch (const std::bad_alloc&) {
        loaded = false;
    }
    DropReadBuffer();
    if (!loaded)
        m_picture = std::move(backup);
    return loaded;
}

bool SECImage::InitPicture(std::int32_t width, std::int32_t height, int bits, bool allocatePixels)
{
    if (width <= 0 || height <= 0 || (bits != 1 && bits != 2 && bits != 4 && bits != 8 && bits != 24))
        return false;
    const std::int64_t stride = DibRowBytes(width, bits);
    if (stride * height > kMaxPixelBytes)
        return false;
    Picture p;
    p.m_nBitsPerPixel = bits;
    p.m_bRowsAligned = 1;
    p.m_nAlignedWidth = (width + 3) & ~3;
    p.m_nWidth = width;
    p.m_nHeight = height;
    p.m_nPaletteCount = PaletteCountFor(bits);
    try {
        p.m_header.assign(kInfoHeaderBytes + 4 * std::size_t{p.m_nPaletteCount}, 0);
        if (allocatePixels)
            p.m_pixels.assign(static_cast<std::size_t>(stride * height), 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    BITMAPINFOHEADER h;
    h.biWidth = width;
    h.biHeight = height;
    h.biBitCount = static_cast<std::uint16_t>(bits);
    h.biSizeImage = static_cast<std::uint32_t>(stride * height);
    PutInfoHeader(p.m_header.data(), h);
    m_picture = std::move(p);
    return true;
}

std::uint8_t* SECImage::RowPointer(std::int32_t y)
{
    return m_picture.m_pixels.data() + y * GetStride();
}

const std::uint8_t* SECImage::RowPointer(std::int32_t y) const
{
    return m_picture.m_pixels.data() + y * GetStride();
}

RGBQUAD* SECImage::PaletteEntries()
{
    static_assert(sizeof(RGBQUAD) == 4);
    return reinterpret_cast<RGBQUAD*>(m_picture.m_header.data() + kInfoHeaderBytes);
}

void SECImage::SetColorsUsed(std::uint32_t used)
{
    LittleEndian::Put32(m_picture.m_header.data() + 32, used);
    LittleEndian::Put32(m_picture.m_header.data() + 36, used);
}

bool SECImage::Plausible(std::int64_t decodedBytes, std::int64_t fileBytes, std::int64_t maxRatio)
{
    return decodedBytes >= 0 && fileBytes >= 0 && decodedBytes <= kMaxPixelBytes
        && decodedBytes / maxRatio <= fileBytes;
}

bool SECImage::SetReadBuffer(std::size_t size, bool fillNow)
{
    try {
        m_readBuffer.assign(size, 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    m_nBytesHeld = 0;
    m_nBufferPos = 0;
    if (fillNow && m_pFile != nullptr)
        m_nBytesHeld = m_pFile->Read(m_readBuffer.data(), size);
    return true;
}

std::size_t SECImage::ReadBytes(void* data, std::size_t count)
{
    if (m_pFile == nullptr)
        return 0;
    if (m_readBuffer.empty())
        return m_pFile->Read(data, count);
    auto* out = static_cast<std::uint8_t*>(data);
    std::size_t done = 0;
    while (done < count) {
        if (m_nBufferPos == m_nBytesHeld) {
            m_nBufferPos = 0;
            m_nBytesHeld = m_pFile->Read(m_readBuffer.data(), m_readBuffer.size());
            if (m_nBytesHeld == 0)
                break;
        }
        const std::size_t taken = std::min(count - done, m_nBytesHeld - m_nBufferPos);
        std::memcpy(out + done, m_readBuffer.data() + m_nBufferPos, taken);
        m_nBufferPos += taken;
        done += taken;
    }
    return done;
}

void SECImage::DropReadBuffer()
{
    m_readBuffer.clear();
    m_readBuffer.shrink_to_fit();
    m_nBytesHeld = 0;
    m_nBufferPos = 0;
}

bool SECImage::ReadDibFile(ImageStream& in)
{
    std::uint8_t fileHeader[kFileHeaderBytes];
    if (in.Read(fileHeader, sizeof fileHeader) != sizeof fileHeader
        || LittleEndian::Get16(fileHeader) != kBitmapSignature)
        return false;
    const std::uint32_t offBits = LittleEndian::Get32(fileHeader + 10);
    if (offBits < kFileHeaderBytes + kInfoHeaderBytes)
        return false;
    return ReadDibBody(in, std::int64_t{offBits} - static_cast<std::int64_t>(kFileHeaderBytes));
}

bool SECImage::ReadDibBody(ImageStream& in, std::int64_t bytesBeforePixels)
{
    std::uint8_t info[kInfoHeaderBytes];
    if (in.Read(info, sizeof info) != sizeof info)
        return false;
    const BITMAPINFOHEADER h = GetInfoHeaderAt(info);
    // Core (OS/2) headers are smaller; anything beyond the 124-byte version 5
    // header is not a bitmap.
    if (h.biSize < kInfoHeaderBytes || h.biSize > 124
        || (bytesBeforePixels >= 0 && bytesBeforePixels < std::int64_t{h.biSize}))
        return false;
    if (!Skip(in, h.biSize - kInfoHeaderBytes))
        return false;
    const int bits = h.biBitCount;
    if (h.biWidth <= 0 || h.biHeight == 0 || h.biHeight == std::numeric_limits<std::int32_t>::min()
        || (bits != 1 && bits != 4 && bits != 8 && bits != 24) || h.biCompression != BI_RGB)
        return false;
    const bool topDown = h.biHeight < 0;
    const std::int32_t height = topDown ? -h.biHeight : h.biHeight;

    // The palette: colours-used entries, or all 2^bits; a 24-bit file may carry
    // up to 256 entries that only serve palette displays.
    const std::uint32_t paletteCount = PaletteCountFor(bits);
    if (h.biClrUsed > (bits <= 8 ? paletteCount : 256u))
        return false;
    const std::uint32_t stored = h.biClrUsed != 0 ? h.biClrUsed : paletteCount;
    const std::int64_t gap = bytesBeforePixels >= 0 ? bytesBeforePixels - h.biSize : 4 * std::int64_t{stored};
    const auto present = static_cast<std::uint32_t>(std::min<std::int64_t>(std::min(stored, paletteCount), gap / 4));
    std::uint8_t palette[4 * 256];
    if (in.Read(palette, 4 * std::size_t{present}) != 4 * std::size_t{present} || !Skip(in, gap - 4 * std::int64_t{present}))
        return false;

    // Row bytes times height can pass 64 bits for the widest rows: compare before multiplying.
    const std::int64_t rowBytes = DibRowBytes(h.biWidth, bits);
    if (rowBytes > kMaxPixelBytes / height)
        return false;
    const std::int64_t pixelBytes = rowBytes * height;
    std::vector<std::uint8_t> pixels;
    if (!ReadGrowing(in, pixelBytes, pixels) || !InitPicture(h.biWidth, height, bits, false))
        return false;
    m_picture.m_pixels = std::move(pixels);
    std::memcpy(PaletteEntries(), palette, 4 * std::size_t{present});
    BITMAPINFOHEADER kept = GetInfoHeader();
    kept.biSizeImage = h.biSizeImage;
    kept.biXPelsPerMeter = h.biXPelsPerMeter;
    kept.biYPelsPerMeter = h.biYPelsPerMeter;
    kept.biClrUsed = bits <= 8 ? h.biClrUsed : 0;
    kept.biClrImportant = std::min(h.biClrImportant, kept.biClrUsed);
    PutInfoHeader(m_picture.m_header.data(), kept);
    return !topDown || FlipVertical();
}

bool SECImage::WriteDibFile(ImageStream& out, bool zeroImageSize)
{
    if (!HasPicture() || !AlignRows())
        return false;
    const Picture& p = m_picture;
    const std::size_t headerBytes = kInfoHeaderBytes + 4 * std::size_t{p.m_nPaletteCount};
    const std::int64_t pixelBytes = GetStride() * p.m_nHeight;
    const std::int64_t fileBytes = static_cast<std::int64_t>(kFileHeaderBytes + headerBytes) + pixelBytes;
    if (p.m_header.size() < headerBytes || fileBytes > std::numeric_limits<std::uint32_t>::max())
        return false;

    std::uint8_t fileHeader[kFileHeaderBytes] = {};
    PutFileHeader(fileHeader, fileBytes, kFileHeaderBytes + headerBytes);
    std::vector<std::uint8_t> header(p.m_header.begin(), p.m_header.begin() + static_cast<std::ptrdiff_t>(headerBytes));
    if (zeroImageSize)
        LittleEndian::Put32(header.data() + 20, 0);
    return out.Write(fileHeader, sizeof fileHeader) && out.Write(header.data(), header.size())
        && out.Write(p.m_pixels.data(), static_cast<std::size_t>(pixelBytes));
}
