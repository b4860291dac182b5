#pragma once

#include "engine/CODCommand.h"
#include "platform/CPoint.h"
#include "platform/CSize.h"

// Turns components about one centre by an angle in tenths of a degree,
// clockwise on the screen. A shape of the proportions w:h is made square
// for the turn, so 1:1 is a plain rotation.
class CODRotateCommand : public CODCommand {
public:
    CODRotateCommand(CODModel* pModel, const std::vector<CODComponent*>& components, int nAngle,
                     const CPoint& centre, const CSize& ratio = CSize(1, 1));

    // Components that refuse to turn (links) are left as they are.
    bool Execute() override;
    bool Unexecute() override;
    std::string GetDescription() const override;

private:
    void RotateBy(int nAngle) const;

    int m_nAngle;
    CPoint m_centre;
    CSize m_ratio;
};
