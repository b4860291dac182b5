#include "engine/CODOrientationProperties.h"

#include <typeinfo>

std::unique_ptr<CODProperty> CODOrientationProperties::Clone() const
{
    return std::make_unique<CODOrientationProperties>(*this);
}

void CODOrientationProperties::CopyFrom(const CODProperty& other, unsigned mask)
{
    const auto* source = dynamic_cast<const CODOrientationProperties*>(&other);
    if (!source)
        return;
    if (mask & 0x1)
        m_nOrientation = source->m_nOrientation;
    if (mask & 0x2)
        m_nOffsetX = source->m_nOffsetX;
    if (mask & 0x4)
        m_nOffsetY = source->m_nOffsetY;
}

bool CODOrientationProperties::Equals(const CODProperty& other) const
{
    const auto* source = dynamic_cast<const CODOrientationProperties*>(&other);
    return source && typeid(*source) == typeid(*this) && GetId() == other.GetId()
        && m_nOrientation == source->m_nOrientation && m_nOffsetX == source->m_nOffsetX
        && m_nOffsetY == source->m_nOffsetY;
}

CODProperty::ValueType CODOrientationProperties::TypeOf(int nId) const
{
    return nId > GetId() ? ValueType::Int : ValueType::None;
}

int CODOrientationProperties::ReadInt(int nId) const
{
    const int field = nId - GetId();
    return field == 1 ? m_nOrientation : field == 2 ? m_nOffsetX : m_nOffsetY;
}

void CODOrientationProperties::WriteInt(int nId, int value)
{
    const int field = nId - GetId();
    (field == 1 ? m_nOrientation : field == 2 ? m_nOffsetX : m_nOffsetY) = value;
}
