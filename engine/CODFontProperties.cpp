#include "engine/CODFontProperties.h"

#include "engine/CArchive.h"
#include "engine/ODHelpers.h"
#include "platform/CFont.h"

#include <cstring>
#include <typeinfo>

CODFontProperties::CODFontProperties(int nId) : CODProperty(nId), m_nHeight(PointsToLogical(10)) {}

void CODFontProperties::SetFaceName(const std::string& strFace)
{
    m_pFont.reset();
    m_strFaceName = strFace;
}

void CODFontProperties::SetPointSize(int nPoints)
{
    m_pFont.reset();
    if (nPoints <= 1)
        return;
    m_nPointSize = nPoints;
    m_nHeight = PointsToLogical(nPoints);
}

void CODFontProperties::SetHeight(int nLogical)
{
    m_pFont.reset();
    m_nHeight = nLogical;
}

void CODFontProperties::SetColor(COLORREF crColor)
{
    m_pFont.reset();
    m_crColor = crColor;
}

void CODFontProperties::SetWeight(int nWeight)
{
    m_pFont.reset();
    if (nWeight >= 0 && nWeight <= 1000)
        m_nWeight = nWeight;
}

void CODFontProperties::SetItalic(int bItalic)
{
    m_pFont.reset();
    m_bItalic = bItalic;
}

void CODFontProperties::SetUnderline(int bUnderline)
{
    m_pFont.reset();
    m_bUnderline = bUnderline;
}

void CODFontProperties::SetStrikeOut(int bStrikeOut)
{
    m_pFont.reset();
    m_bStrikeOut = bStrikeOut;
}

HFONT CODFontProperties::GetFont() const
{
    if (!m_pFont) {
        LOGFONT logFont;
        logFont.lfHeight = -(m_nHeight > 0 ? m_nHeight : PointsToLogical(m_nPointSize));
        logFont.lfWeight = m_nWeight;
        logFont.lfItalic = m_bItalic ? 1 : 0;
        logFont.lfUnderline = m_bUnderline ? 1 : 0;
        logFont.lfStrikeOut = m_bStrikeOut ? 1 : 0;
        logFont.lfCharSet = DEFAULT_CHARSET;
        std::strncpy(logFont.lfFaceName, m_strFaceName.c_str(), LF_FACESIZE - 1);
        m_pFont = CFont::CreateFontIndirect(logFont);
    }
    return m_pFont;
}

std::unique_ptr<CODProperty> CODFontProperties::Clone() const
{
    auto copy = std::make_unique<CODFontProperties>(*this);
    copy->m_pFont.reset();
    return copy;
}

void CODFontProperties::CopyFrom(const CODProperty& other, unsigned mask)
{
    const auto* source = dynamic_cast<const CODFontProperties*>(&other);
    if (!source)
        return;
    m_pFont.reset();
    if (mask & 0x01)
        m_strFaceName = source->m_strFaceName;
    if (mask & 0x02)
        SetPointSize(source->m_nPointSize);
    if (mask & 0x04)
        m_nHeight = source->m_nHeight;
    if (mask & 0x08)
        m_crColor = source->m_crColor;
    if (mask & 0x10)
        m_nWeight = source->m_nWeight;
    if (mask & 0x20)
        m_bItalic = source->m_bItalic;
    if (mask & 0x40)
        m_bUnderline = source->m_bUnderline;
    if (mask & 0x80)
        m_bStrikeOut = source->m_bStrikeOut;
}

bool CODFontProperties::Equals(const CODProperty& other) const
{
    const auto* source = dynamic_cast<const CODFontProperties*>(&other);
    return source && typeid(*source) == typeid(*this) && GetId() == other.GetId()
        && m_strFaceName == source->m_strFaceName && m_nPointSize == source->m_nPointSize
        && m_nHeight == source->m_nHeight && m_crColor == source->m_crColor && m_nWeight == source->m_nWeight
        && m_bItalic == source->m_bItalic && m_bUnderline == source->m_bUnderline
        && m_bStrikeOut == source->m_bStrikeOut;
}

CODProperty::ValueType CODFontProperties::TypeOf(int nId) const
{
    switch (nId - GetId()) {
    case 1:
        return ValueType::String;
    case 4:
        return ValueType::UInt;
    case 2:
    case 3:
    case 5:
    case 6:
    case 7:
    case 8:
        return ValueType::Int;
    default:
        return ValueType::None;
    }
}

int CODFontProperties::ReadInt(int nId) const
{
    switch (nId - GetId()) {
    case 2:
        return m_nPointSize;
    case 3:
        return m_nHeight;
    case 5:
        return m_nWeight;
    case 6:
        return m_bItalic;
    case 7:
        return m_bUnderline;
    default:
        return m_bStrikeOut;
    }
}

void CODFontProperties::WriteInt(int nId, int value)
{
    switch (nId - GetId()) {
    case 2:
        SetPointSize(value);
        break;
    case 3:
        SetHeight(value);
        break;
    case 5:
        SetWeight(value);
        break;
    case 6:
        SetItalic(value);
        break;
    case 7:
        SetUnderline(value);
        break;
    default:
        SetStrikeOut(value);
        break;
    }
}

std::uint32_t CODFontProperties::ReadUInt(int /*nId*/) const
{
    return m_crColor;
}

void CODFontProperties::WriteUInt(int /*nId*/, std::uint32_t value)
{
    SetColor(value);
}

std::string CODFontProperties::ReadString(int /*nId*/) const
{
    return m_strFaceName;
}

void CODFontProperties::WriteString(int /*nId*/, const std::string& value)
{
    SetFaceName(value);
}

void CODFontProperties::Serialize(CArchive& ar)
{
    constexpr std::uint32_t kSchema = 2;
    // Schema 2 added the height in logical units.
    constexpr std::uint32_t kLogicalHeightSchema = 2;
    CODProperty::Serialize(ar);
    const std::uint32_t schema = ar.SerializeSchema(kSchema);
    if (ar.IsStoring()) {
        ar.WriteString(m_strFaceName);
        ar.WriteInt(m_nPointSize);
        ar.WriteDWord(m_crColor);
        ar.WriteInt(m_nHeight);
        ar.WriteInt(m_nWeight);
        ar.WriteInt(m_bItalic);
        ar.WriteInt(m_bUnderline);
        ar.WriteInt(m_bStrikeOut);
        return;
    }
    m_pFont.reset();
    m_strFaceName = ar.ReadString();
    m_nPointSize = ar.ReadInt();
    m_crColor = ar.ReadDWord();
    m_nHeight = schema >= kLogicalHeightSchema ? ar.ReadInt() : PointsToLogical(m_nPointSize);
    SetWeight(ar.ReadInt());
    m_bItalic = ar.ReadInt();
    m_bUnderline = ar.ReadInt();
    m_bStrikeOut = ar.ReadInt();
}
