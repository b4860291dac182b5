#include "engine/CODTransform.h"

#include "engine/CArchive.h"
#include "engine/ODHelpers.h"
#include "platform/Arithmetic.h"

#include <cmath>

namespace {
constexpr float kPi = static_cast<float>(kOdPi);
}

CODTransform::CODTransform(float a11, float a12, float a21, float a22, float x, float y)
    : m11(a11), m12(a12), m21(a21), m22(a22), dx(x), dy(y)
{
}

bool CODTransform::IsIdentity() const
{
    return m11 == 1.0f && m12 == 0.0f && m21 == 0.0f && m22 == 1.0f && dx == 0.0f && dy == 0.0f;
}

void CODTransform::Translate(int x, int y)
{
    Translate(static_cast<float>(x), static_cast<float>(y));
}

void CODTransform::Translate(float x, float y)
{
    dx += x;
    dy += y;
}

void CODTransform::SetTranslation(float x, float y)
{
    dx = x;
    dy = y;
}

POINT CODTransform::GetTranslation() const
{
    return POINT{TruncateTowardZero(dx), TruncateTowardZero(dy)};
}

void CODTransform::Rotate(float angle)
{
    const float radians = (angle / 10.0f) * (kPi / 180.0f);
    const float c = std::cos(radians);
    const float s = std::sin(radians);
    const auto turn = [c, s](float& first, float& second) {
        const float newFirst = c * first - s * second;
        const float newSecond = c * second + s * first;
        first = newFirst;
        second = newSecond;
    };
    turn(m11, m12);
    turn(m21, m22);
    turn(dx, dy);
}

void CODTransform::RotateAbout(float angle, float cx, float cy, int width, int height)
{
    const bool square = width == height;
    float fx = 1.0f;
    float fy = 1.0f;
    if (!square) {
        if (height < width)
            fx = static_cast<float>(width) / static_cast<float>(height);
        else
            fy = static_cast<float>(height) / static_cast<float>(width);
    }
    Translate(-cx, -cy);
    if (!square)
        Scale(fy, fx);
    Rotate(angle);
    if (!square)
        Scale(1.0f / fy, 1.0f / fx);
    Translate(cx, cy);
}

void CODTransform::Scale(float sx, float sy)
{
    if (sx == 1.0f && sy == 1.0f)
        return;
    m11 *= sx;
    m21 *= sx;
    dx *= sx;
    m12 *= sy;
    m22 *= sy;
    dy *= sy;
}

void CODTransform::ScaleAbout(float sx, float sy, float cx, float cy)
{
    Translate(-cx, -cy);
    Scale(sx, sy);
    Translate(cx, cy);
}

void CODTransform::Multiply(const CODTransform& o)
{
    const CODTransform t = *this;
    m11 = o.m11 * t.m11 + o.m12 * t.m21;
    m12 = o.m11 * t.m12 + o.m12 * t.m22;
    m21 = o.m21 * t.m11 + o.m22 * t.m21;
    m22 = o.m21 * t.m12 + o.m22 * t.m22;
    dx = o.dx * t.m11 + o.dy * t.m21 + t.dx;
    dy = o.dx * t.m12 + o.dy * t.m22 + t.dy;
}

CODTransform& CODTransform::operator+=(const CODTransform& o)
{
    m11 += o.m11;
    m12 += o.m12;
    m21 += o.m21;
    m22 += o.m22;
    dx += o.dx;
    dy += o.dy;
    return *this;
}

CODTransform& CODTransform::operator-=(const CODTransform& o)
{
    m11 -= o.m11;
    m12 -= o.m12;
    m21 -= o.m21;
    m22 -= o.m22;
    dx -= o.dx;
    dy -= o.dy;
    return *this;
}

void CODTransform::TransformPoint(int& x, int& y) const
{
    const float fx = static_cast<float>(x);
    const float fy = static_cast<float>(y);
    const float mappedX = fx * m11 + fy * m21 + dx;
    const float mappedY = fx * m12 + fy * m22 + dy;
    x = RoundHalfAwayFromZero(mappedX);
    y = RoundHalfAwayFromZero(mappedY);
}

POINT CODTransform::TransformPoint(const POINT& point) const
{
    POINT mapped = point;
    TransformPoint(mapped.x, mapped.y);
    return mapped;
}

void CODTransform::TransformPoints(POINT* points, int count) const
{
    for (int i = 0; i < count; ++i)
        TransformPoint(points[i].x, points[i].y);
}

void CODTransform::TransformPoints(const POINT* source, POINT* target, int count) const
{
    for (int i = 0; i < count; ++i)
        target[i] = TransformPoint(source[i]);
}

bool CODTransform::InverseTransformPoint(int& x, int& y) const
{
    const float d = m11 * m22 - m21 * m12;
    if (d == 0.0f)
        return false;
    const float u = (static_cast<float>(x) - dx) / d;
    const float v = (static_cast<float>(y) - dy) / d;
    x = TruncateTowardZero(m22 * u - m21 * v);
    y = TruncateTowardZero(m11 * v - m12 * u);
    return true;
}

void CODTransform::Serialize(CArchive& ar)
{
    float* const fields[] = {&m11, &m12, &m21, &m22, &dx, &dy};
    for (float* field : fields) {
        if (ar.IsStoring()) {
            ar.WriteFloat(*field);
            continue;
        }
        *field = ar.ReadFloat();
        // Points go through the matrix into integers: keep them representable.
        if (!std::isfinite(*field) || std::fabs(*field) > kMaxStoredElement)
            ar.Fail("a transform out of range");
    }
}
