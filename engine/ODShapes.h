#pragma once

#include "platform/CPoint.h"
#include "platform/WinTypes.h"

#include <vector>

// Geometry of the shapes the user draws with the mouse.

// The Bezier points (start, then control, control, end per segment) of a
// smooth curve through the points, each tangent parallel to the line
// between its neighbours; closed, the curve returns to the first point.
// Empty for fewer than two points (three when closed).
std::vector<POINT> SmoothCurvePoints(const std::vector<POINT>& through, bool bClosed);

// The point at the same distance from the start in the direction nearest
// to it that is a multiple of the step (tenths of a degree).
CPoint SnapAngle(const CPoint& from, const CPoint& to, int nStep);
