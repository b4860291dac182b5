#pragma once

#include "engine/CODCommand.h"

// Changes where top-level components are drawn among the others.
class CODOrderCommand : public CODCommand {
public:
    enum Kind { Front, Back, Forward, Backward };

    CODOrderCommand(CODModel* pModel, const std::vector<CODComponent*>& components, int nKind);

    // Front and back keep the members' order among themselves; forward and
    // backward move each one step past its neighbour that is no member.
    bool Execute() override;
    bool Unexecute() override;
    std::string GetDescription() const override;

private:
    int m_nKind;
    std::vector<CODComponent*> m_order;
};
