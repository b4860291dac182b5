#include "engine/CODDeleteVertexCommand.h"

#include "engine/CODPointComponent.h"

CODDeleteVertexCommand::CODDeleteVertexCommand(CODModel* pModel, CODPointComponent* pComponent, int nIndex)
    : CODCommand(pModel, {pComponent}), m_pComponent(pComponent), m_nIndex(nIndex)
{
}

bool CODDeleteVertexCommand::Execute()
{
    if (!m_pComponent || m_pComponent->GetPointCount() <= kMinPoints || m_nIndex < 0
        || m_nIndex >= m_pComponent->GetPointCount())
        return false;
    m_point = m_pComponent->GetPoint(m_nIndex);
    m_pComponent->RemovePoint(m_nIndex);
    m_pComponent->UpdateBounds();
    return true;
}

bool CODDeleteVertexCommand::Unexecute()
{
    if (!m_pComponent->InsertPoint(m_nIndex, m_point))
        return false;
    m_pComponent->UpdateBounds();
    return true;
}

std::string CODDeleteVertexCommand::GetDescription() const
{
    return Describe("Delete Vertex Command: index = %d", m_nIndex);
}
