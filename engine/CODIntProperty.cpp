#include "engine/CODIntProperty.h"

#include "engine/CArchive.h"
#include "platform/ParseInt32.h"

#include <typeinfo>

std::unique_ptr<CODProperty> CODIntProperty::Clone() const
{
    return std::make_unique<CODIntProperty>(*this);
}

void CODIntProperty::CopyFrom(const CODProperty& other, unsigned mask)
{
    if (const auto* source = dynamic_cast<const CODIntProperty*>(&other); source && mask)
        SetInt(source->m_nValue);
}

bool CODIntProperty::Equals(const CODProperty& other) const
{
    const auto* source = dynamic_cast<const CODIntProperty*>(&other);
    return source && typeid(*source) == typeid(*this) && GetId() == other.GetId() && m_nValue == source->m_nValue;
}

std::string CODIntProperty::GetValueText() const
{
    return std::to_string(m_nValue);
}

void CODIntProperty::SetValueText(const std::string& text)
{
    SetInt(ParseInt32(text));
}

CODProperty::ValueType CODIntProperty::TypeOf(int /*nId*/) const
{
    return ValueType::Int;
}

int CODIntProperty::ReadInt(int /*nId*/) const
{
    return m_nValue;
}

void CODIntProperty::WriteInt(int /*nId*/, int value)
{
    SetInt(value);
}

void CODIntProperty::Serialize(CArchive& ar)
{
    CODProperty::Serialize(ar);
    if (ar.IsStoring())
        ar.WriteInt(m_nValue);
    else
        m_nValue = ar.ReadInt();
}
