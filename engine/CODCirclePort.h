#pragma once

#include "engine/CODPortComponent.h"

#include <cstdint>

// A port drawn as a hollow circle with a cross through its centre; its
// bounds are the square of the radius around the point.
class CODCirclePort : public CODPortComponent {
public:
    static constexpr int kDefaultRadius = 1;

    CODCirclePort();

    std::unique_ptr<CODComponent> Clone() const override;
    void Serialize(CArchive& ar) override;
    using CODPortComponent::Create;
    bool Create(const CPoint& point, int nRadius);

    int GetRadius() const { return m_nRadius; }
    void SetRadius(int nRadius);

    // A fill is always made hollow.
    int AddProperty(const CODProperty& property) override;
    bool ChangeProperty(const CODProperty& property, unsigned mask) override;
    void BuildBoundsRegion() override;
    void OnDraw(CDC* pDC) override;

protected:
    CODCirclePort(const CODCirclePort& other) = default;

private:
    std::int32_t m_nRadius = kDefaultRadius;
};
