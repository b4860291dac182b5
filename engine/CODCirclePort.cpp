#include "engine/CODCirclePort.h"

#include "engine/CArchive.h"
#include "engine/CODFillProperties.h"
#include "platform/CDC.h"

namespace {

// The fill with its style made hollow, or none for any other property.
std::unique_ptr<CODFillProperties> HollowCopy(const CODProperty& property)
{
    const auto* fill = dynamic_cast<const CODFillProperties*>(&property);
    if (!fill)
        return nullptr;
    auto hollow = std::make_unique<CODFillProperties>(*fill);
    hollow->SetFillStyle(CODFillProperties::kHollow);
    return hollow;
}

}  // namespace

CODCirclePort::CODCirclePort()
{
    AddProperty(CODFillProperties());
}

std::unique_ptr<CODComponent> CODCirclePort::Clone() const
{
    return std::unique_ptr<CODComponent>(new CODCirclePort(*this));
}

bool CODCirclePort::Create(const CPoint& point, int nRadius)
{
    m_nRadius = nRadius;
    return Create(point);
}

void CODCirclePort::SetRadius(int nRadius)
{
    m_nRadius = nRadius;
    UpdateBounds();
}

int CODCirclePort::AddProperty(const CODProperty& property)
{
    if (const auto hollow = HollowCopy(property))
        return CODPortComponent::AddProperty(*hollow);
    return CODPortComponent::AddProperty(property);
}

bool CODCirclePort::ChangeProperty(const CODProperty& property, unsigned mask)
{
    if (const auto hollow = HollowCopy(property))
        return CODPortComponent::ChangeProperty(*hollow, mask | CODFillProperties::kMaskStyle);
    return CODPortComponent::ChangeProperty(property, mask);
}

void CODCirclePort::BuildBoundsRegion()
{
    m_boundsRegion.Clear();
    if (m_worldPoints.empty())
        return;
    const POINT centre = m_worldPoints.front();
    m_boundsRegion.AddRect(CRect(centre.x - m_nRadius, centre.y - m_nRadius, centre.x + m_nRadius, centre.y + m_nRadius));
}

void CODCirclePort::OnDraw(CDC* pDC)
{
    if (m_worldPoints.empty())
        return;
    const POINT c = m_worldPoints.front();
    pDC->Ellipse(c.x - m_nRadius, c.y - m_nRadius, c.x + m_nRadius, c.y + m_nRadius);
    pDC->MoveTo(c.x - m_nRadius, c.y);
    pDC->LineTo(c.x + m_nRadius, c.y);
    pDC->MoveTo(c.x, c.y - m_nRadius);
    pDC->LineTo(c.x, c.y + m_nRadius);
}

void CODCirclePort::Serialize(CArchive& ar)
{
    constexpr std::uint32_t kSchema = 1;
    ar.SerializeSchema(kSchema);
    if (ar.IsStoring())
        ar.WriteInt(m_nRadius);
    else
        m_nRadius = ar.ReadInt();
    CODPortComponent::Serialize(ar);
}
