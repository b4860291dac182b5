#include "platform/WaitCursor.h"

#include <gtest/gtest.h>

namespace {

TEST(WaitCursorTest, NestsAndNeverGoesBelowZero)
{
    const int depth = WaitCursor::Depth();
    WaitCursor::Begin();
    WaitCursor::Begin();
    WaitCursor::Restore();
    EXPECT_EQ(WaitCursor::Depth(), depth + 2);
    WaitCursor::End();
    WaitCursor::End();
    EXPECT_EQ(WaitCursor::Depth(), depth);
    WaitCursor::End();
    EXPECT_EQ(WaitCursor::Depth(), 0);
}

}  // namespace
