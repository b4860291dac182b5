#pragma once

#include "engine/CODCommand.h"

// Takes components out of the model; undo puts them back in their places.
class CODDeleteCommand : public CODCommand {
public:
    CODDeleteCommand(CODModel* pModel, const std::vector<CODComponent*>& components);

    // False, with nothing removed, when a component is not in the model.
    bool Execute() override;
    bool Unexecute() override;
    std::string GetDescription() const override;

private:
    std::vector<CODComponent*> m_order;
};
