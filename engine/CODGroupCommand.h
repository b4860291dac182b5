#pragma once

#include "engine/CODCommand.h"

class CODSymbolComponent;

// Puts top-level components into one new composite that takes the place of
// the frontmost of them; undo takes them out again.
class CODGroupCommand : public CODCommand {
public:
    CODGroupCommand(CODModel* pModel, const std::vector<CODComponent*>& components);
    ~CODGroupCommand() override;

    // False, with nothing changed, for fewer than two components or one not in the model.
    bool Execute() override;
    bool Unexecute() override;
    std::string GetDescription() const override;
    // The composite, made by the first Execute and kept for redo.
    CODSymbolComponent* GetGroup() const { return m_pGroup; }

private:
    CODSymbolComponent* m_pGroup = nullptr;
    std::vector<CODComponent*> m_order;
};
