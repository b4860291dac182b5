#include "engine/CODBoolProperty.h"

#include "engine/CArchive.h"
#include "platform/TextCodec.h"

#include <typeinfo>

std::unique_ptr<CODProperty> CODBoolProperty::Clone() const
{
    return std::make_unique<CODBoolProperty>(*this);
}

void CODBoolProperty::CopyFrom(const CODProperty& other, unsigned mask)
{
    if (const auto* source = dynamic_cast<const CODBoolProperty*>(&other); source && mask)
        SetBool(source->m_bValue);
}

bool CODBoolProperty::Equals(const CODProperty& other) const
{
    const auto* source = dynamic_cast<const CODBoolProperty*>(&other);
    return source && typeid(*source) == typeid(*this) && GetId() == other.GetId() && m_bValue == source->m_bValue;
}

std::string CODBoolProperty::GetValueText() const
{
    return m_bValue ? "TRUE" : "FALSE";
}

void CODBoolProperty::SetValueText(const std::string& text)
{
    const std::string upper = TextCodec::ToUpper(text);
    SetBool(upper == "TRUE" || upper == "YES" || text == "1" ? 1 : 0);
}

CODProperty::ValueType CODBoolProperty::TypeOf(int /*nId*/) const
{
    return ValueType::Int;
}

int CODBoolProperty::ReadInt(int /*nId*/) const
{
    return m_bValue;
}

void CODBoolProperty::WriteInt(int /*nId*/, int value)
{
    SetBool(value);
}

void CODBoolProperty::Serialize(CArchive& ar)
{
    CODProperty::Serialize(ar);
    if (ar.IsStoring())
        ar.WriteInt(m_bValue);
    else
        m_bValue = ar.ReadInt();
}
