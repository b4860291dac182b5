#include "engine/CODEditProperties.h"

#include "engine/CArchive.h"
#include <typeinfo>

CODEditProperties::CODEditProperties(int nId) : CODProperty(nId), m_flags{0, 1, 1, 1, 1, 1, 1, 0, 1} {}

std::unique_ptr<CODProperty> CODEditProperties::Clone() const
{
    return std::make_unique<CODEditProperties>(*this);
}

void CODEditProperties::CopyFrom(const CODProperty& other, unsigned mask)
{
    const auto* source = dynamic_cast<const CODEditProperties*>(&other);
    if (!source)
        return;
    for (int flag = 0; flag < FlagCount; ++flag)
        if (mask & (1u << flag))
            m_flags[flag] = source->m_flags[flag];
}

bool CODEditProperties::Equals(const CODProperty& other) const
{
    const auto* source = dynamic_cast<const CODEditProperties*>(&other);
    return source && typeid(*source) == typeid(*this) && GetId() == other.GetId() && m_flags == source->m_flags;
}

CODProperty::ValueType CODEditProperties::TypeOf(int nId) const
{
    return nId > GetId() ? ValueType::Int : ValueType::None;
}

int CODEditProperties::ReadInt(int nId) const
{
    return m_flags[static_cast<std::size_t>(nId - GetId() - 1)];
}

void CODEditProperties::WriteInt(int nId, int value)
{
    m_flags[static_cast<std::size_t>(nId - GetId() - 1)] = value;
}

void CODEditProperties::Serialize(CArchive& ar)
{
    constexpr std::uint32_t kSchema = 1;
    CODProperty::Serialize(ar);
    ar.SerializeSchema(kSchema);
    for (int& flag : m_flags) {
        if (ar.IsStoring())
            ar.WriteInt(flag);
        else
            flag = ar.ReadInt();
    }
}
