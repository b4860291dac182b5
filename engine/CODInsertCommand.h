#pragma once

#include "engine/CODCommand.h"

// Adds new components to the model, on top; undo takes them out again.
class CODInsertCommand : public CODCommand {
public:
    CODInsertCommand(CODModel* pModel, const std::vector<CODComponent*>& components);

    // False, with nothing added, when a component already has a parent.
    bool Execute() override;
    bool Unexecute() override;
    std::string GetDescription() const override;
};
