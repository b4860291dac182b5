#include "engine/CODDeleteCommand.h"

#include "engine/CODComponent.h"
#include "engine/CODModel.h"

#include <algorithm>

CODDeleteCommand::CODDeleteCommand(CODModel* pModel, const std::vector<CODComponent*>& components)
    : CODCommand(pModel, components)
{
}

bool CODDeleteCommand::Execute()
{
    const auto& components = GetComponents();
    CODModel* model = GetModel();
    if (!model || components.empty()
        || std::any_of(components.begin(), components.end(),
                       [model](const CODComponent* c) { return c->GetParent() != model; }))
        return false;
    m_order = SaveOrder();
    for (CODComponent* component : components)
        RemoveFromModel(component);
    return true;
}

bool CODDeleteCommand::Unexecute()
{
    for (CODComponent* component : GetComponents())
        if (!component->GetParent())
            GetModel()->AddChild(component);
    return RestoreOrder(m_order);
}

std::string CODDeleteCommand::GetDescription() const
{
    return Describe("Delete Command: %d components", Count());
}
