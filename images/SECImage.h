#pragma once

#include "images/ImageFile.h"
#include "images/ImageStream.h"
#include "images/SECRuntimeClass.h"
#include "platform/CDC.h"
#include "platform/CPalette.h"
#include "platform/GdiHandles.h"
#include "platform/GdiTypes.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// One raster picture in device-independent bitmap form: a 40-byte header with
// its palette, and bottom-up rows (24-bit pixels blue, green, red). Each
// derived class reads and writes one file format.
class SECImage {
public:
    SECImage() = default;
    SECImage(const SECImage&) = delete;
    SECImage& operator=(const SECImage&) = delete;

    virtual const SECRuntimeClass& GetRuntimeClass() const = 0;
    virtual ~SECImage();
    // The archive form: a complete BMP file image. False when a load finds no
    // valid picture (the previous picture is kept) or a store cannot write.
    virtual bool Serialize(ImageStream& archive);
    virtual bool BuildPalette();
    virtual bool LoadFromPath(const std::string& path);
    virtual bool LoadFromFile(ImageFile& file);
    virtual bool SaveToPath(const std::string& path);
    virtual bool SaveToFile(ImageFile& file);
    virtual void FreeImage();
    virtual bool FinishLoad();
    virtual bool BeforeSave();
    virtual bool AfterSave();
    virtual bool WriteImage(ImageFile& file) = 0;
    virtual bool ReadImage(ImageFile& file) = 0;
    virtual void CloseFiles();

    bool CopyImage(const SECImage& other);
    bool TakeImage(SECImage& other);
    bool FlipVertical();
    bool MirrorRows();
    bool AlignRows();
    bool PackRows();

    bool HasPicture() const;
    std::int32_t GetBitsPerPixel() const { return m_picture.m_nBitsPerPixel; }
    std::int32_t GetWidth() const { return m_picture.m_nWidth; }
    std::int32_t GetHeight() const { return m_picture.m_nHeight; }
    std::int32_t GetAlignedWidth() const { return m_picture.m_nAlignedWidth; }
    std::uint16_t GetPaletteCount() const { return m_picture.m_nPaletteCount; }
    bool AreRowsAligned() const { return m_picture.m_bRowsAligned != 0; }
    std::int64_t GetStride() const;          // bytes of an aligned row
    std::int64_t GetPackedRowBytes() const;  // bytes of a packed row
    const std::vector<std::uint8_t>& GetPixels() const { return m_picture.m_pixels; }
    // The BITMAPINFOHEADER followed by the palette (a BITMAPINFO).
    const std::vector<std::uint8_t>& GetHeaderBlock() const { return m_picture.m_header; }
    BITMAPINFOHEADER GetInfoHeader() const;
    RGBQUAD GetPaletteEntry(int index) const;
    // The palette object for a device context; none for 24-bit pictures.
    HPALETTE GetPalette() const { return m_picture.m_pPalette; }

    // Copies a bitmap into the object as a 24-bit picture; on failure the
    // previous picture stays.
    bool CreateFromBitmap(const CDC* pDC, const HBITMAP& bitmap);
    // A black 24-bit picture of that size in place of the previous one, to be
    // filled by PutBitmapRows; on failure the previous picture stays.
    bool CreateTrueColor(std::int32_t width, std::int32_t height);
    // Copies rows of a bitmap as wide as the picture, from its row
    // sourceRow down, into the picture's rows from top down (rows counted
    // from the top on both sides).
    bool PutBitmapRows(const CDC* pDC, const HBITMAP& bitmap, std::int32_t sourceRow, std::int32_t top, std::int32_t rows);
    // The file and info headers SECDib writes before the rows of a 24-bit
    // picture of that size; empty when the file could not hold it.
    static std::vector<std::uint8_t> TrueColorDibHeaders(std::int32_t width, std::int32_t height);
    // A new bitmap compatible with the context, holding the picture; none
    // without a picture.
    HBITMAP MakeBitmap(const CDC* pDC) const;
    // Draws the source rectangle (picture pixels, y from the top) into the
    // destination rectangle; returns the scan lines drawn.
    int DrawStretched(CDC* pDC, const RECT& destination, const RECT& source, std::uint32_t rop) const;

protected:
    // The largest pixel buffer a reader allocates.
    static constexpr std::int64_t kMaxPixelBytes = std::int64_t{1} << 30;

    // Runs a load on an emptied object; when it fails (or runs out of
    // memory) the picture held before comes back.
    bool LoadKeepingPrevious(const std::function<bool()>& load);

    // Sets up an empty picture of that size and depth: zeroed header block
    // with a palette of 2^bits entries (none above 8 bits), aligned rows, and
    // zeroed pixels unless the caller supplies them.
    bool InitPicture(std::int32_t width, std::int32_t height, int bits, bool allocatePixels = true);
    // Row y of an aligned picture, y = 0 the bottom row.
    std::uint8_t* RowPointer(std::int32_t y);
    const std::uint8_t* RowPointer(std::int32_t y) const;
    RGBQUAD* PaletteEntries();
    void SetColorsUsed(std::uint32_t used);

    // Whether a file of fileBytes can hold decodedBytes of picture at no more
    // than maxRatio decoded bytes to one file byte.
    static bool Plausible(std::int64_t decodedBytes, std::int64_t fileBytes, std::int64_t maxRatio);

    // The read buffer over the current file.
    bool SetReadBuffer(std::size_t size, bool fillNow);
    std::size_t ReadBytes(void* data, std::size_t count);
    void DropReadBuffer();

    // A BMP file image: 14-byte file header, information header, palette, rows.
    bool ReadDibFile(ImageStream& in);
    // Information header, palette and rows; bytesBeforePixels counts from the
    // information header to the rows, -1 when the rows follow the palette.
    bool ReadDibBody(ImageStream& in, std::int64_t bytesBeforePixels);
    bool WriteDibFile(ImageStream& out, bool zeroImageSize);

    ImageFile* m_pFile = nullptr;  // the current file

private:
    struct Picture {
        std::int32_t m_nBitsPerPixel = 0;
        std::int32_t m_bRowsAligned = 0;
        std::int32_t m_nAlignedWidth = 0;
        std::int32_t m_nWidth = 0;
        std::int32_t m_nHeight = 0;
        std::uint16_t m_nPaletteCount = 0;
        HPALETTE m_pPalette;  // none for 24-bit pictures
        std::vector<std::uint8_t> m_pixels;
        std::vector<std::uint8_t> m_header;   // BITMAPINFOHEADER + palette
    };

    std::int64_t RowPitch() const;  // stride or packed bytes, as the rows are now

    Picture m_picture;
    std::vector<std::uint8_t> m_readBuffer;
    std::size_t m_nBytesHeld = 0;
    std::size_t m_nBufferPos = 0;
    std::vector<std::unique_ptr<ImageFile>> m_ownedFiles;
};
