#include "engine/CODPolygonComponent.h"

#include "engine/CArchive.h"
#include "engine/CODFillProperties.h"
#include "engine/CODLineProperties.h"

std::unique_ptr<CODComponent> CODPolygonComponent::Clone() const
{
    return std::unique_ptr<CODComponent>(new CODPolygonComponent(*this));
}

bool CODPolygonComponent::Create(const POINT* points, int nCount)
{
    if (nCount <= 0 || !SetPoints(points, nCount))
        return false;
    AddProperty(CODLineProperties());
    AddProperty(CODFillProperties());
    FinishCreate();
    return true;
}

const char* CODPolygonComponent::GetTypeText() const
{
    return "Polygon";
}

void CODPolygonComponent::Serialize(CArchive& ar)
{
    constexpr std::uint32_t kSchema = 1;
    ar.SerializeSchema(kSchema);
    CODPointComponent::Serialize(ar);
}
