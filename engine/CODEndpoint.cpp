#include "engine/CODEndpoint.h"

#include "engine/CArchive.h"

std::unique_ptr<CODEndpoint> CODEndpoint::Clone() const
{
    return std::unique_ptr<CODEndpoint>(new CODEndpoint(*this));
}

void CODEndpoint::Draw(CDC* /*pDC*/) {}

void CODEndpoint::AddToRegion(BoundsRegion& /*region*/) const {}

void CODEndpoint::SetSegment(const CPoint& from, const CPoint& to)
{
    m_nFromX = from.x;
    m_nFromY = from.y;
    m_nToX = to.x;
    m_nToY = to.y;
}

void CODEndpoint::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteInt(m_nFromX);
        ar.WriteInt(m_nFromY);
        ar.WriteInt(m_nToX);
        ar.WriteInt(m_nToY);
        return;
    }
    m_nFromX = ar.ReadInt();
    m_nFromY = ar.ReadInt();
    m_nToX = ar.ReadInt();
    m_nToY = ar.ReadInt();
}
