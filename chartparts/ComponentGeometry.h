#pragma once

#include "engine/CODPointComponent.h"
#include "engine/CODTransform.h"
#include "platform/CPoint.h"
#include "platform/CRect.h"

class CDC;

// Geometry in model coordinates for parts of a composite: the parent may be
// moved, stretched or flipped, while the parts keep their model shape.

// The inverse of an affine transform; identity when it cannot be inverted.
CODTransform InverseOf(const CODTransform& transform);

// Moves one point of the component to a model position.
void SetModelPoint(CODPointComponent& component, int nIndex, const CPoint& model);

// Gives a four-point component the model rectangle upright and unscaled,
// whatever its parents' transforms are.
void PlaceUpright(CODPointComponent& component, const CRect& model);

// A memory context compatible with the screen, made once, for measuring
// text and converting widths without a window.
CDC& ScreenContext();

// A width from the settings as a pen width in logical units: through points
// for the screen (vertical direction), as a magnitude.
int ScreenPenWidth(int nWidth);
