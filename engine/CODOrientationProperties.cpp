#include "engine/CODOrientationProperties.h"

#include "engine/CArchive.h"

#include <iterator>
#include <limits>
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

namespace {

// Schema-1 offsets were signed by the anchor; the sign each code gives x and
// y, and 0 for an offset that code ignores.
constexpr int kSchemaOneSigns[][2] = {{-1, -1}, {0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {0, 0}};

}  // namespace

void CODOrientationProperties::Serialize(CArchive& ar)
{
    constexpr std::uint32_t kSchema = 2;
    constexpr std::uint32_t kSignedSchema = 1;
    CODProperty::Serialize(ar);
    const std::uint32_t schema = ar.SerializeSchema(kSchema);
    if (ar.IsStoring()) {
        ar.WriteInt(m_nOrientation);
        ar.WriteInt(m_nOffsetX);
        ar.WriteInt(m_nOffsetY);
        return;
    }
    m_nOrientation = ar.ReadInt();
    m_nOffsetX = ar.ReadInt();
    m_nOffsetY = ar.ReadInt();
    constexpr int kCodes = static_cast<int>(std::size(kSchemaOneSigns));
    if (schema <= kSignedSchema && m_nOrientation >= 0 && m_nOrientation < kCodes) {
        const int* signs = kSchemaOneSigns[m_nOrientation];
        // Negating the most negative offset would overflow: it stays.
        if (m_nOffsetX != std::numeric_limits<int>::min())
            m_nOffsetX *= signs[0];
        if (m_nOffsetY != std::numeric_limits<int>::min())
            m_nOffsetY *= signs[1];
    }
}
