#include "engine/CODLabelComponent.h"

#include "engine/CArchive.h"
#include "engine/CODBoolProperty.h"
#include "engine/CODSymbolComponent.h"
#include "engine/PropertyIds.h"

CODLabelComponent::CODLabelComponent()
{
    AddProperty(CODBoolProperty(OD_PROP_LABEL_SWITCH, 0));
}

CODLabelComponent::CODLabelComponent(const CODLabelComponent& other) : CODTextComponent(other) {}

std::unique_ptr<CODComponent> CODLabelComponent::Clone() const
{
    return std::unique_ptr<CODComponent>(new CODLabelComponent(*this));
}

int CODLabelComponent::AddProperty(const CODProperty& property)
{
    const int result = CODTextComponent::AddProperty(property);
    Reposition(property.GetId());
    return result;
}

bool CODLabelComponent::ChangeProperty(const CODProperty& property, unsigned mask)
{
    if (!CODTextComponent::ChangeProperty(property, mask))
        return false;
    Reposition(property.GetId());
    return true;
}

void CODLabelComponent::Reposition(int nChangedId)
{
    if (!m_pOwner || (nChangedId != OD_PROP_ORIENTATION && nChangedId != OD_PROP_LINE_ORIENTATION))
        return;
    const auto* follow = dynamic_cast<const CODBoolProperty*>(GetProperty(OD_PROP_LABEL_SWITCH, false));
    if (follow && follow->GetBool())
        m_pOwner->PlaceLabel(this);
}

const char* CODLabelComponent::GetTypeText() const
{
    return "Label";
}

void CODLabelComponent::Serialize(CArchive& ar)
{
    constexpr std::uint32_t kSchema = 2;
    // Before schema 2 the follow switch was a field of its own.
    constexpr std::uint32_t kLastFieldSchema = 1;
    const std::uint32_t schema = ar.SerializeSchema(kSchema);
    const bool oldSwitch = !ar.IsStoring() && schema <= kLastFieldSchema;
    const std::int32_t follow = oldSwitch ? ar.ReadInt() : 0;
    CODTextComponent::Serialize(ar);
    if (oldSwitch)
        CODComponent::AddProperty(CODBoolProperty(OD_PROP_LABEL_SWITCH, follow));
}
