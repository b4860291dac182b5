#include "engine/CODBoolProperty.h"
#include "engine/CODCirclePort.h"
#include "engine/CODConnection.h"
#include "engine/CODLineComponent.h"
#include "engine/CODLinkComponent.h"
#include "engine/CODRectComponent.h"
#include "engine/CODSymbolComponent.h"
#include "engine/PropertyIds.h"
#include "tests/engine/TestDiagram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// Boxes a and b with ports, c with its port on a child symbol and d with
// none, joined by links: a-b through ports, b-c into c's inner symbol, a-d
// onto d's centre port. Every test tears a part down and checks that what is left
// holds no connection to it (the sanitizer build catches any dangling one).
class TearDown : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pRoot = std::make_unique<CODComponent>();
        a = Box(CRect(0, 0, 100, 50), m_pRoot.get());
        b = Box(CRect(200, 0, 300, 50), m_pRoot.get());
        c = new CODSymbolComponent();
        c->Create();
        m_pRoot->AddChild(c);
        inner = Box(CRect(200, 200, 300, 250), c);
        pa = Port(a, CPoint(100, 25));
        pb = Port(b, CPoint(200, 25));
        pb2 = Port(b, CPoint(250, 50));
        pc = Port(inner, CPoint(250, 200));
        ab = Link(pa, pb);
        bc = Link(pb2, pc);
        d = Box(CRect(0, 200, 100, 250), m_pRoot.get());
        ad = Link(pa, d->GetCentrePort());
    }

    static CODSymbolComponent* Box(const CRect& rect, CODComponent* pParent)
    {
        return test_diagram::AddBox(rect, *pParent);
    }
    static CODCirclePort* Port(CODSymbolComponent* pSymbol, const CPoint& point)
    {
        return test_diagram::AddPort(pSymbol, point);
    }
    CODLinkComponent* Link(CODPortComponent* pSource, CODPortComponent* pTarget)
    {
        auto* link = new CODLinkComponent();
        link->CreateOrthogonal(pSource, pTarget);
        m_pRoot->AddChild(link);
        return link;
    }
    void Remove(CODComponent* pChild) { ASSERT_TRUE(m_pRoot->RemoveChild(m_pRoot->FindChild(pChild))); }

    static bool Mentions(const CODSymbolComponent* pSymbol, const CODComponent* pGone)
    {
        for (const CODConnection* connection : pSymbol->GetConnections())
            for (const CODPortComponent* port : {connection->GetPort1(), connection->GetPort2()})
                if (port->GetOwner() == pGone || !port->GetOwner())
                    return true;
        return false;
    }

    std::unique_ptr<CODComponent> m_pRoot;
    CODSymbolComponent* a = nullptr;
    CODSymbolComponent* b = nullptr;
    CODSymbolComponent* c = nullptr;
    CODSymbolComponent* inner = nullptr;
    CODSymbolComponent* d = nullptr;
    CODCirclePort* pa = nullptr;
    CODCirclePort* pb = nullptr;
    CODCirclePort* pb2 = nullptr;
    CODCirclePort* pc = nullptr;
    CODLinkComponent* ab = nullptr;
    CODLinkComponent* bc = nullptr;
    CODLinkComponent* ad = nullptr;
};

TEST_F(TearDown, TheDiagramIsConnectedAsBuilt)
{
    EXPECT_EQ(a->GetConnections().size(), 2u);
    EXPECT_EQ(b->GetConnections().size(), 2u);
    EXPECT_EQ(c->GetConnections().size(), 1u) << "through the child symbol";
    EXPECT_TRUE(c->GetOwnConnections().empty());
    EXPECT_EQ(d->GetConnections().size(), 1u);
    EXPECT_EQ(bc->GetTargetSymbol(), inner);
    EXPECT_EQ(ad->GetTargetSymbol(), d);
    EXPECT_EQ(ad->GetTargetPort(), d->GetCentrePort());
}

TEST_F(TearDown, DestroyingASymbolLeavesItsLinksLooseWhereTheyWere)
{
    Remove(d);
    EXPECT_EQ(ad->GetTargetPort(), nullptr);
    EXPECT_FALSE(Mentions(a, d));
    const CPoint end = ab->GetLine()->GetWorldPoint(ab->GetLine()->GetPointCount() - 1);
    Remove(b);
    EXPECT_EQ(ab->GetTargetPort(), nullptr);
    EXPECT_EQ(bc->GetSourcePort(), nullptr);
    EXPECT_EQ(ab->GetSourcePort(), pa) << "the other end stays";
    EXPECT_EQ(ab->GetLine()->GetWorldPoint(ab->GetLine()->GetPointCount() - 1), end);
    const auto* accepts =
        dynamic_cast<const CODBoolProperty*>(ab->GetEndPort(1)->GetProperty(OD_PROP_PORT_CONNECTS, false));
    EXPECT_EQ(accepts->GetBool(), 1) << "the end is free again";
    EXPECT_FALSE(Mentions(ab, b));
    EXPECT_FALSE(Mentions(bc, b));
    EXPECT_FALSE(Mentions(a, b));

    a->Translate(10, 10);
    EXPECT_EQ(ab->GetLine()->GetWorldPoint(0), CPoint(110, 35)) << "still follows the box that is left";
}

TEST_F(TearDown, DestroyingALinkTakesItsConnectionsOffBothSymbols)
{
    Remove(ab);
    EXPECT_EQ(a->GetConnections().size(), 1u);
    EXPECT_EQ(b->GetConnections().size(), 1u);
    EXPECT_FALSE(Mentions(a, ab));
    EXPECT_FALSE(Mentions(b, ab));
    Remove(bc);
    EXPECT_TRUE(inner->GetOwnConnections().empty());
    a->Translate(5, 0);
    b->Translate(5, 0);
}

TEST_F(TearDown, DestroyingAParentSymbolReleasesTheConnectionsOfItsChildSymbols)
{
    Remove(c);
    EXPECT_EQ(bc->GetTargetPort(), nullptr);
    EXPECT_EQ(b->GetConnections().size(), 2u) << "a-b and the loose b-c";
    EXPECT_FALSE(Mentions(b, c));
    EXPECT_FALSE(Mentions(a, c));
    b->Translate(0, 5);
}

TEST_F(TearDown, RemovingAConnectedPortDisconnectsItFirst)
{
    ASSERT_TRUE(b->RemovePort(0));
    EXPECT_EQ(ab->GetTargetPort(), nullptr);
    EXPECT_EQ(b->GetConnections().size(), 1u);
    ab->Route();
}

TEST_F(TearDown, DestroyingTheWholeDiagramInAnyOrder)
{
    // Links first, boxes first, or as built: each order must end clean.
    const std::vector<std::vector<int>> orders = {
        {0, 1, 2, 3, 4, 5, 6}, {6, 5, 4, 3, 2, 1, 0}, {4, 0, 5, 1, 6, 2, 3}, {3, 6, 2, 5, 1, 4, 0}};
    for (const auto& order : orders) {
        SetUp();
        const std::vector<CODComponent*> parts = {a, b, c, d, ab, bc, ad};
        for (int index : order)
            Remove(parts[static_cast<std::size_t>(index)]);
        EXPECT_EQ(m_pRoot->GetChildCount(), 0);
    }
    SetUp();
    m_pRoot.reset();
}

TEST_F(TearDown, ALinkHeldOutsideTheDiagramOutlivesIt)
{
    ab->AddRef();
    m_pRoot.reset();
    EXPECT_EQ(ab->GetSourcePort(), nullptr);
    EXPECT_EQ(ab->GetTargetPort(), nullptr);
    EXPECT_TRUE(ab->GetOwnConnections().empty());
    ab->Route();
    ab->Release();
}

}  // namespace
