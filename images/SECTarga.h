#pragma once

#include "images/SECImage.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Truevision Targa files (TGA 1 and 2): true-colour pictures of 16 or 24
// bits, uncompressed or run-length, either origin.
class SECTarga : public SECImage {
public:
    static const SECRuntimeClass classSECTarga;
    const SECRuntimeClass& GetRuntimeClass() const override { return classSECTarga; }

    // No Targa writer: nothing saves in this format.
    bool WriteImage(ImageFile& file) override;
    bool ReadImage(ImageFile& file) override;

    // The TGA 2 extension area's texts, empty for TGA 1 files.
    const std::string& GetAuthorName() const { return m_extension.authorName; }
    const std::string& GetSoftwareId() const { return m_extension.softwareId; }

private:
    struct Header {
        std::uint8_t idLength = 0;
        std::uint8_t colorMapType = 0;
        std::uint8_t imageType = 0;
        std::uint16_t colorMapFirst = 0;
        std::uint16_t colorMapLength = 0;
        std::uint8_t colorMapEntryBits = 0;
        std::uint16_t xOrigin = 0;
        std::uint16_t yOrigin = 0;
        std::uint16_t width = 0;
        std::uint16_t height = 0;
        std::uint8_t pixelDepth = 0;
        std::uint8_t descriptor = 0;
    };
    struct DeveloperTag {
        std::uint16_t tag = 0;
        std::uint32_t offset = 0;
        std::uint32_t size = 0;
    };
    struct Extension {
        std::string authorName;
        std::string authorComment;
        std::array<std::uint16_t, 6> dateTime{};
        std::string jobName;
        std::array<std::uint16_t, 3> jobTime{};
        std::string softwareId;
        std::uint16_t softwareVersion = 0;
        std::uint8_t softwareLetter = 0;
        std::uint32_t keyColor = 0;
        std::uint16_t aspectNumerator = 0;
        std::uint16_t aspectDenominator = 0;
        std::uint16_t gammaNumerator = 0;
        std::uint16_t gammaDenominator = 0;
        std::uint32_t colorCorrectionOffset = 0;
        std::uint32_t postageStampOffset = 0;
        std::uint32_t scanLineOffset = 0;
        std::uint8_t attributesType = 0;
    };

    bool ReadHeader(ImageFile& file);
    bool ReadFooter(ImageFile& file);
    bool ReadExtension(ImageFile& file, std::uint32_t offset);
    bool ReadRawRows(int pixelBytes);
    bool ReadRunLengthRows(int pixelBytes);
    std::uint8_t* PixelAt(std::int32_t storedRow, std::int32_t storedColumn);
    static void ConvertPixel(const std::uint8_t* in, int pixelBytes, std::uint8_t* out);

    Header m_header;
    std::vector<std::uint8_t> m_imageId;
    std::vector<std::uint8_t> m_colorMap;
    std::int64_t m_nDataOffset = 0;
    std::uint32_t m_nExtensionOffset = 0;
    std::uint32_t m_nDeveloperOffset = 0;
    std::vector<DeveloperTag> m_developerTags;
    Extension m_extension;
    std::vector<std::uint32_t> m_scanLines;
    std::uint8_t m_nStampWidth = 0;
    std::uint8_t m_nStampHeight = 0;
    std::vector<std::uint8_t> m_postageStamp;
    std::vector<std::uint16_t> m_colorCorrection;
};
