#include "engine/CODNameCommand.h"

#include "engine/CODComponent.h"

CODNameCommand::CODNameCommand(CODModel* pModel, CODComponent* pComponent, const std::string& strName)
    : CODCommand(pModel, {pComponent}), m_pComponent(pComponent), m_strName(strName)
{
}

bool CODNameCommand::Execute()
{
    if (!m_pComponent)
        return false;
    m_strOldName = m_pComponent->GetName();
    m_pComponent->SetName(m_strName);
    return true;
}

bool CODNameCommand::Unexecute()
{
    m_pComponent->SetName(m_strOldName);
    return true;
}

std::string CODNameCommand::GetDescription() const
{
    return Describe("Name Command: name = %s", m_strName.c_str());
}
