#include "engine/CODPointComponent.h"

#include "engine/CArchive.h"
#include "engine/CODSpatialIndex.h"
#include "engine/TransformStack.h"
#include "platform/Arithmetic.h"
#include "platform/CDC.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int kFullPercent = 100;
}  // namespace

std::unique_ptr<CODComponent> CODPointComponent::Clone() const
{
    return std::unique_ptr<CODComponent>(new CODPointComponent(*this));
}

bool CODPointComponent::SetPointCount(int nCount)
{
    if (nCount < 0 || nCount > kMaxPoints)
        return false;
    m_points.resize(static_cast<std::size_t>(nCount));
    m_worldPoints.resize(static_cast<std::size_t>(nCount));
    return true;
}

bool CODPointComponent::SetPoint(int nIndex, const CPoint& point)
{
    if (nIndex < 0 || nIndex >= GetPointCount())
        return false;
    m_points[static_cast<std::size_t>(nIndex)] = point;
    return true;
}

CPoint CODPointComponent::GetPoint(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetPointCount() ? CPoint(m_points[static_cast<std::size_t>(nIndex)]) : CPoint();
}

CPoint CODPointComponent::GetWorldPoint(int nIndex) const
{
    return nIndex >= 0 && nIndex < static_cast<int>(m_worldPoints.size())
        ? CPoint(m_worldPoints[static_cast<std::size_t>(nIndex)])
        : CPoint();
}

bool CODPointComponent::InsertPoint(int nIndex, const CPoint& point)
{
    if (nIndex < 0 || nIndex > GetPointCount() || GetPointCount() >= kMaxPoints)
        return false;
    m_points.insert(m_points.begin() + nIndex, point);
    m_worldPoints.resize(m_points.size());
    return true;
}

bool CODPointComponent::RemovePoint(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetPointCount())
        return false;
    m_points.erase(m_points.begin() + nIndex);
    m_worldPoints.resize(m_points.size());
    return true;
}

bool CODPointComponent::SetPoints(const POINT* points, int nCount)
{
    if ((!points && nCount > 0) || !SetPointCount(nCount))
        return false;
    std::copy(points, points + nCount, m_points.begin());
    return true;
}

CPoint CODPointComponent::GetPointAtPercentage(int nPercent, int* pSegment) const
{
    if (pSegment)
        *pSegment = 0;
    if (m_worldPoints.empty())
        return CPoint();
    const int percent = std::clamp(nPercent, 0, kFullPercent);
    double total = 0.0;
    for (std::size_t i = 1; i < m_worldPoints.size(); ++i)
        total += std::hypot(m_worldPoints[i].x - m_worldPoints[i - 1].x, m_worldPoints[i].y - m_worldPoints[i - 1].y);
    double remaining = total * percent / kFullPercent;
    for (std::size_t i = 1; i < m_worldPoints.size(); ++i) {
        const POINT& a = m_worldPoints[i - 1];
        const POINT& b = m_worldPoints[i];
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        if (remaining <= length && length > 0.0) {
            if (pSegment)
                *pSegment = static_cast<int>(i - 1);
            const double t = remaining / length;
            return CPoint(RoundHalfAwayFromZero(a.x + t * (b.x - a.x)), RoundHalfAwayFromZero(a.y + t * (b.y - a.y)));
        }
        remaining -= length;
    }
    if (pSegment)
        *pSegment = std::max(0, static_cast<int>(m_worldPoints.size()) - 2);
    return CPoint(m_worldPoints.back());
}

void CODPointComponent::UpdateBounds(CDC* /*pDC*/)
{
    CODSpatialIndex* index = FindSpatialIndex();
    if (index)
        index->BeforeBoundsChange(this);
    PushTransform();
    m_worldPoints = m_points;
    if (const CODTransform* transform = TransformStack::Top())
        transform->TransformPoints(m_worldPoints.data(), GetPointCount());
    PopTransform();
    BuildBoundsRegion();
    m_rcBounds = m_boundsRegion.GetBoundingRect();
    if (index)
        index->AfterBoundsChange(this);
}

void CODPointComponent::BuildBoundsRegion()
{
    m_boundsRegion.Clear();
    if (m_worldPoints.empty())
        return;
    std::vector<POINT> closed = m_worldPoints;
    closed.push_back(m_worldPoints.front());
    m_boundsRegion.AddPolygon(closed.data(), static_cast<int>(closed.size()));
}

void CODPointComponent::OnDraw(CDC* pDC)
{
    DrawOutlinePolygon(pDC);
}

const char* CODPointComponent::GetTypeText() const
{
    return "Component";
}

void CODPointComponent::FinishCreate()
{
    m_worldPoints = m_points;
    UpdateBounds();
    SetName(GetTypeText());
    SetType(GetTypeText());
}

CRect CODPointComponent::GetBoxRect() const
{
    if (GetPointCount() != kBoxCorners)
        return CRect();
    return CRect(m_points[0].x, m_points[0].y, m_points[2].x, m_points[2].y);
}

void CODPointComponent::SetBoxPoints(const CRect& rect)
{
    const POINT corners[kBoxCorners] = {
        {rect.left, rect.top}, {rect.right, rect.top}, {rect.right, rect.bottom}, {rect.left, rect.bottom}};
    SetPoints(corners, kBoxCorners);
}

void CODPointComponent::DrawOutlinePolygon(CDC* pDC) const
{
    pDC->Polygon(m_worldPoints.data(), static_cast<int>(m_worldPoints.size()));
}

namespace {

constexpr std::uint32_t kPointSchema = 1;
constexpr std::size_t kPointBytes = 8;

}  // namespace

void CODPointComponent::Serialize(CArchive& ar)
{
    ar.SerializeSchema(kPointSchema);
    if (ar.IsStoring()) {
        ar.WriteDWord(static_cast<std::uint32_t>(m_points.size()));
        for (const POINT& point : m_points) {
            ar.WriteInt(point.x);
            ar.WriteInt(point.y);
        }
    } else {
        const std::uint32_t count = ar.ReadCount(kPointBytes);
        if (count > static_cast<std::uint32_t>(kMaxPoints))
            ar.Fail("too many points");
        m_points.resize(count);
        for (POINT& point : m_points) {
            point.x = ar.ReadCoordinate();
            point.y = ar.ReadCoordinate();
        }
        m_worldPoints = m_points;
    }
    CODComponent::Serialize(ar);
}
