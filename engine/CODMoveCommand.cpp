#include "engine/CODMoveCommand.h"

#include "engine/CODComponent.h"

CODMoveCommand::CODMoveCommand(CODModel* pModel, const std::vector<CODComponent*>& components, int dx, int dy)
    : CODCommand(pModel, components), m_nOffsetX(dx), m_nOffsetY(dy)
{
}

void CODMoveCommand::MoveBy(int dx, int dy) const
{
    for (CODComponent* component : GetComponents())
        component->Translate(dx, dy);
}

bool CODMoveCommand::Execute()
{
    if (GetComponents().empty())
        return false;
    MoveBy(m_nOffsetX, m_nOffsetY);
    return true;
}

bool CODMoveCommand::Unexecute()
{
    MoveBy(-m_nOffsetX, -m_nOffsetY);
    return true;
}

std::string CODMoveCommand::GetDescription() const
{
    return Describe("Move Command: x = %d  y = %d", m_nOffsetX, m_nOffsetY);
}
