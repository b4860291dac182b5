#include "engine/CODLinkCommand.h"

std::string CODLinkCommand::GetDescription() const
{
    return Describe("Link Command: %d components", Count());
}
