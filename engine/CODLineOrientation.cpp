#include "engine/CODLineOrientation.h"

#include "engine/CArchive.h"
#include <typeinfo>

std::unique_ptr<CODProperty> CODLineOrientation::Clone() const
{
    return std::make_unique<CODLineOrientation>(*this);
}

void CODLineOrientation::CopyFrom(const CODProperty& other, unsigned mask)
{
    const auto* source = dynamic_cast<const CODLineOrientation*>(&other);
    if (!source)
        return;
    if (mask & 0x1)
        m_nPercent = source->m_nPercent;
    if (mask & 0x2)
        m_nAnchor = source->m_nAnchor;
    if (mask & 0x4)
        m_nDistance = source->m_nDistance;
}

bool CODLineOrientation::Equals(const CODProperty& other) const
{
    const auto* source = dynamic_cast<const CODLineOrientation*>(&other);
    return source && typeid(*source) == typeid(*this) && GetId() == other.GetId()
        && m_nPercent == source->m_nPercent && m_nAnchor == source->m_nAnchor && m_nDistance == source->m_nDistance;
}

CODProperty::ValueType CODLineOrientation::TypeOf(int nId) const
{
    const int field = nId - GetId();
    return field == 2 ? ValueType::Int : field == 1 || field == 3 ? ValueType::UInt : ValueType::None;
}

int CODLineOrientation::ReadInt(int /*nId*/) const
{
    return m_nAnchor;
}

void CODLineOrientation::WriteInt(int /*nId*/, int value)
{
    m_nAnchor = value;
}

std::uint32_t CODLineOrientation::ReadUInt(int nId) const
{
    return nId - GetId() == 1 ? m_nPercent : m_nDistance;
}

void CODLineOrientation::WriteUInt(int nId, std::uint32_t value)
{
    (nId - GetId() == 1 ? m_nPercent : m_nDistance) = value;
}

void CODLineOrientation::Serialize(CArchive& ar)
{
    constexpr std::uint32_t kSchema = 1;
    CODProperty::Serialize(ar);
    ar.SerializeSchema(kSchema);
    if (ar.IsStoring()) {
        ar.WriteDWord(m_nPercent);
        ar.WriteInt(m_nAnchor);
        ar.WriteDWord(m_nDistance);
        return;
    }
    m_nPercent = ar.ReadDWord();
    m_nAnchor = ar.ReadInt();
    m_nDistance = ar.ReadDWord();
}
