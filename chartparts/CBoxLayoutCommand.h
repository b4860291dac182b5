#pragma once

#include "engine/CODCommand.h"

#include <memory>

class CIndiBox;

// A change to the parts of individual boxes (their lines' text or fonts, say)
// after which each box lays itself out again, whether the change is done,
// undone or redone, so its lines never overflow it nor leave it too tall.
class CBoxLayoutCommand : public CODCommand {
public:
    // The command as it is when none of its components lies inside a box.
    static std::unique_ptr<CODCommand> Around(std::unique_ptr<CODCommand> pCommand);

    bool Execute() override;
    bool Unexecute() override;
    bool CanUndo() const override;
    std::string GetDescription() const override;

private:
    CBoxLayoutCommand(std::unique_ptr<CODCommand> pCommand, const std::vector<CODComponent*>& boxes);
    void LayOut() const;

    std::unique_ptr<CODCommand> m_pCommand;
};
