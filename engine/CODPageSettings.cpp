#include "engine/CODPageSettings.h"

#include "engine/CArchive.h"
#include "images/LittleEndian.h"
#include "platform/Arithmetic.h"
#include "platform/PrinterDefaults.h"

#include <algorithm>
#include <limits>
#include <string>
#include <utility>

namespace {

constexpr std::uint32_t kSchema = 2;
constexpr std::uint32_t kCountedDevModeSchema = 1;
constexpr std::uint32_t kUnitFlags = CODPageSettings::kThousandthsOfInches | CODPageSettings::kHundredthsOfMillimeters;
// One inch in either unit.
constexpr int kInchInThousandths = 1000;
constexpr int kInchInHundredthsOfMm = 2540;
constexpr std::int32_t kHundredthsOfMmPerTenInch = 254;
constexpr std::int32_t kTenInchPerHundredthsOfMm = 100;

// The device names block: four word offsets, then driver, device and port names.
constexpr std::uint16_t kDevNamesHeader = 8;
constexpr std::uint16_t kDefaultPrinterFlag = 1;
constexpr const char* kDriverName = "CUPS";
// The device mode fields the defaults fill.
constexpr std::size_t kDeviceNameBytes = 32;
constexpr std::size_t kSpecVersionOffset = 32;
constexpr std::size_t kSizeOffset = 36;
constexpr std::size_t kDriverExtraOffset = 38;
constexpr std::size_t kFieldsOffset = 40;
constexpr std::uint16_t kSpecVersion = 0x0401;
constexpr std::uint32_t kOrientationField = 0x1;

std::int32_t Convert(std::int32_t value, std::uint32_t toUnits)
{
    return toUnits == CODPageSettings::kHundredthsOfMillimeters
        ? MulDiv(value, kHundredthsOfMmPerTenInch, kTenInchPerHundredthsOfMm)
        : MulDiv(value, kTenInchPerHundredthsOfMm, kHundredthsOfMmPerTenInch);
}

void ConvertRect(RECT& rect, std::uint32_t toUnits)
{
    rect.left = Convert(rect.left, toUnits);
    rect.top = Convert(rect.top, toUnits);
    rect.right = Convert(rect.right, toUnits);
    rect.bottom = Convert(rect.bottom, toUnits);
}

std::vector<std::uint8_t> MakeDevNames(const std::string& device)
{
    const std::string driver = kDriverName;
    std::vector<std::uint8_t> block(kDevNamesHeader);
    const auto deviceOffset = static_cast<std::uint16_t>(kDevNamesHeader + driver.size() + 1);
    const auto portOffset = static_cast<std::uint16_t>(deviceOffset + device.size() + 1);
    LittleEndian::Put16(block.data(), kDevNamesHeader);
    LittleEndian::Put16(block.data() + 2, deviceOffset);
    LittleEndian::Put16(block.data() + 4, portOffset);
    LittleEndian::Put16(block.data() + 6, kDefaultPrinterFlag);
    for (const std::string* name : {&driver, &device}) {
        block.insert(block.end(), name->begin(), name->end());
        block.push_back(0);
    }
    block.push_back(0);  // no port
    return block;
}

std::vector<std::uint8_t> MakeDevMode(const std::string& device)
{
    std::vector<std::uint8_t> block(CODPageSettings::kDevModeBytes);
    std::copy_n(device.begin(), std::min(device.size(), kDeviceNameBytes - 1), block.begin());
    LittleEndian::Put16(block.data() + kSpecVersionOffset, kSpecVersion);
    LittleEndian::Put16(block.data() + kSizeOffset, static_cast<std::uint16_t>(CODPageSettings::kDevModeBytes));
    LittleEndian::Put16(block.data() + kDriverExtraOffset, 0);
    LittleEndian::Put32(block.data() + kFieldsOffset, kOrientationField);
    LittleEndian::Put16(block.data() + CODPageSettings::kDevModeOrientationOffset, CODPageSettings::kPortrait);
    return block;
}

}  // namespace

CODPageSettings::CODPageSettings()
{
    const PrinterDefaults& defaults = GetPrinterDefaults();
    m_paperSize = SIZE{defaults.nPaperWidth, defaults.nPaperHeight};
    m_rcMargins = RECT{kInchInHundredthsOfMm, kInchInHundredthsOfMm, kInchInHundredthsOfMm, kInchInHundredthsOfMm};
    if (!defaults.strPrinterName.empty()) {
        m_devNames = MakeDevNames(defaults.strPrinterName);
        m_devMode = MakeDevMode(defaults.strPrinterName);
    }
    if (!defaults.bMetric) {
        SetUnits(kThousandthsOfInches);
        m_rcMargins = RECT{kInchInThousandths, kInchInThousandths, kInchInThousandths, kInchInThousandths};
    }
}

std::uint32_t CODPageSettings::GetUnits() const
{
    return m_nFlags & kThousandthsOfInches ? kThousandthsOfInches : kHundredthsOfMillimeters;
}

void CODPageSettings::SetUnits(std::uint32_t nUnitsFlag)
{
    if ((nUnitsFlag != kThousandthsOfInches && nUnitsFlag != kHundredthsOfMillimeters) || nUnitsFlag == GetUnits())
        return;
    m_paperSize.cx = Convert(m_paperSize.cx, nUnitsFlag);
    m_paperSize.cy = Convert(m_paperSize.cy, nUnitsFlag);
    ConvertRect(m_rcMinMargins, nUnitsFlag);
    ConvertRect(m_rcMargins, nUnitsFlag);
    m_nFlags = (m_nFlags & ~kUnitFlags) | nUnitsFlag;
}

int CODPageSettings::GetOrientation() const
{
    if (m_devMode.size() >= kDevModeOrientationOffset + 2) {
        const int stored = static_cast<std::int16_t>(LittleEndian::Get16(m_devMode.data() + kDevModeOrientationOffset));
        if (stored == kPortrait || stored == kLandscape)
            return stored;
    }
    return m_paperSize.cx > m_paperSize.cy ? kLandscape : kPortrait;
}

void CODPageSettings::SetOrientation(int nOrientation)
{
    if (nOrientation != kPortrait && nOrientation != kLandscape)
        return;
    const int previous = GetOrientation();
    if (m_devMode.size() >= kDevModeOrientationOffset + 2)
        LittleEndian::Put16(m_devMode.data() + kDevModeOrientationOffset, static_cast<std::uint16_t>(nOrientation));
    if (previous != nOrientation)
        std::swap(m_paperSize.cx, m_paperSize.cy);
}

void CODPageSettings::KeepDevMode(const std::uint8_t* data, std::size_t nSize, std::size_t nExtra)
{
    const std::size_t kept = std::min(nSize, kDevModeBytes);
    m_devMode.assign(data, data + kept);
    m_devMode.insert(m_devMode.end(), data + nSize, data + nSize + nExtra);
    m_nDriverExtra = static_cast<std::uint16_t>(nExtra);
}

void CODPageSettings::Serialize(CArchive& ar)
{
    const std::uint32_t schema = ar.SerializeSchema(kSchema);
    if (ar.IsStoring()) {
        ar.WriteDWord(static_cast<std::uint32_t>(m_devNames.size()));
        ar.WriteBytes(m_devNames.data(), m_devNames.size());
        ar.WriteWord(static_cast<std::uint16_t>(m_devMode.size() - m_nDriverExtra));
        ar.WriteWord(m_nDriverExtra);
        ar.WriteBytes(m_devMode.data(), m_devMode.size());
        ar.WriteDWord(m_nFlags);
        ar.WriteInt(m_paperSize.cx);
        ar.WriteInt(m_paperSize.cy);
        ar.WriteRect(m_rcMinMargins);
        ar.WriteRect(m_rcMargins);
        return;
    }
    m_devNames = ar.ReadBytes(ar.ReadCount(1));
    if (schema <= kCountedDevModeSchema) {
        // One block: its own size and driver-extra fields tell the parts apart.
        const std::vector<std::uint8_t> block = ar.ReadBytes(ar.ReadCount(1));
        std::size_t size = block.size();
        if (block.size() >= kDriverExtraOffset + 2)
            size = std::min<std::size_t>(LittleEndian::Get16(block.data() + kSizeOffset), block.size());
        const std::size_t extra = std::min<std::size_t>(block.size() - size, std::numeric_limits<std::uint16_t>::max());
        KeepDevMode(block.data(), size, extra);
    } else {
        const std::size_t size = ar.ReadWord();
        const std::size_t extra = ar.ReadWord();
        const std::vector<std::uint8_t> block = ar.ReadBytes(size + extra);
        KeepDevMode(block.data(), size, extra);
    }
    m_nFlags = ar.ReadDWord();
    m_paperSize.cx = ar.ReadInt();
    m_paperSize.cy = ar.ReadInt();
    m_rcMinMargins = ar.ReadRect();
    m_rcMargins = ar.ReadRect();
}
