#pragma once

#include "engine/CODCommand.h"

// Moves components by an offset in model units; undo moves them back.
class CODMoveCommand : public CODCommand {
public:
    CODMoveCommand(CODModel* pModel, const std::vector<CODComponent*>& components, int dx, int dy);

    bool Execute() override;
    bool Unexecute() override;
    std::string GetDescription() const override;
    int GetOffsetX() const { return m_nOffsetX; }
    int GetOffsetY() const { return m_nOffsetY; }

private:
    void MoveBy(int dx, int dy) const;
    // A link with an end on one of the moved components.
    bool FollowsMovedSymbol(const CODComponent* pComponent) const;

    int m_nOffsetX;
    int m_nOffsetY;
};
