#pragma once

class CODComponent;

// The model's index of component bounds, told before and after a
// component's bounds change.
class CODSpatialIndex {
public:
    virtual ~CODSpatialIndex() = default;
    virtual void BeforeBoundsChange(CODComponent* pComponent) = 0;
    virtual void AfterBoundsChange(CODComponent* pComponent) = 0;
};
