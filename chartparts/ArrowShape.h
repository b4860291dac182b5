#pragma once

#include "platform/WinTypes.h"

#include <array>

// The four points of an arrowhead pointing along +x with its tip at the
// origin: the tip, a rear corner, the notch (three quarters back), the other
// rear corner. Half the width is rounded half away from zero.
std::array<POINT, 4> ArrowShape(int nLength, int nWidth);
