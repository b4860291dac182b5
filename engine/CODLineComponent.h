#pragma once

#include "engine/CODEndpoint.h"
#include "engine/CODPointComponent.h"

#include <memory>
#include <vector>

// A polyline of at least two points with optional decorations at its source
// (first point) and target (last point) ends, which it owns. Its properties
// are the pen, the orthogonal switch 280 and the routing margins 330-333.
class CODLineComponent : public CODPointComponent {
public:
    static constexpr int kMinPoints = 2;

    CODLineComponent();
    ~CODLineComponent() override;

    std::unique_ptr<CODComponent> Clone() const override;
    void Serialize(CArchive& ar) override;
    // With a default pen of its own; false (nothing changed) for fewer than
    // two points. A line whose consecutive points all share x or y is
    // re-routed with right angles between its end points.
    bool Create(const POINT* points, int nCount);
    bool Create(const std::vector<POINT>& points);

    // Consecutive points all share x or y.
    bool IsOrthogonal() const;
    // Replaces the points by the right-angle route between the first and the
    // last point, leaving along the longer axis, inside the margins 330-333.
    void RouteOrthogonal();
    // The integer properties 330-333 as (left, top, right, bottom).
    CRect GetRoutingMargins() const;

    void SetSourceEndpoint(std::unique_ptr<CODEndpoint> pEndpoint);
    void SetTargetEndpoint(std::unique_ptr<CODEndpoint> pEndpoint);
    CODEndpoint* GetSourceEndpoint() const { return m_pSourceEndpoint.get(); }
    CODEndpoint* GetTargetEndpoint() const { return m_pTargetEndpoint.get(); }

    // The outline of the points and of both decorations, whose segments it
    // brings up to date.
    void BuildBoundsRegion() override;
    void OnDraw(CDC* pDC) override;

protected:
    CODLineComponent(const CODLineComponent& other);
    const char* GetTypeText() const override;
    // Replaces the points by model points mapped back into the line's own
    // coordinates, and recomputes the bounds.
    void SetModelPoints(const std::vector<CPoint>& points);

private:
    int IntProperty(int nId) const;

    std::unique_ptr<CODEndpoint> m_pSourceEndpoint;
    std::unique_ptr<CODEndpoint> m_pTargetEndpoint;
};
