#include "engine/CODDWordProperty.h"

#include "engine/CArchive.h"
#include <typeinfo>

std::unique_ptr<CODProperty> CODDWordProperty::Clone() const
{
    return std::make_unique<CODDWordProperty>(*this);
}

void CODDWordProperty::CopyFrom(const CODProperty& other, unsigned mask)
{
    if (const auto* source = dynamic_cast<const CODDWordProperty*>(&other); source && mask)
        SetDWord(source->m_dwValue);
}

bool CODDWordProperty::Equals(const CODProperty& other) const
{
    const auto* source = dynamic_cast<const CODDWordProperty*>(&other);
    return source && typeid(*source) == typeid(*this) && GetId() == other.GetId() && m_dwValue == source->m_dwValue;
}

CODProperty::ValueType CODDWordProperty::TypeOf(int /*nId*/) const
{
    return ValueType::UInt;
}

std::uint32_t CODDWordProperty::ReadUInt(int /*nId*/) const
{
    return m_dwValue;
}

void CODDWordProperty::WriteUInt(int /*nId*/, std::uint32_t value)
{
    SetDWord(value);
}

void CODDWordProperty::Serialize(CArchive& ar)
{
    CODProperty::Serialize(ar);
    if (ar.IsStoring())
        ar.WriteDWord(m_dwValue);
    else
        m_dwValue = ar.ReadDWord();
}
