#pragma once

#include "chartparts/CSymbol.h"
#include "platform/CPoint.h"
#include "platform/WinTypes.h"

#include <memory>
#include <vector>

class CODComponent;
class CODLineProperties;
class CODPortComponent;
class DefaultPropertySource;

// The small symbols that join and decorate a chart's boxes, and the links
// through them. The diagram is the component that receives the new parts
// (the chart model).

// Where a connection point sits relative to the ports it joins.
enum class ConnectDirection { Right = 0, Left = 1, Below = 2, Above = 3 };

// The "Port" symbol: an invisible junction with one visible port at (0, 0).
std::unique_ptr<CSymbol> MakePortSymbol();

// A "Connection Point" symbol between the ports (at least two), moved off
// their line by the offset in the direction, and an orthogonal link from it
// to each port, all added to the diagram. A nonzero fixed x or y pins the
// point's coordinate across the direction. Returns the point, or none.
CSymbol* ConnectThroughPoint(CODComponent& diagram, const std::vector<CODPortComponent*>& ports,
                             ConnectDirection direction, int nOffset, const CODLineProperties& line, int nFixedX,
                             int nFixedY);

// An orthogonal link from the from-port to each listed port, in list order,
// drawn with the line properties and added to the diagram.
void LinkPortsTo(CODComponent& diagram, const std::vector<CODPortComponent*>& ports, const CODLineProperties& line,
                 CODPortComponent* pFrom);

// An "Arrow" symbol pointing along +x with its tip at the origin, not yet in a diagram.
std::unique_ptr<CSymbol> MakeArrowSymbol(int nAcross, int nAlong, COLORREF crLine, int nLineWidth, COLORREF crFill);

// A "Connection Line" symbol from the press point to the release point, with
// ports at both ends and the middle (visible) and every 2 % between (not).
std::unique_ptr<CSymbol> MakeConnectionLine(const CPoint& press, const CPoint& release,
                                            const DefaultPropertySource* pDefaults);
