#pragma once

#include "engine/CODCommand.h"

// Scales each component by (sx, sy) about the anchor point of its own bounds
// (anchor codes 0-7 clockwise from the top-left, 8 the centre). A negative
// factor mirrors. Undo is the scale by the inverse about the anchor that
// lies, on the scaled bounds, where the old anchor went.
class CODScaleCommand : public CODCommand {
public:
    static constexpr int kCentre = 8;

    CODScaleCommand(CODModel* pModel, const std::vector<CODComponent*>& components, float sx, float sy,
                    int nAnchor = kCentre);

    // The anchor code that a scale by (sx, sy) moves the code to.
    static int CorrespondingAnchor(int nAnchor, float sx, float sy);

    // False for a factor of zero.
    bool Execute() override;
    bool Unexecute() override;
    std::string GetDescription() const override;

private:
    float m_fScaleX;
    float m_fScaleY;
    int m_nAnchor;
};
