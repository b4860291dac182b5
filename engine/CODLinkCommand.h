#pragma once

#include "engine/CODInsertCommand.h"

// Adds new links, already joined to their ports, to the model.
class CODLinkCommand : public CODInsertCommand {
public:
    using CODInsertCommand::CODInsertCommand;

    std::string GetDescription() const override;
};
