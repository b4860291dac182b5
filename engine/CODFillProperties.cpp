#include "engine/CODFillProperties.h"

#include "engine/CArchive.h"
#include "platform/CBrush.h"

#include <typeinfo>

void CODFillProperties::ReleaseBrush()
{
    m_pBrush.reset();
    m_pBitmap.reset();
}

void CODFillProperties::SetColor(COLORREF crColor)
{
    ReleaseBrush();
    m_crColor = crColor;
}

void CODFillProperties::SetTransparent(int bTransparent)
{
    ReleaseBrush();
    m_bTransparent = bTransparent;
}

void CODFillProperties::SetFillStyle(int nStyle)
{
    ReleaseBrush();
    if (nStyle >= kSolid && nStyle <= kPattern)
        m_nFillStyle = nStyle;
}

void CODFillProperties::SetHatchStyle(int nHatch)
{
    ReleaseBrush();
    if (nHatch >= HS_HORIZONTAL && nHatch <= HS_DIAGCROSS)
        m_nHatchStyle = nHatch;
}

void CODFillProperties::SetBkMode(int nMode)
{
    ReleaseBrush();
    if (nMode == TRANSPARENT || nMode == OPAQUE)
        m_nBkMode = nMode;
}

void CODFillProperties::SetBkColor(COLORREF crColor)
{
    ReleaseBrush();
    m_crBkColor = crColor;
}

void CODFillProperties::SetPatternImage(std::shared_ptr<const CODPatternImage> pImage)
{
    ReleaseBrush();
    if (pImage)
        m_pPattern = std::move(pImage);
}

HBRUSH CODFillProperties::GetBrush(CDC* pDC) const
{
    if (m_pBrush)
        return m_pBrush;
    if (m_bTransparent || m_nFillStyle == kHollow) {
        LOGBRUSH logBrush;
        logBrush.lbStyle = BS_HOLLOW;
        logBrush.lbColor = m_crColor;
        logBrush.lbHatch = static_cast<std::uintptr_t>(m_nHatchStyle);
        m_pBrush = CBrush::CreateBrushIndirect(logBrush);
    } else if (m_nFillStyle == kHatched) {
        m_pBrush = CBrush::CreateHatchBrush(m_nHatchStyle, m_crColor);
    } else if (m_nFillStyle == kPattern && m_pPattern) {
        m_pBitmap = m_pPattern->MakeBitmap(pDC);
        m_pBrush = CBrush::CreatePatternBrush(m_pBitmap);
    }
    if (!m_pBrush)
        m_pBrush = CBrush::CreateSolidBrush(m_crColor);
    return m_pBrush;
}

std::unique_ptr<CODProperty> CODFillProperties::Clone() const
{
    auto copy = std::make_unique<CODFillProperties>(*this);
    copy->ReleaseBrush();
    return copy;
}

void CODFillProperties::CopyFrom(const CODProperty& other, unsigned mask)
{
    const auto* source = dynamic_cast<const CODFillProperties*>(&other);
    if (!source)
        return;
    ReleaseBrush();
    if (mask & kMaskColor)
        m_crColor = source->m_crColor;
    if (mask & kMaskTransparent)
        m_bTransparent = source->m_bTransparent;
    if (mask & kMaskStyle)
        m_nFillStyle = source->m_nFillStyle;
    if (mask & kMaskHatch)
        m_nHatchStyle = source->m_nHatchStyle;
    if (mask & kMaskBkMode)
        m_nBkMode = source->m_nBkMode;
    if (mask & kMaskBkColor)
        m_crBkColor = source->m_crBkColor;
    if (mask & kMaskPattern)
        m_pPattern = source->m_pPattern;
}

bool CODFillProperties::Equals(const CODProperty& other) const
{
    const auto* source = dynamic_cast<const CODFillProperties*>(&other);
    return source && typeid(*source) == typeid(*this) && GetId() == other.GetId() && m_crColor == source->m_crColor
        && m_bTransparent == source->m_bTransparent && m_nFillStyle == source->m_nFillStyle
        && m_nHatchStyle == source->m_nHatchStyle && m_nBkMode == source->m_nBkMode
        && m_crBkColor == source->m_crBkColor && m_pPattern == source->m_pPattern;
}

CODProperty::ValueType CODFillProperties::TypeOf(int nId) const
{
    const int field = nId - GetId();
    if (field == 1 || field == 6)
        return ValueType::UInt;
    return field >= 2 && field <= 5 ? ValueType::Int : ValueType::None;
}

int CODFillProperties::ReadInt(int nId) const
{
    switch (nId - GetId()) {
    case 2:
        return m_bTransparent;
    case 3:
        return m_nFillStyle;
    case 4:
        return m_nHatchStyle;
    default:
        return m_nBkMode;
    }
}

void CODFillProperties::WriteInt(int nId, int value)
{
    switch (nId - GetId()) {
    case 2:
        SetTransparent(value);
        break;
    case 3:
        SetFillStyle(value);
        break;
    case 4:
        SetHatchStyle(value);
        break;
    default:
        SetBkMode(value);
        break;
    }
}

std::uint32_t CODFillProperties::ReadUInt(int nId) const
{
    return nId - GetId() == 1 ? m_crColor : m_crBkColor;
}

void CODFillProperties::WriteUInt(int nId, std::uint32_t value)
{
    if (nId - GetId() == 1)
        SetColor(value);
    else
        SetBkColor(value);
}

void CODFillProperties::Serialize(CArchive& ar)
{
    constexpr std::uint32_t kSchema = 1;
    CODProperty::Serialize(ar);
    ar.SerializeSchema(kSchema);
    if (ar.IsStoring()) {
        ar.WriteDWord(m_crColor);
        ar.WriteInt(m_bTransparent);
        ar.WriteInt(m_nFillStyle);
        ar.WriteInt(m_nHatchStyle);
        ar.WriteInt(m_nBkMode);
        ar.WriteDWord(m_crBkColor);
        // A pattern is stored when it is a persistent object of its own.
        ar.WriteObject(dynamic_cast<const CObject*>(m_pPattern.get()));
        return;
    }
    ReleaseBrush();
    m_crColor = ar.ReadDWord();
    m_bTransparent = ar.ReadInt();
    SetFillStyle(ar.ReadInt());
    SetHatchStyle(ar.ReadInt());
    SetBkMode(ar.ReadInt());
    m_crBkColor = ar.ReadDWord();
    std::unique_ptr<CObject> pattern = ar.ReadOwnedObject<CObject>();
    if (!pattern)
        return;
    auto* image = dynamic_cast<CODPatternImage*>(pattern.get());
    if (!image)
        ar.Fail("a fill pattern that is not a picture");
    pattern.release();
    m_pPattern.reset(image);
}
