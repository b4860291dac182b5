#include "engine/CODUngroupCommand.h"

#include "engine/CODModel.h"
#include "engine/CODSymbolComponent.h"

#include <algorithm>
#include <typeinfo>

CODUngroupCommand::CODUngroupCommand(CODModel* pModel, const std::vector<CODComponent*>& groups)
    : CODCommand(pModel, groups)
{
}

CODUngroupCommand::~CODUngroupCommand()
{
    for (const Part& part : m_parts)
        part.pComponent->Release();
}

bool CODUngroupCommand::IsGroup(const CODComponent* pComponent)
{
    return pComponent && typeid(*pComponent) == typeid(CODSymbolComponent) && pComponent->GetChildCount() > 0;
}

bool CODUngroupCommand::Execute()
{
    const auto& groups = GetComponents();
    CODModel* model = GetModel();
    if (!model || groups.empty() || std::any_of(groups.begin(), groups.end(), [model](const CODComponent* c) {
            return c->GetParent() != model || !IsGroup(c);
        }))
        return false;
    m_order = SaveOrder();
    for (const Part& part : m_parts)
        part.pComponent->Release();
    m_parts.clear();
    for (CODComponent* group : groups) {
        int index = model->FindChild(group);
        RemoveFromModel(group);
        const CODTransform* outer = group->GetTransform();
        while (group->GetChildCount() > 0) {
            Part part;
            part.pComponent = group->GetChild(0);
            part.pComponent->AddRef();
            part.pGroup = group;
            if (const CODTransform* own = part.pComponent->GetTransform())
                part.pTransform = std::make_unique<CODTransform>(*own);
            group->RemoveChild(0);
            if (outer) {
                auto combined = std::make_unique<CODTransform>(*outer);
                if (part.pTransform)
                    combined->Multiply(*part.pTransform);
                part.pComponent->SetTransform(std::move(combined));
            }
            model->InsertChild(part.pComponent, index++);
            part.pComponent->UpdateBounds();
            m_parts.push_back(std::move(part));
        }
    }
    return true;
}

bool CODUngroupCommand::Unexecute()
{
    for (Part& part : m_parts) {
        RemoveFromModel(part.pComponent);
        part.pComponent->SetTransform(part.pTransform ? std::make_unique<CODTransform>(*part.pTransform) : nullptr);
        part.pGroup->AddChild(part.pComponent);
    }
    for (CODComponent* group : GetComponents()) {
        group->UpdateBounds();
        GetModel()->AddChild(group);
    }
    return RestoreOrder(m_order);
}

std::string CODUngroupCommand::GetDescription() const
{
    return Describe("Ungroup Command: %d groups", Count());
}
