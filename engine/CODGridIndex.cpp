#include "engine/CODGridIndex.h"

#include "engine/CODComponent.h"

#include <algorithm>

namespace {

int CellCount(long long extent)
{
    const long long cells = extent / CODGridIndex::kMinCellSize;
    return static_cast<int>(std::clamp<long long>(cells, 1, CODGridIndex::kCellsPerSide));
}

}  // namespace

void CODGridIndex::Reset(const CRect& canvas)
{
    m_rcCanvas = canvas;
    const long long width = std::max<long long>(1, static_cast<long long>(canvas.right) - canvas.left);
    const long long height = std::max<long long>(1, static_cast<long long>(canvas.bottom) - canvas.top);
    m_nColumns = CellCount(width);
    m_nRows = CellCount(height);
    m_nCellWidth = (width + m_nColumns - 1) / m_nColumns;
    m_nCellHeight = (height + m_nRows - 1) / m_nRows;
    m_cells.assign(static_cast<std::size_t>(m_nColumns) * static_cast<std::size_t>(m_nRows), {});
    m_entered.clear();
}

int CODGridIndex::CellX(long long x) const
{
    return static_cast<int>(std::clamp<long long>((x - m_rcCanvas.left) / m_nCellWidth, 0, m_nColumns - 1));
}

int CODGridIndex::CellY(long long y) const
{
    return static_cast<int>(std::clamp<long long>((y - m_rcCanvas.top) / m_nCellHeight, 0, m_nRows - 1));
}

CODGridIndex::Span CODGridIndex::SpanOf(const CRect& rect) const
{
    if (m_cells.empty())
        return Span{};
    const long long left = std::min(rect.left, rect.right);
    const long long right = std::max(rect.left, rect.right);
    const long long top = std::min(rect.top, rect.bottom);
    const long long bottom = std::max(rect.top, rect.bottom);
    return Span{CellX(left), CellY(top), CellX(right), CellY(bottom)};
}

void CODGridIndex::Insert(CODComponent* pComponent)
{
    if (!pComponent || m_cells.empty() || m_entered.count(pComponent))
        return;
    const Span span = SpanOf(pComponent->GetBounds());
    for (int y = span.y0; y <= span.y1; ++y)
        for (int x = span.x0; x <= span.x1; ++x)
            m_cells[static_cast<std::size_t>(y) * m_nColumns + x].push_back(pComponent);
    m_entered.emplace(pComponent, span);
}

void CODGridIndex::Remove(CODComponent* pComponent)
{
    const auto found = m_entered.find(pComponent);
    if (found == m_entered.end())
        return;
    const Span span = found->second;
    for (int y = span.y0; y <= span.y1; ++y)
        for (int x = span.x0; x <= span.x1; ++x) {
            auto& cell = m_cells[static_cast<std::size_t>(y) * m_nColumns + x];
            cell.erase(std::remove(cell.begin(), cell.end(), pComponent), cell.end());
        }
    m_entered.erase(found);
}

void CODGridIndex::BeforeBoundsChange(CODComponent* /*pComponent*/) {}

void CODGridIndex::AfterBoundsChange(CODComponent* pComponent)
{
    if (!m_entered.count(pComponent))
        return;
    Remove(pComponent);
    Insert(pComponent);
}

std::vector<CODComponent*> CODGridIndex::Candidates(const CRect& rect) const
{
    std::vector<CODComponent*> found;
    if (m_cells.empty())
        return found;
    const Span span = SpanOf(rect);
    for (int y = span.y0; y <= span.y1; ++y)
        for (int x = span.x0; x <= span.x1; ++x)
            for (CODComponent* component : m_cells[static_cast<std::size_t>(y) * m_nColumns + x])
                found.push_back(component);
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}
