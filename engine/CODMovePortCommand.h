#pragma once

#include "engine/CODCommand.h"

class CODPortComponent;

// Moves a port of a symbol by an offset in model units.
class CODMovePortCommand : public CODCommand {
public:
    CODMovePortCommand(CODModel* pModel, CODPortComponent* pPort, int dx, int dy);

    bool Execute() override;
    bool Unexecute() override;
    std::string GetDescription() const override;

private:
    bool MoveBy(int dx, int dy) const;

    CODPortComponent* m_pPort;
    int m_nOffsetX;
    int m_nOffsetY;
};
