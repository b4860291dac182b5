#pragma once

#include "engine/CODCommand.h"
#include "platform/CPoint.h"

// Lines components up with the last of them (the primary selection) by one
// edge or centre line; undo moves each back by its own offset.
class CODAlignCommand : public CODCommand {
public:
    enum Mode { Top, Middle, Bottom, Left, Center, Right };

    CODAlignCommand(CODModel* pModel, const std::vector<CODComponent*>& components, int nMode);

    // False for an unknown mode.
    bool Execute() override;
    bool Unexecute() override;
    std::string GetDescription() const override;

private:
    int m_nMode;
    std::vector<CPoint> m_offsets;
};
