#include "engine/CODAlignCommand.h"

#include "engine/CODComponent.h"

#include <array>

namespace {

constexpr std::array<const char*, 6> kModeNames = {"Top", "Middle", "Bottom", "Left", "Center", "Right"};

// How far the bounds move to line up with the reference.
CPoint OffsetTo(const CRect& b, const CRect& reference, int nMode)
{
    switch (nMode) {
    case CODAlignCommand::Top:
        return CPoint(0, reference.top - b.top);
    case CODAlignCommand::Middle:
        return CPoint(0, reference.CenterPoint().y - b.CenterPoint().y);
    case CODAlignCommand::Bottom:
        return CPoint(0, reference.bottom - b.bottom);
    case CODAlignCommand::Left:
        return CPoint(reference.left - b.left, 0);
    case CODAlignCommand::Center:
        return CPoint(reference.CenterPoint().x - b.CenterPoint().x, 0);
    default:
        return CPoint(reference.right - b.right, 0);
    }
}

}  // namespace

CODAlignCommand::CODAlignCommand(CODModel* pModel, const std::vector<CODComponent*>& components, int nMode)
    : CODCommand(pModel, components), m_nMode(nMode)
{
}

bool CODAlignCommand::Execute()
{
    const auto& components = GetComponents();
    if (components.empty() || m_nMode < Top || m_nMode > Right)
        return false;
    const CRect reference = components.back()->GetBounds();
    m_offsets.clear();
    for (CODComponent* component : components) {
        const CPoint offset = OffsetTo(component->GetBounds(), reference, m_nMode);
        m_offsets.push_back(offset);
        if (offset.x != 0 || offset.y != 0)
            component->Translate(offset.x, offset.y);
    }
    return true;
}

bool CODAlignCommand::Unexecute()
{
    const auto& components = GetComponents();
    for (std::size_t i = 0; i < components.size() && i < m_offsets.size(); ++i)
        if (m_offsets[i].x != 0 || m_offsets[i].y != 0)
            components[i]->Translate(-m_offsets[i].x, -m_offsets[i].y);
    return true;
}

std::string CODAlignCommand::GetDescription() const
{
    const bool known = m_nMode >= Top && m_nMode <= Right;
    return Describe("Align Command: Alignment = %s", known ? kModeNames[static_cast<std::size_t>(m_nMode)] : "*Invalid*");
}
