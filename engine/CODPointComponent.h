#pragma once

#include "engine/CODComponent.h"

#include <vector>

// A component whose geometry is an array of points in its own coordinates.
// The world points are those points mapped through the accumulated transform;
// they are rebuilt whenever the bounds are computed and are what drawing and
// hit testing use.
class CODPointComponent : public CODComponent {
public:
    // The most points a component takes, so that a corrupt count cannot
    // exhaust memory.
    static constexpr int kMaxPoints = 1 << 20;
    // Points of a box shape (text, image, metafile, ruler).
    static constexpr int kBoxCorners = 4;

    CODPointComponent() = default;

    std::unique_ptr<CODComponent> Clone() const override;
    void Serialize(CArchive& ar) override;

    // Resizes both point arrays; false (unchanged) for a negative count or
    // one above kMaxPoints.
    bool SetPointCount(int nCount);
    int GetPointCount() const { return static_cast<int>(m_points.size()); }
    // False (unchanged) for an index out of range.
    bool SetPoint(int nIndex, const CPoint& point);
    // (0, 0) for an index out of range.
    CPoint GetPoint(int nIndex) const;
    CPoint GetWorldPoint(int nIndex) const;
    const std::vector<POINT>& GetWorldPoints() const { return m_worldPoints; }
    // Replaces the points; false (unchanged) for a count out of range.
    bool SetPoints(const POINT* points, int nCount);
    // Before the point at the index (at the end for the count); false
    // (unchanged) for an index out of range or one point too many.
    bool InsertPoint(int nIndex, const CPoint& point);
    // False (unchanged) for an index out of range.
    bool RemovePoint(int nIndex);

    // The point at nPercent (0-100, clamped) of the length of the path
    // through the world points, in order; pSegment receives the index of the
    // segment it lies on (its first point).
    CPoint GetPointAtPercentage(int nPercent, int* pSegment = nullptr) const;

    // Maps the points, builds the bounds region from the closed outline and
    // takes its rectangle as the bounds.
    void UpdateBounds(CDC* pDC = nullptr) override;
    void BuildBoundsRegion() override;
    // The polygon of the world points: the outline every primitive draws
    // when only the outline is asked for.
    void OnDraw(CDC* pDC) override;

protected:
    CODPointComponent(const CODPointComponent& other) = default;

    // The user-visible class text ("Rectangle", "Text", ...).
    virtual const char* GetTypeText() const;
    // The tail of every Create: world points from the local ones, the
    // bounds, the name and the type.
    void FinishCreate();
    // The local rectangle of points 0 and 2 (the corners of a box shape).
    CRect GetBoxRect() const;
    // Sets four points to the corners of the rectangle, clockwise from the top-left.
    void SetBoxPoints(const CRect& rect);
    void DrawOutlinePolygon(CDC* pDC) const;

    std::vector<POINT> m_points;
    std::vector<POINT> m_worldPoints;
};
