#pragma once

#include "engine/CODPointComponent.h"

// An ellipse as 13 Bezier control points: four quarter arcs through the
// midpoints of the sides of its rectangle, starting and ending at the middle
// of the right side.
class CODEllipseComponent : public CODPointComponent {
public:
    static constexpr int kControlPoints = 13;

    CODEllipseComponent() = default;

    std::unique_ptr<CODComponent> Clone() const override;
    void Serialize(CArchive& ar) override;
    // With a default line and fill of its own; false for an empty rectangle.
    bool Create(const CRect& rect);
    // The control points of the ellipse in the rectangle.
    static void BezierPoints(const CRect& rect, POINT* points);
    void OnDraw(CDC* pDC) override;

protected:
    CODEllipseComponent(const CODEllipseComponent& other) = default;
    const char* GetTypeText() const override;
};
