#include "engine/CODGroupCommand.h"

#include "engine/CODModel.h"
#include "engine/CODSymbolComponent.h"

#include <algorithm>

CODGroupCommand::CODGroupCommand(CODModel* pModel, const std::vector<CODComponent*>& components)
    : CODCommand(pModel, components)
{
}

CODGroupCommand::~CODGroupCommand()
{
    if (m_pGroup)
        m_pGroup->Release();
}

bool CODGroupCommand::Execute()
{
    const auto& components = GetComponents();
    CODModel* model = GetModel();
    if (!model || components.size() < 2
        || std::any_of(components.begin(), components.end(),
                       [model](const CODComponent* c) { return c->GetParent() != model; }))
        return false;
    m_order = SaveOrder();
    // The group goes where the frontmost member was.
    std::size_t frontmost = 0;
    for (std::size_t i = 0; i < m_order.size(); ++i)
        if (std::find(components.begin(), components.end(), m_order[i]) != components.end())
            frontmost = i;
    // In drawing order, so the group draws its parts as they were drawn.
    std::vector<CODComponent*> members;
    for (CODComponent* child : m_order)
        if (std::find(components.begin(), components.end(), child) != components.end())
            members.push_back(child);
    for (CODComponent* member : members)
        RemoveFromModel(member);
    if (!m_pGroup) {
        m_pGroup = new CODSymbolComponent();
        m_pGroup->AddRef();
    }
    m_pGroup->Create(members);
    CODComponent* next = nullptr;
    for (std::size_t i = frontmost + 1; i < m_order.size() && !next; ++i)
        if (m_order[i]->GetParent() == model)
            next = m_order[i];
    if (next)
        model->InsertChild(m_pGroup, model->FindChild(next));
    else
        model->AddChild(m_pGroup);
    return true;
}

bool CODGroupCommand::Unexecute()
{
    if (!m_pGroup || !RemoveFromModel(m_pGroup))
        return false;
    while (m_pGroup->GetChildCount() > 0) {
        // The command's own reference keeps the part alive between parents.
        CODComponent* part = m_pGroup->GetChild(0);
        m_pGroup->RemoveChild(0);
        GetModel()->AddChild(part);
    }
    m_pGroup->UpdateBounds();
    return RestoreOrder(m_order);
}

std::string CODGroupCommand::GetDescription() const
{
    return Describe("Group Command: %d components", Count());
}
