#include "engine/CODInsertCommand.h"

#include "engine/CODComponent.h"
#include "engine/CODModel.h"

#include <algorithm>

CODInsertCommand::CODInsertCommand(CODModel* pModel, const std::vector<CODComponent*>& components)
    : CODCommand(pModel, components)
{
}

bool CODInsertCommand::Execute()
{
    const auto& components = GetComponents();
    if (!GetModel() || components.empty()
        || std::any_of(components.begin(), components.end(), [](const CODComponent* c) { return c->GetParent(); }))
        return false;
    for (CODComponent* component : components)
        GetModel()->AddChild(component);
    return true;
}

bool CODInsertCommand::Unexecute()
{
    const auto& components = GetComponents();
    for (auto it = components.rbegin(); it != components.rend(); ++it)
        RemoveFromModel(*it);
    return true;
}

std::string CODInsertCommand::GetDescription() const
{
    return Describe("Insert Command: %d components", Count());
}
