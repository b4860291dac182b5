#include "platform/Arithmetic.h"

#include <gtest/gtest.h>

TEST(Arithmetic, RoundsHalvesAwayFromZeroAndTruncatesTowardZero)
{
    struct Case {
        double value;
        int rounded;
        int truncated;
    };
    const Case cases[] = {
        {2.5, 3, 2}, {-2.5, -3, -2}, {2.4999, 2, 2}, {-0.5, -1, 0}, {0.49, 0, 0}, {-2.7, -3, -2}, {7.0, 7, 7},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RoundHalfAwayFromZero(c.value), c.rounded) << c.value;
        EXPECT_EQ(TruncateTowardZero(c.value), c.truncated) << c.value;
    }
}

TEST(Arithmetic, MulDivRoundsAndRejectsZeroDivisor)
{
    EXPECT_EQ(MulDiv(10, 72, 96), 8);    // 7.5 -> 8
    EXPECT_EQ(MulDiv(-10, 72, 96), -8);  // -7.5 -> -8
    EXPECT_EQ(MulDiv(10, -72, -96), 8);
    EXPECT_EQ(MulDiv(2000000000, 3, 4), 1500000000);  // no 32-bit overflow in between
    EXPECT_EQ(MulDiv(5, 5, 0), -1);
}
