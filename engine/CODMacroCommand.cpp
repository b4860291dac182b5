#include "engine/CODMacroCommand.h"

#include <algorithm>

CODMacroCommand::CODMacroCommand(CODModel* pModel) : CODCommand(pModel, {}) {}

void CODMacroCommand::Add(std::unique_ptr<CODCommand> pCommand)
{
    if (!pCommand)
        return;
    for (CODComponent* component : pCommand->GetComponents())
        AddComponent(component);
    m_commands.push_back(std::move(pCommand));
}

bool CODMacroCommand::Execute()
{
    for (std::size_t i = 0; i < m_commands.size(); ++i) {
        if (m_commands[i]->Execute())
            continue;
        while (i-- > 0)
            m_commands[i]->Unexecute();
        return false;
    }
    return !m_commands.empty();
}

bool CODMacroCommand::Unexecute()
{
    bool undone = true;
    for (auto it = m_commands.rbegin(); it != m_commands.rend(); ++it)
        undone = (*it)->Unexecute() && undone;
    return undone;
}

bool CODMacroCommand::CanUndo() const
{
    return std::all_of(m_commands.begin(), m_commands.end(),
                       [](const std::unique_ptr<CODCommand>& command) { return command->CanUndo(); });
}

std::string CODMacroCommand::GetDescription() const
{
    return Describe("Macro Command: %d commands on %d components\n", GetCommandCount(), Count());
}
