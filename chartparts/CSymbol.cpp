#include "chartparts/CSymbol.h"

#include "engine/CODLabelComponent.h"
#include "engine/CODOrientationProperties.h"

std::unique_ptr<CODComponent> CSymbol::Clone() const
{
    return std::unique_ptr<CODComponent>(new CSymbol(*this));
}

void CSymbol::Rotate(float fAngle, float cx, float cy, int nWidth, int nHeight)
{
    CODSymbolComponent::Rotate(fAngle, cx, cy, nWidth, nHeight);
    for (int i = 0; i < GetLabelCount(); ++i)
        GetLabel(i)->Rotate(fAngle, cx, cy, nWidth, nHeight);
}

void CSymbol::PlaceLabel(CODLabelComponent* pLabel)
{
    if (!pLabel)
        return;
    const auto* orientation =
        dynamic_cast<const CODOrientationProperties*>(pLabel->GetProperty(OD_PROP_ORIENTATION, false));
    if (!orientation)
        return;
    const CRect b = GetBounds();
    const CRect label = pLabel->GetBounds();
    const int w = label.Width();
    const int h = label.Height();
    const int ox = orientation->GetOffsetX();
    const int oy = orientation->GetOffsetY();
    const int centre = b.left + (b.right - b.left) / 2 - w / 2;
    const int middle = b.top + (b.bottom - b.top) / 2 - h / 2;
    const int left = b.left - ox;
    const int right = b.right - w + ox;
    const int top = b.top - oy;
    const int bottom = b.bottom - h + oy;
    // Codes 0 to 7 run clockwise from the top-left corner; 8 is the centre.
    constexpr int kCodes = 9;
    const POINT places[kCodes] = {{left, top},     {centre, top},    {right, top},
                                  {right, middle}, {right, bottom},  {centre, bottom},
                                  {left, bottom},  {left, middle},   {centre, middle}};
    const int code = orientation->GetOrientation();
    const POINT at = places[code >= 0 && code < kCodes ? code : kCodes - 1];
    pLabel->MoveTo(at.x, at.y);
}
