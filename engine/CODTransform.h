#pragma once

#include "platform/CObject.h"
#include "platform/WinTypes.h"

// A 2-D affine transform in 32-bit floats: (x, y) maps to
// (x·m11 + y·m21 + dx, x·m12 + y·m22 + dy). Angles are tenths of a degree,
// positive clockwise on the screen (y grows downward).
class CODTransform : public CObject {
public:
    CODTransform() = default;
    CODTransform(float m11, float m12, float m21, float m22, float dx, float dy);
    CODTransform(const CODTransform&) = default;
    CODTransform& operator=(const CODTransform&) = default;

    // The largest element a document may hold.
    static constexpr float kMaxStoredElement = 1.0e7f;

    // The six floats in field order.
    void Serialize(CArchive& ar) override;

    bool IsIdentity() const;

    void Translate(int dx, int dy);
    void Translate(float dx, float dy);
    void SetTranslation(float dx, float dy);
    // Truncated toward zero.
    POINT GetTranslation() const;

    void Rotate(float angle);
    // Rotates about (cx, cy); a w x h shape is made square first, so that the
    // rotation keeps its proportions in the shape's own axes.
    void RotateAbout(float angle, float cx, float cy, int width, int height);
    void Scale(float sx, float sy);
    void ScaleAbout(float sx, float sy, float cx, float cy);
    // This becomes other × this: other is applied first, then this.
    void Multiply(const CODTransform& other);
    CODTransform& operator+=(const CODTransform& other);
    CODTransform& operator-=(const CODTransform& other);

    // Rounded half away from zero.
    void TransformPoint(int& x, int& y) const;
    POINT TransformPoint(const POINT& point) const;
    void TransformPoints(POINT* points, int count) const;
    void TransformPoints(const POINT* source, POINT* target, int count) const;
    // Truncated toward zero; false (point unchanged) when the transform cannot be inverted.
    bool InverseTransformPoint(int& x, int& y) const;

    float m11 = 1.0f;
    float m12 = 0.0f;
    float m21 = 0.0f;
    float m22 = 1.0f;
    float dx = 0.0f;
    float dy = 0.0f;
};
