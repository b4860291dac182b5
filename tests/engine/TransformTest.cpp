#include "engine/CODTransform.h"
#include "engine/ODHelpers.h"
#include "engine/TransformStack.h"
#include "platform/CDC.h"

#include <gtest/gtest.h>

namespace {

TEST(Transform, TransformPointRoundsHalvesAwayFromZeroAndTheInverseTruncates)
{
    const CODTransform scale(1.5f, 0.0f, 0.0f, 1.5f, 0.0f, 0.0f);
    struct Case {
        int x, y, expectedX, expectedY;
    };
    for (const Case& c : {Case{1, 1, 2, 2}, Case{-1, -1, -2, -2}, Case{3, -3, 5, -5}, Case{0, 2, 0, 3}}) {
        int x = c.x;
        int y = c.y;
        scale.TransformPoint(x, y);
        EXPECT_EQ(x, c.expectedX) << c.x;
        EXPECT_EQ(y, c.expectedY) << c.y;
    }
    // 5 / 1.5 = 3.33 and -5 / 1.5 = -3.33 truncate toward zero.
    int x = 5;
    int y = -5;
    ASSERT_TRUE(scale.InverseTransformPoint(x, y));
    EXPECT_EQ(x, 3);
    EXPECT_EQ(y, -3);
    const CODTransform flat(0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f);
    EXPECT_FALSE(flat.InverseTransformPoint(x, y));
    EXPECT_EQ(x, 3);
}

TEST(Transform, RotatingByNinetyDegreesTurnsClockwiseOnTheScreen)
{
    CODTransform rotation;
    rotation.Rotate(900);
    EXPECT_NEAR(rotation.m11, 0.0f, 1e-5f);
    EXPECT_NEAR(rotation.m12, 1.0f, 1e-5f);
    EXPECT_NEAR(rotation.m21, -1.0f, 1e-5f);
    EXPECT_NEAR(rotation.m22, 0.0f, 1e-5f);
    EXPECT_EQ(rotation.TransformPoint(POINT{10, 0}).x, 0);
    EXPECT_EQ(rotation.TransformPoint(POINT{10, 0}).y, 10);
    // The float pi of 3.14159 leaves cos(90°) at about 1.3e-6, not 0.
    EXPECT_NE(rotation.m11, 0.0f);

    // About a centre: the square (0,0)-(10,10) turned about (5,5) maps its
    // top-left corner to the top-right.
    CODTransform about;
    about.RotateAbout(900, 5.0f, 5.0f, 10, 10);
    const POINT corner = about.TransformPoint(POINT{0, 0});
    EXPECT_EQ(corner.x, 10);
    EXPECT_EQ(corner.y, 0);
}

TEST(Transform, ScaleMultiplyAndTranslation)
{
    CODTransform t;
    t.Scale(1.0f, 1.0f);
    EXPECT_TRUE(t.IsIdentity());
    t.ScaleAbout(2.0f, 3.0f, 10.0f, 10.0f);
    EXPECT_EQ(t.TransformPoint(POINT{10, 10}).x, 10);
    EXPECT_EQ(t.TransformPoint(POINT{11, 11}).x, 12);
    EXPECT_EQ(t.TransformPoint(POINT{11, 11}).y, 13);

    // Multiply applies the other transform first: scale by 2, then move by 5.
    CODTransform move;
    move.Translate(5, 0);
    CODTransform doubling(2.0f, 0.0f, 0.0f, 2.0f, 0.0f, 0.0f);
    move.Multiply(doubling);
    EXPECT_EQ(move.TransformPoint(POINT{1, 1}).x, 7);
    EXPECT_EQ(move.TransformPoint(POINT{1, 1}).y, 2);

    CODTransform translation;
    translation.Translate(2.9f, -2.9f);
    EXPECT_EQ(translation.GetTranslation().x, 2);
    EXPECT_EQ(translation.GetTranslation().y, -2);

    // A pushed transform composes with the one below it.
    TransformStack::Push(&doubling);
    TransformStack::Push(&translation);
    EXPECT_EQ(TransformStack::Depth(), 2);
    const POINT mapped = TransformStack::Top()->TransformPoint(POINT{1, 1});
    EXPECT_EQ(mapped.x, 8);  // (1 + 2.9) * 2 = 7.8
    TransformStack::Pop();
    TransformStack::Pop();
    EXPECT_EQ(TransformStack::Top(), nullptr);
}

TEST(Helpers, AngleBetweenInEveryQuadrant)
{
    struct Case {
        int x2, y2, angle;
    };
    const Case cases[] = {{5, 0, 0},      {0, 5, 900},    {0, -5, -900},  {-1, 0, 1800}, {0, 0, 900},
                          {3, 3, 450},    {-3, 3, 1350},  {-3, -3, 2250}, {3, -3, -450}, {10, 1, 57},
                          {-10, -1, 1857}};
    for (const Case& c : cases)
        EXPECT_EQ(AngleBetween(0, 0, c.x2, c.y2), c.angle) << c.x2 << "," << c.y2;
    EXPECT_EQ(AngleBetween(100, 100, 100, 105), 900);
}

TEST(Helpers, UnitConversionsAtNinetySixPixelsPerInch)
{
    EXPECT_EQ(PointsToLogical(10), 13);
    EXPECT_EQ(PointsToLogical(1, nullptr, false), 1);
    EXPECT_EQ(PointsToLogical(72), 96);
    EXPECT_EQ(LogicalToPoints(1), 0);
    EXPECT_EQ(LogicalToPoints(96), 72);
    EXPECT_EQ(LogicalToPoints(13), 9);

    // At 200 % one logical unit is two pixels.
    CDC dc;
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1, 1);
    dc.SetViewportExt(2, 2);
    EXPECT_EQ(PointsToLogical(72, &dc), 48);
    EXPECT_EQ(LogicalToPoints(48, &dc, false), 72);
}

}  // namespace
