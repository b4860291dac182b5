#include "engine/CODMovePortCommand.h"

#include "engine/CODPortComponent.h"

CODMovePortCommand::CODMovePortCommand(CODModel* pModel, CODPortComponent* pPort, int dx, int dy)
    : CODCommand(pModel, {pPort}), m_pPort(pPort), m_nOffsetX(dx), m_nOffsetY(dy)
{
}

bool CODMovePortCommand::MoveBy(int dx, int dy) const
{
    if (!m_pPort)
        return false;
    const CPoint position = m_pPort->GetPosition();
    m_pPort->SetPosition(CPoint(position.x + dx, position.y + dy));
    return true;
}

bool CODMovePortCommand::Execute()
{
    return MoveBy(m_nOffsetX, m_nOffsetY);
}

bool CODMovePortCommand::Unexecute()
{
    return MoveBy(-m_nOffsetX, -m_nOffsetY);
}

std::string CODMovePortCommand::GetDescription() const
{
    return Describe("Move Port Command: x = %d  y = %d", m_nOffsetX, m_nOffsetY);
}
