#pragma once

#include "engine/CODCommand.h"
#include "engine/CODTransform.h"

#include <memory>

// Breaks top-level groups into their parts, which take the group's place in
// the model with the group's transform taken into their own.
class CODUngroupCommand : public CODCommand {
public:
    CODUngroupCommand(CODModel* pModel, const std::vector<CODComponent*>& groups);
    ~CODUngroupCommand() override;

    // A plain composite of the engine (not a class derived from it) with parts.
    static bool IsGroup(const CODComponent* pComponent);

    // False, with nothing changed, unless every component is a group in the model.
    bool Execute() override;
    bool Unexecute() override;
    std::string GetDescription() const override;

private:
    struct Part {
        CODComponent* pComponent = nullptr;  // one reference
        CODComponent* pGroup = nullptr;
        std::unique_ptr<CODTransform> pTransform;  // before the ungroup
    };

    std::vector<Part> m_parts;
    std::vector<CODComponent*> m_order;
};
