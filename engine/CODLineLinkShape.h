#pragma once

#include "engine/CODLineComponent.h"
#include "engine/CODLinkShape.h"

// A link's straight path: it keeps its points and moves its ends onto the
// ports, or onto the outline of a symbol reached through its centre port.
class CODLineLinkShape : public CODLineComponent, public CODLinkShape {
public:
    CODLineLinkShape() = default;
    // The same line, now routing as a link's straight path.
    explicit CODLineLinkShape(const CODLineComponent& line) : CODLineComponent(line) {}

    std::unique_ptr<CODComponent> Clone() const override;
    void RouteLink(const CODPortComponent* pSource, const CODPortComponent* pTarget) override;

protected:
    CODLineLinkShape(const CODLineLinkShape& other) = default;
};
