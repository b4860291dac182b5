#include "engine/CODProperty.h"

#include "engine/CArchive.h"
#include "engine/CODPropertyConversionException.h"

bool CODProperty::OwnsId(int nId) const
{
    return nId >= m_nId && nId <= m_nId + FieldCount();
}

CODProperty::ValueType CODProperty::TypeOf(int /*nId*/) const
{
    return ValueType::None;
}

void CODProperty::GetValue(int nId, int& value) const
{
    if (!OwnsId(nId) || TypeOf(nId) != ValueType::Int)
        throw CODPropertyConversionException();
    value = ReadInt(nId);
}

void CODProperty::GetValue(int nId, std::uint32_t& value) const
{
    if (!OwnsId(nId) || TypeOf(nId) != ValueType::UInt)
        throw CODPropertyConversionException();
    value = ReadUInt(nId);
}

void CODProperty::GetValue(int nId, std::string& value) const
{
    if (!OwnsId(nId) || TypeOf(nId) != ValueType::String)
        throw CODPropertyConversionException();
    value = ReadString(nId);
}

void CODProperty::SetValue(int nId, int value)
{
    if (!OwnsId(nId) || TypeOf(nId) != ValueType::Int)
        throw CODPropertyConversionException();
    WriteInt(nId, value);
}

void CODProperty::SetValue(int nId, std::uint32_t value)
{
    if (!OwnsId(nId) || TypeOf(nId) != ValueType::UInt)
        throw CODPropertyConversionException();
    WriteUInt(nId, value);
}

void CODProperty::SetValue(int nId, const std::string& value)
{
    if (!OwnsId(nId) || TypeOf(nId) != ValueType::String)
        throw CODPropertyConversionException();
    WriteString(nId, value);
}

std::string CODProperty::GetValueText() const
{
    throw CODPropertyConversionException();
}

void CODProperty::SetValueText(const std::string& /*text*/)
{
    throw CODPropertyConversionException();
}

int CODProperty::ReadInt(int /*nId*/) const
{
    throw CODPropertyConversionException();
}

void CODProperty::WriteInt(int /*nId*/, int /*value*/)
{
    throw CODPropertyConversionException();
}

std::uint32_t CODProperty::ReadUInt(int /*nId*/) const
{
    throw CODPropertyConversionException();
}

void CODProperty::WriteUInt(int /*nId*/, std::uint32_t /*value*/)
{
    throw CODPropertyConversionException();
}

std::string CODProperty::ReadString(int /*nId*/) const
{
    throw CODPropertyConversionException();
}

void CODProperty::WriteString(int /*nId*/, const std::string& /*value*/)
{
    throw CODPropertyConversionException();
}

void CODProperty::Serialize(CArchive& ar)
{
    constexpr std::uint32_t kSchema = 1;
    ar.SerializeSchema(kSchema);
    if (ar.IsStoring())
        ar.WriteInt(m_nId);
    else
        m_nId = ar.ReadInt();
}
