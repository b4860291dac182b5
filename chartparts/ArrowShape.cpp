#include "chartparts/ArrowShape.h"

#include "platform/Arithmetic.h"

std::array<POINT, 4> ArrowShape(int nLength, int nWidth)
{
    const int half = RoundHalfAwayFromZero(nWidth * 0.5);
    const int notch = -nLength * 3 / 4;
    return {{{0, 0}, {-nLength, -half}, {notch, 0}, {-nLength, half}}};
}
