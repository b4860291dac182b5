#pragma once

#include "engine/CODPointComponent.h"

// A ruler band of four points, horizontal when it is wider than high. The
// value at its start is property 290 (default 0); a numbered tick every
// property 300 units (default 500), divided by property 301 (default 5)
// smaller ticks.
class CODRulerComponent : public CODPointComponent {
public:
    static constexpr int kDefaultSpacing = 500;
    static constexpr int kDefaultDivisions = 5;

    CODRulerComponent();

    std::unique_ptr<CODComponent> Clone() const override;
    void Serialize(CArchive& ar) override;
    bool Create(const CRect& band);
    void OnDraw(CDC* pDC) override;

protected:
    CODRulerComponent(const CODRulerComponent& other) = default;
    const char* GetTypeText() const override;

private:
    int IntProperty(int nId, int fallback) const;
    static void DrawColumnNumber(CDC* pDC, int x, int y, int nValue);
};
