#pragma once

#include "engine/CODSpatialIndex.h"
#include "platform/CPoint.h"
#include "platform/CRect.h"

#include <unordered_map>
#include <vector>

class CODComponent;

// The model's spatial index: a grid of cells over the canvas, each listing
// the top-level components whose bounds reach into it. Bounds outside the
// canvas count for the edge cells, so queries anywhere find every candidate;
// the answers are then tested exactly.
class CODGridIndex : public CODSpatialIndex {
public:
    // Cells per side of the grid; a small canvas takes fewer, at least kMinCellSize wide.
    static constexpr int kCellsPerSide = 64;
    static constexpr int kMinCellSize = 32;

    // Empties the grid and lays it over the canvas.
    void Reset(const CRect& canvas);
    void Insert(CODComponent* pComponent);
    void Remove(CODComponent* pComponent);

    // Only the components entered (the model's children) are followed.
    void BeforeBoundsChange(CODComponent* pComponent) override;
    void AfterBoundsChange(CODComponent* pComponent) override;

    // The candidates whose entered bounds reach the rectangle (inclusive),
    // each once, in no particular order.
    std::vector<CODComponent*> Candidates(const CRect& rect) const;

private:
    struct Span {
        int x0 = 0, y0 = 0, x1 = -1, y1 = -1;
    };
    Span SpanOf(const CRect& rect) const;
    int CellX(long long x) const;
    int CellY(long long y) const;

    CRect m_rcCanvas;
    int m_nColumns = 0;
    int m_nRows = 0;
    long long m_nCellWidth = 1;
    long long m_nCellHeight = 1;
    std::vector<std::vector<CODComponent*>> m_cells;
    // Where each entered component was put, so a change takes it out again.
    std::unordered_map<CODComponent*, Span> m_entered;
};
