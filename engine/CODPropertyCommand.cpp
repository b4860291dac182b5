#include "engine/CODPropertyCommand.h"

#include "engine/CODComponent.h"
#include "engine/CODProperty.h"

#include <algorithm>
#include <set>

namespace {

// The component's own property of exactly that id: compound properties own
// the sub-ids after theirs, which must not be taken for it.
const CODProperty* OwnProperty(const CODComponent& component, int nId)
{
    const auto& own = component.GetProperties();
    const auto found
        = std::find_if(own.begin(), own.end(), [nId](const CODPropertyPtr& property) { return property->GetId() == nId; });
    return found == own.end() ? nullptr : found->get();
}

void Refresh(const std::set<CODComponent*>& components)
{
    for (CODComponent* component : components)
        component->UpdateBounds();
}

}  // namespace

CODPropertyCommand::CODPropertyCommand(CODModel* pModel)
    : CODCommand(pModel, {})
{
}

void CODPropertyCommand::Add(CODComponent* pComponent, const CODProperty& property)
{
    if (!pComponent)
        return;
    AddComponent(pComponent);
    m_changes.push_back({pComponent, property.Clone(), nullptr});
}

bool CODPropertyCommand::Execute()
{
    if (m_changes.empty())
        return false;
    std::set<CODComponent*> touched;
    for (Change& change : m_changes) {
        const CODProperty* before = OwnProperty(*change.pComponent, change.pNew->GetId());
        change.pBefore = before ? before->Clone() : nullptr;
        change.pComponent->AddProperty(*change.pNew);
        touched.insert(change.pComponent);
    }
    Refresh(touched);
    m_fit.Grow(GetComponents());
    return true;
}

bool CODPropertyCommand::Unexecute()
{
    m_fit.Restore();
    std::set<CODComponent*> touched;
    // Backwards, so a component given the same id twice ends as it began.
    for (auto change = m_changes.rbegin(); change != m_changes.rend(); ++change) {
        if (change->pBefore) {
            change->pComponent->AddProperty(*change->pBefore);
        } else {
            const int id = change->pNew->GetId();
            // The ids set here are whole properties, so the first owner of the id is the one added.
            if (OwnProperty(*change->pComponent, id))
                change->pComponent->RemoveProperty(id);
        }
        touched.insert(change->pComponent);
    }
    Refresh(touched);
    return true;
}

std::string CODPropertyCommand::GetDescription() const
{
    return Describe("Property Command: %d components", Count());
}
