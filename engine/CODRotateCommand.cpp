#include "engine/CODRotateCommand.h"

#include "engine/CODComponent.h"

namespace {

constexpr double kTenthsPerDegree = 10.0;

}  // namespace

CODRotateCommand::CODRotateCommand(CODModel* pModel, const std::vector<CODComponent*>& components, int nAngle,
                                   const CPoint& centre, const CSize& ratio)
    : CODCommand(pModel, components), m_nAngle(nAngle), m_centre(centre), m_ratio(ratio)
{
}

void CODRotateCommand::RotateBy(int nAngle) const
{
    for (CODComponent* component : GetComponents())
        if (component->CanRotate())
            component->Rotate(static_cast<float>(nAngle), static_cast<float>(m_centre.x),
                              static_cast<float>(m_centre.y), m_ratio.cx, m_ratio.cy);
}

bool CODRotateCommand::Execute()
{
    if (GetComponents().empty() || m_ratio.cx <= 0 || m_ratio.cy <= 0)
        return false;
    RotateBy(m_nAngle);
    return true;
}

bool CODRotateCommand::Unexecute()
{
    RotateBy(-m_nAngle);
    return true;
}

std::string CODRotateCommand::GetDescription() const
{
    return Describe("Rotate Command: angle = %.1f  aspect ratio = %d:%d", m_nAngle / kTenthsPerDegree, m_ratio.cx,
                    m_ratio.cy);
}
