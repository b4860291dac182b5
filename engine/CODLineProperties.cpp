#include "engine/CODLineProperties.h"

#include "engine/CArchive.h"
#include "engine/ODHelpers.h"
#include "platform/CPen.h"

#include <typeinfo>

CODLineProperties::CODLineProperties(int nId) : CODProperty(nId), m_nLogWidth(PointsToLogical(1, nullptr, false)) {}

void CODLineProperties::SetColor(COLORREF crColor)
{
    m_pPen.reset();
    m_crColor = crColor;
}

void CODLineProperties::SetTransparent(int bTransparent)
{
    m_pPen.reset();
    m_bTransparent = bTransparent;
}

void CODLineProperties::SetWidthInPoints(int nPoints)
{
    m_pPen.reset();
    m_nPointWidth = nPoints;
    m_nLogWidth = PointsToLogical(nPoints, nullptr, false);
}

void CODLineProperties::SetWidth(int nLogical)
{
    m_pPen.reset();
    m_nLogWidth = nLogical;
}

void CODLineProperties::SetStyle(int nStyle)
{
    m_pPen.reset();
    if (nStyle >= PS_SOLID && nStyle <= PS_DASHDOTDOT)
        m_nStyle = nStyle;
}

HPEN CODLineProperties::GetPen() const
{
    if (!m_pPen) {
        int width = m_nLogWidth;
        if (width == -1)
            width = m_nPointWidth > 0 ? PointsToLogical(m_nPointWidth, nullptr, false) : 1;
        m_pPen = CPen::CreatePen(m_bTransparent ? PS_NULL : m_nStyle, width, m_crColor);
    }
    return m_pPen;
}

std::unique_ptr<CODProperty> CODLineProperties::Clone() const
{
    auto copy = std::make_unique<CODLineProperties>(*this);
    copy->m_pPen.reset();
    return copy;
}

void CODLineProperties::CopyFrom(const CODProperty& other, unsigned mask)
{
    const auto* source = dynamic_cast<const CODLineProperties*>(&other);
    if (!source)
        return;
    m_pPen.reset();
    if (mask & 0x1)
        m_crColor = source->m_crColor;
    if (mask & 0x2)
        m_bTransparent = source->m_bTransparent;
    if (mask & 0x4) {
        m_nPointWidth = source->m_nPointWidth;
        m_nLogWidth = source->m_nLogWidth;
    }
    if (mask & 0x8)
        m_nStyle = source->m_nStyle;
}

bool CODLineProperties::Equals(const CODProperty& other) const
{
    const auto* source = dynamic_cast<const CODLineProperties*>(&other);
    return source && typeid(*source) == typeid(*this) && GetId() == other.GetId() && m_crColor == source->m_crColor
        && m_bTransparent == source->m_bTransparent && m_nPointWidth == source->m_nPointWidth
        && m_nLogWidth == source->m_nLogWidth && m_nStyle == source->m_nStyle;
}

CODProperty::ValueType CODLineProperties::TypeOf(int nId) const
{
    return nId == GetId() + 1 ? ValueType::UInt : nId > GetId() ? ValueType::Int : ValueType::None;
}

int CODLineProperties::ReadInt(int nId) const
{
    const int field = nId - GetId();
    return field == 2 ? m_bTransparent : field == 3 ? m_nPointWidth : m_nStyle;
}

void CODLineProperties::WriteInt(int nId, int value)
{
    switch (nId - GetId()) {
    case 2:
        SetTransparent(value);
        break;
    case 3:
        SetWidthInPoints(value);
        break;
    default:
        SetStyle(value);
        break;
    }
}

std::uint32_t CODLineProperties::ReadUInt(int /*nId*/) const
{
    return m_crColor;
}

void CODLineProperties::WriteUInt(int /*nId*/, std::uint32_t value)
{
    SetColor(value);
}

void CODLineProperties::Serialize(CArchive& ar)
{
    constexpr std::uint32_t kSchema = 2;
    // Schema 2 added the width in logical units.
    constexpr std::uint32_t kLogicalWidthSchema = 2;
    CODProperty::Serialize(ar);
    const std::uint32_t schema = ar.SerializeSchema(kSchema);
    if (ar.IsStoring()) {
        ar.WriteDWord(m_crColor);
        ar.WriteInt(m_bTransparent);
        ar.WriteInt(m_nPointWidth);
        ar.WriteInt(m_nLogWidth);
        ar.WriteInt(m_nStyle);
        return;
    }
    m_pPen.reset();
    m_crColor = ar.ReadDWord();
    m_bTransparent = ar.ReadInt();
    m_nPointWidth = ar.ReadInt();
    m_nLogWidth = schema >= kLogicalWidthSchema ? ar.ReadInt() : PointsToLogical(m_nPointWidth, nullptr, false);
    SetStyle(ar.ReadInt());
}
