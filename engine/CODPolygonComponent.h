#pragma once

#include "engine/CODPointComponent.h"

// A closed polygon through its points.
class CODPolygonComponent : public CODPointComponent {
public:
    CODPolygonComponent() = default;

    std::unique_ptr<CODComponent> Clone() const override;
    void Serialize(CArchive& ar) override;
    // With a default line and fill of its own; false for no points or a
    // count out of range.
    bool Create(const POINT* points, int nCount);

protected:
    CODPolygonComponent(const CODPolygonComponent& other) = default;
    const char* GetTypeText() const override;
};
