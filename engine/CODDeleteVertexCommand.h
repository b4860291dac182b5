#pragma once

#include "engine/CODCommand.h"
#include "platform/CPoint.h"

class CODPointComponent;

// Takes one point out of a component's point array; undo puts it back.
class CODDeleteVertexCommand : public CODCommand {
public:
    // A line keeps at least this many points.
    static constexpr int kMinPoints = 2;

    CODDeleteVertexCommand(CODModel* pModel, CODPointComponent* pComponent, int nIndex);

    // False for an index out of range or a component left with too few points.
    bool Execute() override;
    bool Unexecute() override;
    std::string GetDescription() const override;

private:
    CODPointComponent* m_pComponent;
    int m_nIndex;
    CPoint m_point;
};
