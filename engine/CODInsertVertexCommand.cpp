#include "engine/CODInsertVertexCommand.h"

#include "engine/CODPointComponent.h"

CODInsertVertexCommand::CODInsertVertexCommand(CODModel* pModel, CODPointComponent* pComponent, int nIndex,
                                               const CPoint& point)
    : CODCommand(pModel, {pComponent}), m_pComponent(pComponent), m_nIndex(nIndex), m_point(point)
{
}

bool CODInsertVertexCommand::Execute()
{
    if (!m_pComponent || !m_pComponent->InsertPoint(m_nIndex, m_point))
        return false;
    m_pComponent->UpdateBounds();
    return true;
}

bool CODInsertVertexCommand::Unexecute()
{
    if (!m_pComponent->RemovePoint(m_nIndex))
        return false;
    m_pComponent->UpdateBounds();
    return true;
}

std::string CODInsertVertexCommand::GetDescription() const
{
    return Describe("Insert Vertex Command: index = %d point = (%d,%d)", m_nIndex, m_point.x, m_point.y);
}
