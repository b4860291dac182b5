#pragma once

#include "engine/CODSymbolComponent.h"

#include <memory>

class CODCirclePort;
class CODEndpoint;
class CODLineComponent;
class CODLinkShape;

// A symbol with exactly two invisible end ports (0 the source end, 1 the
// target end) whose first line child is the drawn path. It re-routes when it
// is created, when an end is connected or disconnected and when a symbol it
// is connected to moves, while its property 100 is set (and 90 up the
// parents is not cleared).
class CODLinkComponent : public CODSymbolComponent {
public:
    static constexpr int kSourceEnd = 0;
    static constexpr int kTargetEnd = 1;

    CODLinkComponent();

    std::unique_ptr<CODComponent> Clone() const override;
    void Serialize(CArchive& ar) override;
    // A straight line from port to port.
    bool Create(CODPortComponent* pSource, CODPortComponent* pTarget);
    // A right-angle path from port to port.
    bool CreateOrthogonal(CODPortComponent* pSource, CODPortComponent* pTarget);
    // A straight line through the points; either port may be none.
    bool Create(const POINT* points, int nCount, CODPortComponent* pSource, CODPortComponent* pTarget);
    // Joins a link that already has its line (a drawing tool's copy of its
    // prototype, endpoints and properties kept) to the ports as a Create
    // does; a link without a line gets the straight one. False when an end
    // was joined already or an end does not take its port.
    bool Join(CODPortComponent* pSource, CODPortComponent* pTarget);

    CODLineComponent* GetLine() const;
    CODLinkShape* GetShape() const;
    CODCirclePort* GetEndPort(int nEnd) const;
    void SetSourceEndpoint(std::unique_ptr<CODEndpoint> pEndpoint);
    void SetTargetEndpoint(std::unique_ptr<CODEndpoint> pEndpoint);
    // The symbol ports the two ends are connected to, and their owners.
    CODPortComponent* GetSourcePort() const;
    CODPortComponent* GetTargetPort() const;
    CODSymbolComponent* GetSourceSymbol() const;
    CODSymbolComponent* GetTargetSymbol() const;

    // Ends at the connected ports (or the line's ends), then the shape's route.
    void Route();
    bool IsAutoRouting() const;

    // A label with property 260 sits along the line; others as in a symbol.
    void PlaceLabel(CODLabelComponent* pLabel) override;
    // An end takes one connection: property 80 of the end port follows it.
    void OnConnect(CODConnection* pConnection) override;
    void OnDisconnect(CODConnection* pConnection) override;
    void OnConnectionNotify(CODConnection* pConnection, const CODConnection::Notification& notification) override;

protected:
    // The copy's ends start free: connections are not copied.
    CODLinkComponent(const CODLinkComponent& other);

private:
    // The tail of every Create: connect, prepare the ends, route, name.
    bool CreateWith(std::unique_ptr<CODLineComponent> pLine, const POINT* points, int nCount,
                    CODPortComponent* pSource, CODPortComponent* pTarget);
    void JoinEnds(CODPortComponent* pSource, CODPortComponent* pTarget);
    CODPortComponent* ConnectedTo(int nEnd) const;
    void SetEndTaken(CODConnection* pConnection, bool bTaken);
};
