#pragma once

#include "engine/CODCommand.h"
#include "platform/CPoint.h"

class CODPointComponent;

// Inserts a point into a component's point array at an index (in the
// component's own coordinates); undo takes it out.
class CODInsertVertexCommand : public CODCommand {
public:
    CODInsertVertexCommand(CODModel* pModel, CODPointComponent* pComponent, int nIndex, const CPoint& point);

    // False for an index beyond the end.
    bool Execute() override;
    bool Unexecute() override;
    std::string GetDescription() const override;

private:
    CODPointComponent* m_pComponent;
    int m_nIndex;
    CPoint m_point;
};
