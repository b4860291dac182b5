#pragma once

#include "platform/CObject.h"
#include "platform/WinTypes.h"

#include <cstdint>
#include <vector>

// The printer page set-up of a model: the printer's device names and device
// mode blocks, kept as the platform gave them or a document held them, and
// the paper size and margins in thousandths of an inch or hundredths of a
// millimetre, as the units flag says.
class CODPageSettings : public CObject {
public:
    static constexpr std::uint32_t kMinMarginsFlag = 0x1;
    static constexpr std::uint32_t kMarginsFlag = 0x2;
    static constexpr std::uint32_t kThousandthsOfInches = 0x4;
    static constexpr std::uint32_t kHundredthsOfMillimeters = 0x8;
    static constexpr int kPortrait = 1;
    static constexpr int kLandscape = 2;
    // The public part of a device mode that is kept; the rest is skipped.
    static constexpr std::size_t kDevModeBytes = 148;
    static constexpr std::size_t kDevModeOrientationOffset = 44;

    // The platform's defaults (see PrinterDefaults).
    CODPageSettings();

    // Converts the paper and both margin rectangles (thousandths of an inch
    // or hundredths of a millimetre) and sets the units flag.
    void SetUnits(std::uint32_t nUnitsFlag);
    std::uint32_t GetUnits() const;
    // Portrait or landscape: the device mode's orientation, and the paper
    // turned when it changes.
    void SetOrientation(int nOrientation);
    int GetOrientation() const;

    std::uint32_t GetFlags() const { return m_nFlags; }
    SIZE GetPaperSize() const { return m_paperSize; }
    RECT GetMinMargins() const { return m_rcMinMargins; }
    RECT GetMargins() const { return m_rcMargins; }
    void SetMargins(const RECT& margins) { m_rcMargins = margins; }
    // In the current units, as a page set-up dialog or a printer gives them.
    void SetPaperSize(const SIZE& paper) { m_paperSize = paper; }
    void SetMinMargins(const RECT& margins) { m_rcMinMargins = margins; }
    const std::vector<std::uint8_t>& GetDevNames() const { return m_devNames; }
    // The public part (at most kDevModeBytes) followed by the driver's extra bytes.
    const std::vector<std::uint8_t>& GetDevMode() const { return m_devMode; }
    std::uint16_t GetDriverExtra() const { return m_nDriverExtra; }

    // Stores schema 2; loads schema 2 and the older form of schema 1, whose
    // device mode is one counted block.
    void Serialize(CArchive& ar) override;

private:
    // Keeps the public part (cut to kDevModeBytes) and the driver's extra bytes.
    void KeepDevMode(const std::uint8_t* data, std::size_t nSize, std::size_t nExtra);

    std::vector<std::uint8_t> m_devNames;
    std::vector<std::uint8_t> m_devMode;
    std::uint16_t m_nDriverExtra = 0;
    std::uint32_t m_nFlags = kMinMarginsFlag | kMarginsFlag | kHundredthsOfMillimeters;
    SIZE m_paperSize{};
    RECT m_rcMinMargins{};
    RECT m_rcMargins{};
};
