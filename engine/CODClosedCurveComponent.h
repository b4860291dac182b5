#pragma once

#include "engine/CODCurveComponent.h"

// A Bezier curve closed back to its start and filled.
class CODClosedCurveComponent : public CODCurveComponent {
public:
    CODClosedCurveComponent() = default;

    std::unique_ptr<CODComponent> Clone() const override;
    void Serialize(CArchive& ar) override;
    void OnDraw(CDC* pDC) override;

protected:
    CODClosedCurveComponent(const CODClosedCurveComponent& other) = default;
    const char* GetTypeText() const override;
};
