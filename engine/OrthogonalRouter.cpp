#include "engine/OrthogonalRouter.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr int kLastCell = 4;
constexpr int kCentreCell = 2;
constexpr int kRayCells = 10;
constexpr int kMaxBends = 4;

struct Cell {
    int column = 0;
    int row = 0;
    friend bool operator==(const Cell& a, const Cell& b) { return a.column == b.column && a.row == b.row; }
};

Cell Step(const Cell& cell, const CPoint& direction, int cells = 1)
{
    return Cell{cell.column + cells * direction.x, cell.row + cells * direction.y};
}

// Column (or row) of the two end cells along one axis.
void EndCells(int from, int to, int sourceStep, int targetStep, int& source, int& target)
{
    if (from < to) {
        source = 1;
        target = 3;
    } else if (from > to) {
        source = 3;
        target = 1;
    } else {
        source = kCentreCell + sourceStep;
        target = kCentreCell + targetStep;
    }
}

std::int64_t Cross(const Cell& o, const Cell& a, const Cell& b)
{
    return static_cast<std::int64_t>(a.column - o.column) * (b.row - o.row)
        - static_cast<std::int64_t>(a.row - o.row) * (b.column - o.column);
}

bool OnSegment(const Cell& p, const Cell& a, const Cell& b)
{
    return std::min(a.column, b.column) <= p.column && p.column <= std::max(a.column, b.column)
        && std::min(a.row, b.row) <= p.row && p.row <= std::max(a.row, b.row);
}

// Segment intersection; touching counts.
bool Meet(const Cell& a1, const Cell& a2, const Cell& b1, const Cell& b2)
{
    const std::int64_t d1 = Cross(b1, b2, a1);
    const std::int64_t d2 = Cross(b1, b2, a2);
    const std::int64_t d3 = Cross(a1, a2, b1);
    const std::int64_t d4 = Cross(a1, a2, b2);
    if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0)))
        return true;
    return (d1 == 0 && OnSegment(a1, b1, b2)) || (d2 == 0 && OnSegment(a2, b1, b2))
        || (d3 == 0 && OnSegment(b1, a1, a2)) || (d4 == 0 && OnSegment(b2, a1, a2));
}

bool SameDirection(const CPoint& a, const CPoint& b)
{
    return a.x == b.x && a.y == b.y;
}

// A quarter turn toward the target cell.
CPoint TurnToward(const CPoint& direction, const Cell& current, const Cell& target)
{
    const bool below = target.row > current.row;
    const bool right = target.column > current.column;
    int turn = 0;
    if (direction.x > 0)
        turn = below ? 1 : -1;
    else if (direction.x < 0)
        turn = below ? -1 : 1;
    else if (direction.y > 0)
        turn = right ? 1 : -1;
    else
        turn = right ? -1 : 1;
    return CPoint(turn * direction.y, turn * direction.x);
}

// The anchor code of each cell, rows top to bottom, columns left to right:
// the corner, side middle or centre of the rectangle that the cell maps to.
constexpr int kCellAnchors[kLastCell + 1][kLastCell + 1] = {
    {0, 0, 1, 2, 2}, {0, 0, 1, 2, 2}, {7, 7, 8, 3, 3}, {6, 6, 5, 4, 4}, {6, 6, 5, 4, 4},
};

// Along one axis: the low side for anchors on it, the high side, or the middle.
int AnchorCoordinate(bool low, bool high, int from, int to)
{
    if (low)
        return from;
    return high ? to : (from + to) / 2;
}

// The outer columns and rows lie on the rectangle grown by the margins.
CPoint CellPoint(const Cell& cell, const CRect& inner, const CRect& outer)
{
    const int anchor = kCellAnchors[cell.row][cell.column];
    const CRect& across = cell.column == 0 || cell.column == kLastCell ? outer : inner;
    const CRect& down = cell.row == 0 || cell.row == kLastCell ? outer : inner;
    const bool left = anchor == 0 || anchor == 6 || anchor == 7;
    const bool right = anchor == 2 || anchor == 3 || anchor == 4;
    const bool top = anchor == 0 || anchor == 1 || anchor == 2;
    const bool bottom = anchor == 4 || anchor == 5 || anchor == 6;
    return CPoint(AnchorCoordinate(left, right, across.left, across.right),
                  AnchorCoordinate(top, bottom, down.top, down.bottom));
}

}  // namespace

void OrthogonalRouter::DefaultDirections(const CPoint& from, const CPoint& to, CPoint& source, CPoint& target)
{
    if (std::abs(to.x - from.x) > std::abs(to.y - from.y)) {
        source = CPoint(to.x > from.x ? 1 : -1, 0);
        target = CPoint(-source.x, 0);
    } else {
        source = CPoint(0, to.y > from.y ? 1 : -1);
        target = CPoint(0, -source.y);
    }
}

std::vector<CPoint> OrthogonalRouter::Route(const CPoint& from, const CPoint& to, const CPoint& source,
                                            const CPoint& target, const CRect& margins)
{
    Cell sourceCell;
    Cell targetCell;
    EndCells(from.x, to.x, source.x, target.x, sourceCell.column, targetCell.column);
    EndCells(from.y, to.y, source.y, target.y, sourceCell.row, targetCell.row);
    const Cell stepCell = Step(sourceCell, source);
    const Cell approachCell = Step(targetCell, target);

    std::vector<Cell> path{sourceCell};
    Cell current = stepCell;
    if (stepCell.column != approachCell.column && stepCell.row != approachCell.row) {
        CPoint direction = source;
        bool moved = true;
        int bends = 0;
        const Cell approachEnd = Step(approachCell, target, kRayCells);
        while (bends < kMaxBends) {
            const bool meets = Meet(current, Step(current, direction, kRayCells), approachCell, approachEnd);
            const bool aligned = SameDirection(direction, target);
            if (!((meets || aligned) && moved)) {
                path.push_back(current);
                ++bends;
                const bool opposite = direction.x == -target.x && direction.y == -target.y;
                direction = opposite || aligned ? TurnToward(direction, current, targetCell) : target;
            }
            const Cell next{std::clamp(current.column + direction.x, 0, kLastCell),
                            std::clamp(current.row + direction.y, 0, kLastCell)};
            moved = !(next == current);
            current = next;
            if (current.column == approachCell.column || current.row == approachCell.row)
                break;
        }
    }
    path.push_back(current);
    path.push_back(approachCell);
    path.push_back(targetCell);

    const CRect inner(std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x), std::max(from.y, to.y));
    const CRect outer(inner.left - margins.left, inner.top - margins.top, inner.right + margins.right,
                      inner.bottom + margins.bottom);
    std::vector<CPoint> points{from};
    for (std::size_t i = 1; i + 1 < path.size(); ++i) {
        const Cell& before = path[i - 1];
        const Cell& after = path[i + 1];
        if (before.column == after.column || before.row == after.row)
            continue;
        const CPoint corner = CellPoint(path[i], inner, outer);
        if (std::find(points.begin(), points.end(), corner) == points.end())
            points.push_back(corner);
    }
    points.push_back(to);
    return points;
}
