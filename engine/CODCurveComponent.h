#pragma once

#include "engine/CODPointComponent.h"

// A Bezier curve of 3k + 1 points: a start and k (control, control, end) triples.
class CODCurveComponent : public CODPointComponent {
public:
    CODCurveComponent() = default;

    std::unique_ptr<CODComponent> Clone() const override;
    void Serialize(CArchive& ar) override;
    // With a default line of its own; false (nothing changed) unless the
    // count is 3k + 1 with k at least 1.
    bool Create(const POINT* points, int nCount);
    static bool IsBezierCount(int nCount);
    void OnDraw(CDC* pDC) override;

protected:
    CODCurveComponent(const CODCurveComponent& other) = default;
    const char* GetTypeText() const override;
};
