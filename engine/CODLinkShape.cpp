#include "engine/CODLinkShape.h"

#include "engine/CODPortComponent.h"

CPoint CODLinkShape::EndPoint(const CODPortComponent* pPort, const CPoint& linePoint)
{
    return pPort ? pPort->GetPosition() : linePoint;
}
