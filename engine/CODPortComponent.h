#pragma once

#include "engine/CODPointComponent.h"

#include <cstdint>

class CODSymbolComponent;

// A connection point of a symbol: one point in the owner's coordinates. The
// owner does not own the port through the child list; it holds a reference.
class CODPortComponent : public CODPointComponent {
public:
    CODPortComponent();

    std::unique_ptr<CODComponent> Clone() const override;
    void Serialize(CArchive& ar) override;
    // The single point, with rotation and scaling switched off.
    bool Create(const CPoint& point);

    CODSymbolComponent* GetOwner() const { return m_pOwner; }
    void SetOwner(CODSymbolComponent* pOwner) { m_pOwner = pOwner; }
    int IsCentrePort() const { return m_bCentrePort; }
    void SetCentrePort(int bCentrePort) { m_bCentrePort = bCentrePort; }

    // The point in model coordinates, through the owner's transforms and the own.
    CPoint GetPosition() const;
    // Maps the model point back through the same transforms.
    void SetPosition(const CPoint& point);
    // Asks the owner; a port without owner refuses.
    bool CanConnect(const CODPortComponent* pOther) const;
    // Property 80 absent or true.
    bool AcceptsConnections() const;
    using CODComponent::HitTest;
    // The bounds grown by the tolerance hold the point (edges included).
    bool HitTest(const CPoint& point, int nTolerance) const;

    // Worked on by itself, a port still sits in its owner's coordinates.
    CODTransform GetAccumulatedTransform() const override;

protected:
    CODPortComponent(const CODPortComponent& other);
    const char* GetTypeText() const override;

private:
    CODSymbolComponent* m_pOwner = nullptr;
    std::int32_t m_bCentrePort = 0;
};
