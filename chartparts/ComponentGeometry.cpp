#include "chartparts/ComponentGeometry.h"

#include "engine/ODHelpers.h"
#include "platform/CDC.h"

#include <cstdlib>

CODTransform InverseOf(const CODTransform& t)
{
    const float determinant = t.m11 * t.m22 - t.m12 * t.m21;
    if (determinant == 0.0f)
        return CODTransform();
    const float i11 = t.m22 / determinant;
    const float i12 = -t.m12 / determinant;
    const float i21 = -t.m21 / determinant;
    const float i22 = t.m11 / determinant;
    return CODTransform(i11, i12, i21, i22, -(t.dx * i11 + t.dy * i21), -(t.dx * i12 + t.dy * i22));
}

void SetModelPoint(CODPointComponent& component, int nIndex, const CPoint& model)
{
    const CODTransform back = InverseOf(component.GetAccumulatedTransform());
    component.SetPoint(nIndex, CPoint(back.TransformPoint(POINT{model.x, model.y})));
}

void PlaceUpright(CODPointComponent& component, const CRect& model)
{
    // The own transform undoes the parents', so local points are model points.
    const CODComponent* parent = component.GetParent();
    const CODTransform undo = parent ? InverseOf(parent->GetAccumulatedTransform()) : CODTransform();
    component.SetTransform(undo.IsIdentity() ? nullptr : std::make_unique<CODTransform>(undo));
    const POINT corners[CODPointComponent::kBoxCorners] = {
        {model.left, model.top}, {model.right, model.top}, {model.right, model.bottom}, {model.left, model.bottom}};
    component.SetPoints(corners, CODPointComponent::kBoxCorners);
    component.UpdateBounds();
}

CDC& ScreenContext()
{
    static CDC screen;
    return screen;
}

int ScreenPenWidth(int nWidth)
{
    return std::abs(LogicalToPoints(nWidth, &ScreenContext()));
}
