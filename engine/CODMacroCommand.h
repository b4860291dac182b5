#pragma once

#include "engine/CODCommand.h"

#include <memory>

// Several commands done and undone as one step, undone in reverse order.
class CODMacroCommand : public CODCommand {
public:
    explicit CODMacroCommand(CODModel* pModel);

    // Before the first Execute; the macro holds its components too.
    void Add(std::unique_ptr<CODCommand> pCommand);
    int GetCommandCount() const { return static_cast<int>(m_commands.size()); }

    // All or nothing: when one fails, those done before it are undone.
    bool Execute() override;
    bool Unexecute() override;
    bool CanUndo() const override;
    std::string GetDescription() const override;

private:
    std::vector<std::unique_ptr<CODCommand>> m_commands;
};
