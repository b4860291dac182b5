#include "engine/CODAddLabelCommand.h"

#include "engine/CODLabelComponent.h"
#include "engine/CODSymbolComponent.h"

CODAddLabelCommand::CODAddLabelCommand(CODModel* pModel, CODSymbolComponent* pSymbol, CODLabelComponent* pLabel)
    : CODCommand(pModel, {pSymbol, pLabel}), m_pSymbol(pSymbol), m_pLabel(pLabel)
{
}

bool CODAddLabelCommand::Execute()
{
    return m_pSymbol && m_pLabel && m_pSymbol->AddLabel(m_pLabel);
}

bool CODAddLabelCommand::Unexecute()
{
    return m_pSymbol->RemoveLabel(m_pLabel);
}

std::string CODAddLabelCommand::GetDescription() const
{
    return Describe("Add Label Command: text = %s", m_pLabel ? m_pLabel->GetText().c_str() : "");
}
