#include "engine/CODMoveVertexCommand.h"

#include "engine/CODPointComponent.h"

CODMoveVertexCommand::CODMoveVertexCommand(CODModel* pModel, CODPointComponent* pComponent, int nIndex, int dx,
                                           int dy)
    : CODCommand(pModel, {pComponent}), m_pComponent(pComponent), m_nIndex(nIndex), m_nOffsetX(dx), m_nOffsetY(dy)
{
}

bool CODMoveVertexCommand::MoveBy(int dx, int dy) const
{
    if (!m_pComponent || m_nIndex < 0 || m_nIndex >= m_pComponent->GetPointCount())
        return false;
    const CPoint point = m_pComponent->GetPoint(m_nIndex);
    m_pComponent->SetPoint(m_nIndex, CPoint(point.x + dx, point.y + dy));
    m_pComponent->UpdateBounds();
    return true;
}

bool CODMoveVertexCommand::Execute()
{
    return MoveBy(m_nOffsetX, m_nOffsetY);
}

bool CODMoveVertexCommand::Unexecute()
{
    return MoveBy(-m_nOffsetX, -m_nOffsetY);
}

std::string CODMoveVertexCommand::GetDescription() const
{
    return Describe("Move Vertex Command: index = %d  x = %d  y = %d", m_nIndex, m_nOffsetX, m_nOffsetY);
}
