#include "chartparts/CQuorrelModel.h"

#include "chartparts/ChartPartClasses.h"
#include "engine/CODEditProperties.h"
#include "engine/PropertyIds.h"

CQuorrelModel::CQuorrelModel()
{
    RegisterChartPartClasses();
}

namespace {

// The ChangeProperty masks of the three switches.
constexpr unsigned kReadOnlyMask = 0x01;
constexpr unsigned kSelectableMask = 0x02;
constexpr unsigned kCanChangePropertiesMask = 0x40;

}  // namespace

void CQuorrelModel::Serialize(CArchive& ar)
{
    CODModel::Serialize(ar);
}

bool CQuorrelModel::Switch(int nFlag, bool bAbsent) const
{
    const auto* edit = dynamic_cast<const CODEditProperties*>(GetProperty(OD_PROP_EDIT, false));
    return edit ? edit->GetFlag(static_cast<CODEditProperties::Flag>(nFlag)) != 0 : bAbsent;
}

void CQuorrelModel::SetSwitch(int nFlag, unsigned nMask, bool bValue)
{
    CODEditProperties edit;
    edit.SetFlag(static_cast<CODEditProperties::Flag>(nFlag), bValue ? 1 : 0);
    ChangeProperty(edit, nMask);
}

bool CQuorrelModel::IsReadOnly() const
{
    return Switch(CODEditProperties::ReadOnly, false);
}

void CQuorrelModel::SetReadOnly(bool bReadOnly)
{
    SetSwitch(CODEditProperties::ReadOnly, kReadOnlyMask, bReadOnly);
}

bool CQuorrelModel::IsSelectable() const
{
    return Switch(CODEditProperties::Selectable, true);
}

void CQuorrelModel::SetSelectable(bool bSelectable)
{
    SetSwitch(CODEditProperties::Selectable, kSelectableMask, bSelectable);
}

bool CQuorrelModel::CanChangeProperties() const
{
    return Switch(CODEditProperties::CanChangeProperties, true);
}

void CQuorrelModel::SetCanChangeProperties(bool bCanChange)
{
    SetSwitch(CODEditProperties::CanChangeProperties, kCanChangePropertiesMask, bCanChange);
}
