#include "engine/CODRulerComponent.h"

#include "engine/CArchive.h"
#include "engine/CODIntProperty.h"
#include "engine/PropertyIds.h"
#include "platform/CDC.h"

#include <string>

namespace {
// Ticks closer than this are left out.
constexpr int kMinTickGap = 2;
constexpr int kMajorTickDivisor = 2;
constexpr int kMinorTickDivisor = 4;
constexpr int kNumberOffset = 2;

// The first multiple of step at or after value.
int FirstMultiple(int value, int step)
{
    const int remainder = value % step;
    return remainder == 0 ? value : value + (remainder > 0 ? step - remainder : -remainder);
}
}  // namespace

CODRulerComponent::CODRulerComponent()
{
    AddProperty(CODIntProperty(OD_PROP_RULER_ORIGIN, 0));
    AddProperty(CODIntProperty(OD_PROP_RULER_SPACING, kDefaultSpacing));
    AddProperty(CODIntProperty(OD_PROP_RULER_DIVISIONS, kDefaultDivisions));
}

std::unique_ptr<CODComponent> CODRulerComponent::Clone() const
{
    return std::unique_ptr<CODComponent>(new CODRulerComponent(*this));
}

bool CODRulerComponent::Create(const CRect& band)
{
    if (band.IsRectEmpty())
        return false;
    SetBoxPoints(band);
    FinishCreate();
    return true;
}

int CODRulerComponent::IntProperty(int nId, int fallback) const
{
    const auto* property = dynamic_cast<const CODIntProperty*>(GetProperty(nId, true));
    return property ? property->GetInt() : fallback;
}

void CODRulerComponent::DrawColumnNumber(CDC* pDC, int x, int y, int nValue)
{
    // One digit under the other: a long number across a narrow band would be cut off.
    TEXTMETRIC metrics;
    pDC->GetTextMetrics(&metrics);
    const std::string digits = std::to_string(nValue);
    for (std::size_t i = 0; i < digits.size(); ++i)
        pDC->TextOut(x, y + static_cast<int>(i) * metrics.tmHeight, digits.substr(i, 1));
}

void CODRulerComponent::OnDraw(CDC* pDC)
{
    DrawOutlinePolygon(pDC);
    const int spacing = IntProperty(OD_PROP_RULER_SPACING, kDefaultSpacing);
    if (m_bOutlineOnly || spacing < kMinTickGap)
        return;
    const int divisions = IntProperty(OD_PROP_RULER_DIVISIONS, kDefaultDivisions);
    const int minor = divisions > 0 && spacing / divisions >= kMinTickGap ? spacing / divisions : spacing;
    const int origin = IntProperty(OD_PROP_RULER_ORIGIN, 0);
    const CRect band = m_rcBounds;
    const bool horizontal = band.Width() >= band.Height();
    const int length = horizontal ? band.Width() : band.Height();
    const int thickness = horizontal ? band.Height() : band.Width();
    const int saved = pDC->SaveDC();
    pDC->SetBkMode(TRANSPARENT);
    for (int value = FirstMultiple(origin, minor); value - origin <= length; value += minor) {
        const int along = value - origin;
        const bool major = value % spacing == 0;
        const int tick = thickness / (major ? kMajorTickDivisor : kMinorTickDivisor);
        if (horizontal) {
            pDC->MoveTo(band.left + along, band.bottom);
            pDC->LineTo(band.left + along, band.bottom - tick);
            if (major)
                pDC->TextOut(band.left + along + kNumberOffset, band.top, std::to_string(value));
        } else {
            pDC->MoveTo(band.right, band.top + along);
            pDC->LineTo(band.right - tick, band.top + along);
            if (major)
                DrawColumnNumber(pDC, band.left + kNumberOffset, band.top + along + kNumberOffset, value);
        }
    }
    pDC->RestoreDC(saved);
}

const char* CODRulerComponent::GetTypeText() const
{
    return "Ruler";
}

void CODRulerComponent::Serialize(CArchive& ar)
{
    constexpr std::uint32_t kSchema = 1;
    ar.SerializeSchema(kSchema);
    CODPointComponent::Serialize(ar);
}
