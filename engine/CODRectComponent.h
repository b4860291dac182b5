#pragma once

#include "engine/CODPointComponent.h"

// A rectangle: four points clockwise from (left, top), drawn as a polygon.
class CODRectComponent : public CODPointComponent {
public:
    CODRectComponent() = default;

    std::unique_ptr<CODComponent> Clone() const override;
    void Serialize(CArchive& ar) override;
    // With a default line and fill of its own.
    bool Create(int left, int top, int right, int bottom);
    // The points only: line and fill come from the parents.
    bool Create(const CRect& rect);

protected:
    CODRectComponent(const CODRectComponent& other) = default;
    const char* GetTypeText() const override;
};
