#include "chartparts/CBoxLayoutCommand.h"

#include "chartparts/CIndiBox.h"

#include <algorithm>

namespace {

CIndiBox* BoxAround(const CODComponent* pComponent)
{
    for (CODComponent* parent = pComponent->GetParent(); parent != nullptr; parent = parent->GetParent())
        if (auto* box = dynamic_cast<CIndiBox*>(parent))
            return box;
    return nullptr;
}

}  // namespace

std::unique_ptr<CODCommand> CBoxLayoutCommand::Around(std::unique_ptr<CODCommand> pCommand)
{
    if (!pCommand)
        return pCommand;
    std::vector<CODComponent*> boxes;
    for (const CODComponent* component : pCommand->GetComponents())
        if (CIndiBox* box = BoxAround(component); box && std::find(boxes.begin(), boxes.end(), box) == boxes.end())
            boxes.push_back(box);
    if (boxes.empty())
        return pCommand;
    return std::unique_ptr<CODCommand>(new CBoxLayoutCommand(std::move(pCommand), boxes));
}

CBoxLayoutCommand::CBoxLayoutCommand(std::unique_ptr<CODCommand> pCommand, const std::vector<CODComponent*>& boxes)
    : CODCommand(pCommand->GetModel(), boxes)
    , m_pCommand(std::move(pCommand))
{
}

bool CBoxLayoutCommand::Execute()
{
    if (!m_pCommand->Execute())
        return false;
    LayOut();
    return true;
}

bool CBoxLayoutCommand::Unexecute()
{
    if (!m_pCommand->Unexecute())
        return false;
    LayOut();
    return true;
}

bool CBoxLayoutCommand::CanUndo() const
{
    return m_pCommand->CanUndo();
}

std::string CBoxLayoutCommand::GetDescription() const
{
    return m_pCommand->GetDescription();
}

void CBoxLayoutCommand::LayOut() const
{
    for (CODComponent* component : GetComponents())
        static_cast<CIndiBox*>(component)->Relayout();
}
