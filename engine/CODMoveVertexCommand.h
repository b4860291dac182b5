#pragma once

#include "engine/CODCommand.h"

class CODPointComponent;

// Moves one point of a component by an offset in its own coordinates.
class CODMoveVertexCommand : public CODCommand {
public:
    CODMoveVertexCommand(CODModel* pModel, CODPointComponent* pComponent, int nIndex, int dx, int dy);

    // False for an index out of range.
    bool Execute() override;
    bool Unexecute() override;
    std::string GetDescription() const override;

private:
    bool MoveBy(int dx, int dy) const;

    CODPointComponent* m_pComponent;
    int m_nIndex;
    int m_nOffsetX;
    int m_nOffsetY;
};
