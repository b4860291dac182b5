#pragma once

#include "platform/CRect.h"

#include <vector>

class CDC;
class CODComponent;

// The engine's pi, to five places: rotations and angles of stored charts depend on it.
constexpr double kOdPi = 3.14159;

// Points (1/72 inch) to logical units of the context and back, along x or
// (vertical) y, in integer arithmetic; without a context a memory context
// compatible with the screen is used (96 pixels per inch, one unit a pixel).
int PointsToLogical(int nPoints, const CDC* pDC = nullptr, bool bVertical = true);
int LogicalToPoints(int nLogical, const CDC* pDC = nullptr, bool bVertical = true);

// Direction from (x1, y1) to (x2, y2) in tenths of a degree, clockwise on the
// screen: 0 to the right, 900 down, 1800 to the left, -900 up.
int AngleBetween(int x1, int y1, int x2, int y2);

// The rectangle enclosing every component's bounds, flat ones (a horizontal
// line) included; empty for none.
CRect BoundsUnion(const std::vector<CODComponent*>& components);
// The rectangle enclosing both, either of them flat.
CRect Enclosing(const CRect& a, const CRect& b);
// The rectangle with the two points as opposite corners, in either order.
CRect Normalized(const CPoint& a, const CPoint& b);
