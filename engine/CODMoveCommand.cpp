#include "engine/CODMoveCommand.h"

#include "engine/CODLinkComponent.h"
#include "engine/CODPortComponent.h"

CODMoveCommand::CODMoveCommand(CODModel* pModel, const std::vector<CODComponent*>& components, int dx, int dy)
    : CODCommand(pModel, components), m_nOffsetX(dx), m_nOffsetY(dy)
{
}

bool CODMoveCommand::FollowsMovedSymbol(const CODComponent* pComponent) const
{
    const auto* link = dynamic_cast<const CODLinkComponent*>(pComponent);
    if (!link)
        return false;
    for (const CODPortComponent* port : {link->GetSourcePort(), link->GetTargetPort()}) {
        const CODSymbolComponent* owner = port ? port->GetOwner() : nullptr;
        for (const CODComponent* component : GetComponents())
            if (owner && (component == owner || component->IsDescendant(owner)))
                return true;
    }
    return false;
}

void CODMoveCommand::MoveBy(int dx, int dy) const
{
    // A link joined to a box that moves is routed again by the box's move;
    // moving it as well would take it twice as far.
    for (CODComponent* component : GetComponents())
        if (!FollowsMovedSymbol(component))
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
