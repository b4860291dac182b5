#pragma once

#include "engine/CODCirclePort.h"
#include "engine/CODRectComponent.h"
#include "engine/CODSymbolComponent.h"

#include <vector>

namespace test_diagram {

// A symbol made of one filled rectangle, added to the parent (which owns it).
inline CODSymbolComponent* AddBox(const CRect& rect, CODComponent& parent)
{
    auto* shape = new CODRectComponent();
    shape->Create(rect.left, rect.top, rect.right, rect.bottom);
    auto* symbol = new CODSymbolComponent();
    symbol->Create(std::vector<CODComponent*>{shape});
    parent.AddChild(symbol);
    return symbol;
}

// A small circle port at point, owned by the symbol.
inline CODCirclePort* AddPort(CODSymbolComponent* pSymbol, const CPoint& point)
{
    auto* port = new CODCirclePort();
    port->Create(point, 2);
    pSymbol->AddPort(port);
    return port;
}

}  // namespace test_diagram
