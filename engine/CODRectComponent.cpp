#include "engine/CODRectComponent.h"

#include "engine/CArchive.h"
#include "engine/CODFillProperties.h"
#include "engine/CODLineProperties.h"

std::unique_ptr<CODComponent> CODRectComponent::Clone() const
{
    return std::unique_ptr<CODComponent>(new CODRectComponent(*this));
}

bool CODRectComponent::Create(int left, int top, int right, int bottom)
{
    AddProperty(CODLineProperties());
    AddProperty(CODFillProperties());
    return Create(CRect(left, top, right, bottom));
}

bool CODRectComponent::Create(const CRect& rect)
{
    SetBoxPoints(rect);
    FinishCreate();
    return true;
}

const char* CODRectComponent::GetTypeText() const
{
    return "Rectangle";
}

void CODRectComponent::Serialize(CArchive& ar)
{
    constexpr std::uint32_t kSchema = 1;
    ar.SerializeSchema(kSchema);
    CODPointComponent::Serialize(ar);
}
