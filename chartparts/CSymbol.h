#pragma once

#include "engine/CODSymbolComponent.h"

// A plain symbol whose labels turn with it and sit outside it: the container
// of the chart's small symbols (ports, connection points, arrows, lines).
class CSymbol : public CODSymbolComponent {
public:
    CSymbol() = default;

    std::unique_ptr<CODComponent> Clone() const override;
    void Rotate(float fAngle, float cx, float cy, int nWidth, int nHeight) override;
    // Positive offsets move the label away from the sides it is aligned to.
    void PlaceLabel(CODLabelComponent* pLabel) override;

protected:
    CSymbol(const CSymbol& other) = default;
};
