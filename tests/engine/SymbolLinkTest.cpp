#include "engine/CODBoolProperty.h"
#include "engine/CODCirclePort.h"
#include "engine/CODConnection.h"
#include "engine/CODEditProperties.h"
#include "engine/CODEndpoint.h"
#include "engine/CODFillProperties.h"
#include "engine/CODIntProperty.h"
#include "engine/CODLineComponent.h"
#include "engine/CODLinkComponent.h"
#include "engine/CODOrthogonalLinkShape.h"
#include "engine/CODRectComponent.h"
#include "engine/CODSymbolComponent.h"
#include "engine/PropertyIds.h"
#include "tests/engine/TestArrowHead.h"
#include "tests/engine/TestDiagram.h"
#include "tests/support/DibCanvas.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

std::vector<CPoint> WorldPoints(const CODPointComponent& component)
{
    std::vector<CPoint> points;
    for (int i = 0; i < component.GetPointCount(); ++i)
        points.push_back(component.GetWorldPoint(i));
    return points;
}

int BoolOf(const CODComponent& component, int nId)
{
    const auto* property = dynamic_cast<const CODBoolProperty*>(component.GetProperty(nId, false));
    return property ? property->GetBool() : -1;
}

// A root standing in for the model: it owns the boxes and links added to it.
class Diagram : public ::testing::Test {
protected:
    // A box symbol added to the root, or to another parent.
    CODSymbolComponent* Box(const CRect& rect, CODComponent* pParent = nullptr)
    {
        return test_diagram::AddBox(rect, pParent ? *pParent : m_root);
    }
    static CODCirclePort* Port(CODSymbolComponent* pSymbol, const CPoint& point)
    {
        return test_diagram::AddPort(pSymbol, point);
    }
    CODLinkComponent* Link(CODPortComponent* pSource, CODPortComponent* pTarget, bool bOrthogonal)
    {
        auto* link = new CODLinkComponent();
        if (bOrthogonal)
            link->CreateOrthogonal(pSource, pTarget);
        else
            link->Create(pSource, pTarget);
        m_root.AddChild(link);
        return link;
    }
    void Remove(CODComponent* pChild) { ASSERT_TRUE(m_root.RemoveChild(m_root.FindChild(pChild))); }

    CODComponent m_root;
};

TEST_F(Diagram, PortsAreCountedAndIndexedThroughChildSymbols)
{
    auto* outer = new CODSymbolComponent();
    outer->Create();
    m_root.AddChild(outer);
    CODCirclePort* own = Port(outer, CPoint(0, 0));
    CODSymbolComponent* first = Box(CRect(0, 0, 10, 10), outer);
    CODSymbolComponent* second = Box(CRect(20, 0, 30, 10), outer);
    CODCirclePort* a = Port(first, CPoint(1, 1));
    CODCirclePort* b = Port(first, CPoint(2, 2));
    CODCirclePort* c = Port(second, CPoint(21, 1));

    EXPECT_EQ(outer->GetOwnPortCount(), 1);
    EXPECT_EQ(outer->GetPortCount(), 4);
    const std::vector<CODPortComponent*> expected{own, a, b, c};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(outer->GetPort(i), expected[static_cast<std::size_t>(i)]) << i;
    EXPECT_EQ(outer->GetPort(4), nullptr) << "none past the last";
    EXPECT_EQ(outer->GetPort(-1), nullptr);
    EXPECT_FALSE(outer->AddPort(a)) << "a port has one owner";
    EXPECT_FALSE(outer->AddPort(own)) << "already present";

    outer->SetPortsVisible(0);
    EXPECT_EQ(own->IsVisible(), 0);
    EXPECT_EQ(a->IsVisible(), 1) << "own ports only";
}

TEST_F(Diagram, ThePortPositionFollowsTheOwnersTransforms)
{
    auto* outer = new CODSymbolComponent();
    outer->Create();
    m_root.AddChild(outer);
    CODSymbolComponent* inner = Box(CRect(0, 0, 40, 20), outer);
    CODCirclePort* port = Port(inner, CPoint(40, 10));
    EXPECT_EQ(port->GetType(), "Port");
    EXPECT_EQ(port->GetBounds(), CRect(38, 8, 42, 12)) << "the square of the radius";

    outer->Translate(100, 50);
    EXPECT_EQ(port->GetPosition(), CPoint(140, 60));
    EXPECT_EQ(port->GetBounds(), CRect(138, 58, 142, 62));
    EXPECT_TRUE(port->HitTest(CPoint(145, 60), 3)) << "the bounds grown by the tolerance";
    EXPECT_FALSE(port->HitTest(CPoint(146, 60), 3));

    port->SetPosition(CPoint(120, 70));
    EXPECT_EQ(port->GetPoint(0), CPoint(20, 20)) << "mapped back into the owner's coordinates";
    EXPECT_EQ(port->GetPosition(), CPoint(120, 70));

    inner->Scale(2.0f, 2.0f, 0.0f, 0.0f);  // about the origin of the parent's coordinates
    EXPECT_EQ(port->GetPosition(), CPoint(140, 90));
    outer->Translate(10, 0);
    EXPECT_EQ(port->GetBounds(), CRect(148, 88, 152, 92)) << "bounds through both symbols' transforms";

    CODPortComponent loose;
    loose.Create(CPoint(1, 1));
    EXPECT_FALSE(loose.CanConnect(port)) << "a port without owner refuses";
}

TEST_F(Diagram, ACirclePortsFillIsAlwaysHollow)
{
    CODCirclePort port;
    port.Create(CPoint(5, 5), 3);
    CODFillProperties solid;
    solid.SetFillStyle(CODFillProperties::kSolid);
    solid.SetColor(RGB(255, 0, 0));
    port.AddProperty(solid);
    const auto* fill = dynamic_cast<const CODFillProperties*>(port.GetProperty(OD_PROP_FILL, false));
    ASSERT_NE(fill, nullptr);
    EXPECT_EQ(fill->GetFillStyle(), CODFillProperties::kHollow);
    EXPECT_EQ(fill->GetColor(), RGB(255, 0, 0)) << "the other fields are kept";
    port.ApplyProperties({&solid});
    fill = dynamic_cast<const CODFillProperties*>(port.GetProperty(OD_PROP_FILL, false));
    EXPECT_EQ(fill->GetFillStyle(), CODFillProperties::kHollow);
}

TEST_F(Diagram, TheCentrePortTakesLinksOnlyWhileThereAreNoPorts)
{
    CODSymbolComponent* box = Box(CRect(0, 0, 100, 60));
    CODSymbolComponent* other = Box(CRect(200, 0, 300, 60));
    CODCirclePort* centre = box->GetCentrePort();
    EXPECT_EQ(centre->GetPosition(), CPoint(50, 30)) << "kept at the centre of the bounds";
    EXPECT_TRUE(centre->IsCentrePort());
    EXPECT_EQ(box->FindPortAt(CPoint(10, 10), 2), centre) << "inside, with no ports";
    EXPECT_EQ(box->FindPortAt(CPoint(150, 10), 2), nullptr);

    CODLinkComponent* link = Link(centre, other->GetCentrePort(), false);
    EXPECT_EQ(link->GetSourcePort(), centre);

    box->Translate(0, 100);
    EXPECT_EQ(centre->GetPosition(), CPoint(50, 130));

    CODCirclePort* port = Port(box, CPoint(100, 30));
    EXPECT_EQ(BoolOf(*centre, OD_PROP_PORT_CONNECTS), 0);
    auto* second = new CODLinkComponent();
    m_root.AddChild(second);
    second->Create(nullptr, nullptr);
    EXPECT_EQ(box->Connect(centre, second->GetEndPort(CODLinkComponent::kSourceEnd)), nullptr);
    EXPECT_EQ(second->Connect(second->GetEndPort(CODLinkComponent::kSourceEnd), centre), nullptr);
    EXPECT_EQ(box->FindPortAt(CPoint(101, 131), 2), port);
    EXPECT_EQ(box->FindPortAt(CPoint(10, 110), 2), nullptr) << "the centre port no longer answers";

    ASSERT_TRUE(box->RemovePort(0));
    EXPECT_EQ(BoolOf(*centre, OD_PROP_PORT_CONNECTS), 1);
    EXPECT_FALSE(box->RemovePort(0));
}

TEST_F(Diagram, ALinkAtAChildSymbolsCentrePortFollowsTheParent)
{
    auto* outer = new CODSymbolComponent();
    outer->Create();
    m_root.AddChild(outer);
    CODSymbolComponent* inner = Box(CRect(0, 0, 100, 50), outer);
    inner->Translate(100, 0);
    CODSymbolComponent* other = Box(CRect(400, 100, 500, 150));
    CODLinkComponent* link = Link(inner->GetCentrePort(), other->GetCentrePort(), false);
    outer->Translate(0, 100);
    EXPECT_EQ(WorldPoints(*link->GetLine()), (std::vector<CPoint>{{200, 125}, {400, 125}}));

    // The child grows: its centre port moves while the parent's bounds are
    // being computed, and the link still routes in model coordinates.
    auto* frame = dynamic_cast<CODRectComponent*>(inner->GetChild(0));
    ASSERT_NE(frame, nullptr);
    frame->SetPoint(1, CPoint(200, 0));
    frame->SetPoint(2, CPoint(200, 50));
    outer->UpdateBounds();
    EXPECT_EQ(inner->GetCentrePort()->GetPosition(), CPoint(200, 125));
    EXPECT_EQ(WorldPoints(*link->GetLine()), (std::vector<CPoint>{{300, 125}, {400, 125}}));
    EXPECT_EQ(link->GetLine()->GetBounds(), CRect(300, 125, 400, 125));
}

TEST_F(Diagram, FindPortAtTakesTheNearestAcceptingPort)
{
    CODSymbolComponent* box = Box(CRect(0, 0, 100, 60));
    CODCirclePort* left = Port(box, CPoint(10, 30));
    CODCirclePort* right = Port(box, CPoint(16, 30));
    EXPECT_EQ(box->FindPortAt(CPoint(14, 30), 5), right);
    EXPECT_EQ(box->FindPortAt(CPoint(12, 30), 5), left);
    right->AddProperty(CODBoolProperty(OD_PROP_PORT_CONNECTS, 0));
    EXPECT_EQ(box->FindPortAt(CPoint(15, 30), 5), left) << "a refusing port is passed over";

    auto* outer = new CODSymbolComponent();
    outer->Create();
    m_root.AddChild(outer);
    CODSymbolComponent* inner = Box(CRect(0, 0, 50, 50), outer);
    CODCirclePort* deep = Port(inner, CPoint(50, 25));
    EXPECT_EQ(outer->FindPortAt(CPoint(51, 25), 2), deep) << "asked of the child symbols";
}

TEST_F(Diagram, ConnectRefusesTheSamePortAndASecondIdenticalConnection)
{
    CODSymbolComponent* a = Box(CRect(0, 0, 100, 60));
    CODSymbolComponent* b = Box(CRect(200, 0, 300, 60));
    CODCirclePort* p = Port(a, CPoint(100, 30));
    CODCirclePort* q = Port(b, CPoint(200, 30));

    EXPECT_EQ(a->Connect(p, p), nullptr);
    EXPECT_EQ(a->Connect(q, p), nullptr) << "not a port of this symbol";
    CODConnection* connection = a->Connect(p, q);
    ASSERT_NE(connection, nullptr);
    EXPECT_EQ(a->Connect(p, q), nullptr) << "already connected in this order";
    EXPECT_EQ(connection->GetRefCount(), 2) << "one reference from each symbol";
    EXPECT_EQ(a->GetConnection(p, q), connection);
    EXPECT_EQ(b->GetConnection(q, p), connection);
    EXPECT_EQ(a->GetEnd(connection), p);
    EXPECT_EQ(a->GetOtherEnd(connection), q);
    EXPECT_EQ(b->GetEnd(connection), q);

    ASSERT_TRUE(b->Disconnect(q, p));
    EXPECT_TRUE(a->GetOwnConnections().empty());
    EXPECT_TRUE(b->GetOwnConnections().empty());
    EXPECT_FALSE(a->Disconnect(p, q));
}

TEST_F(Diagram, ALinkEndTakesOneConnection)
{
    CODSymbolComponent* a = Box(CRect(0, 0, 100, 60));
    CODSymbolComponent* b = Box(CRect(200, 0, 300, 60));
    CODCirclePort* p = Port(a, CPoint(100, 30));
    CODCirclePort* q = Port(b, CPoint(200, 30));
    CODLinkComponent* link = Link(p, q, false);

    EXPECT_EQ(link->GetType(), "Link");
    EXPECT_EQ(link->GetName(), "Link");
    EXPECT_EQ(BoolOf(*link, OD_PROP_LINK_SWITCH), 1);
    EXPECT_EQ(BoolOf(*link, OD_PROP_LINK_AUTO_ROUTE), 1);
    EXPECT_EQ(link->GetPortCount(), 2);
    for (int end : {CODLinkComponent::kSourceEnd, CODLinkComponent::kTargetEnd}) {
        const CODCirclePort* port = link->GetEndPort(end);
        EXPECT_EQ(port->IsVisible(), 0);
        EXPECT_EQ(port->IsCentrePort(), 0);
        EXPECT_EQ(port->GetRadius(), 1);
        EXPECT_EQ(BoolOf(*port, OD_PROP_PORT_CONNECTS), 0) << "taken";
        const auto* edit = dynamic_cast<const CODEditProperties*>(port->GetProperty(OD_PROP_EDIT, false));
        EXPECT_EQ(edit->IsSelectable(), 0);
    }
    EXPECT_EQ(link->GetSourcePort(), p);
    EXPECT_EQ(link->GetTargetPort(), q);
    EXPECT_EQ(link->GetSourceSymbol(), a);
    EXPECT_EQ(link->GetTargetSymbol(), b);
    EXPECT_EQ(WorldPoints(*link->GetLine()), (std::vector<CPoint>{{100, 30}, {200, 30}}));
    EXPECT_EQ(link->GetEndPort(0)->GetPosition(), CPoint(100, 30));

    CODCirclePort* r = Port(b, CPoint(250, 60));
    EXPECT_EQ(b->Connect(r, link->GetEndPort(CODLinkComponent::kTargetEnd)), nullptr) << "the end is taken";
    ASSERT_TRUE(link->Disconnect(link->GetEndPort(CODLinkComponent::kTargetEnd), q));
    EXPECT_EQ(BoolOf(*link->GetEndPort(1), OD_PROP_PORT_CONNECTS), 1);
    EXPECT_EQ(link->GetTargetPort(), nullptr);
    EXPECT_NE(b->Connect(r, link->GetEndPort(CODLinkComponent::kTargetEnd)), nullptr);
    EXPECT_EQ(WorldPoints(*link->GetLine()).back(), CPoint(250, 60)) << "re-routed on connecting";

    // A copy has the line and free ends, and no connections.
    const std::unique_ptr<CODComponent> copy = link->Clone();
    auto* clone = dynamic_cast<CODLinkComponent*>(copy.get());
    ASSERT_NE(clone, nullptr);
    ASSERT_NE(clone->GetShape(), nullptr);
    EXPECT_NE(clone->GetLine(), link->GetLine());
    EXPECT_EQ(WorldPoints(*clone->GetLine()), WorldPoints(*link->GetLine()));
    EXPECT_EQ(clone->GetSourcePort(), nullptr);
    EXPECT_EQ(clone->GetEndPort(0)->GetOwner(), clone);
    EXPECT_EQ(BoolOf(*clone->GetEndPort(0), OD_PROP_PORT_CONNECTS), 1);
    EXPECT_EQ(link->GetSourcePort(), p) << "the original keeps its connection";

    link->SetTargetEndpoint(std::make_unique<quorrel_test::TestArrowHead>());
    ASSERT_NE(link->GetLine()->GetTargetEndpoint(), nullptr);
    EXPECT_EQ(link->GetLine()->GetTargetEndpoint()->GetTo(), CPoint(250, 60));
    // The arrowhead widens the line, and the link's bounds with it.
    const CRect line = link->GetLine()->GetBounds();
    const CRect bounds = link->GetBounds();
    EXPECT_TRUE(bounds.left <= line.left && bounds.top <= line.top && bounds.right >= line.right
                && bounds.bottom >= line.bottom);
}

TEST_F(Diagram, AStraightLinkBetweenCentrePortsEndsOnTheOutlines)
{
    const struct {
        const char* name;
        CRect a, b;
        std::vector<CPoint> expected;
    } cases[] = {
        {"side by side", {0, 0, 100, 100}, {300, 0, 400, 100}, {{100, 50}, {300, 50}}},
        {"diagonal", {0, 0, 100, 100}, {200, 200, 300, 300}, {{100, 100}, {200, 200}}},
        {"below", {0, 0, 100, 40}, {0, 100, 100, 140}, {{50, 40}, {50, 100}}},
    };
    for (const auto& c : cases) {
        CODSymbolComponent* a = Box(c.a);
        CODSymbolComponent* b = Box(c.b);
        CODLinkComponent* link = Link(a->GetCentrePort(), b->GetCentrePort(), false);
        EXPECT_EQ(WorldPoints(*link->GetLine()), c.expected) << c.name;
    }
}

TEST_F(Diagram, OrthogonalLinksRouteWithRightAngles)
{
    const struct {
        const char* name;
        CRect a;
        CPoint p;
        CRect b;
        CPoint q;
        std::vector<CPoint> expected;
    } cases[] = {
        {"leaving down, entered from above", {50, 50, 150, 100}, {100, 100}, {250, 300, 350, 350}, {300, 300},
         {{100, 100}, {100, 200}, {300, 200}, {300, 300}}},
        {"leaving right, entered from above", {0, 50, 100, 150}, {100, 100}, {250, 300, 350, 350}, {300, 300},
         {{100, 100}, {300, 100}, {300, 300}}},
        {"facing on one row", {0, 50, 100, 150}, {100, 100}, {300, 50, 400, 150}, {300, 100},
         {{100, 100}, {300, 100}}},
    };
    for (const auto& c : cases) {
        CODSymbolComponent* a = Box(c.a);
        CODSymbolComponent* b = Box(c.b);
        CODLinkComponent* link = Link(Port(a, c.p), Port(b, c.q), true);
        EXPECT_EQ(WorldPoints(*link->GetLine()), c.expected) << c.name;
        EXPECT_EQ(BoolOf(*link->GetLine(), OD_PROP_ORTHOGONAL), 1);
    }
}

TEST_F(Diagram, ACopyOfAnUnjoinedLinkJoinsPortsKeepingItsShapeAndEnds)
{
    const struct {
        const char* name;
        bool orthogonal;
        std::vector<CPoint> expected;
    } cases[] = {
        {"straight", false, {{100, 100}, {300, 300}}},
        {"orthogonal", true, {{100, 100}, {100, 200}, {300, 200}, {300, 300}}},
    };
    for (const auto& c : cases) {
        CODCirclePort* p = Port(Box({50, 50, 150, 100}), {100, 100});
        CODCirclePort* q = Port(Box({250, 300, 350, 350}), {300, 300});
        CODLinkComponent prototype;
        ASSERT_TRUE(c.orthogonal ? prototype.CreateOrthogonal(nullptr, nullptr) : prototype.Create(nullptr, nullptr));
        prototype.SetSourceEndpoint(std::make_unique<CODEndpoint>());
        std::unique_ptr<CODComponent> copy = prototype.Clone();
        auto* link = dynamic_cast<CODLinkComponent*>(copy.get());
        ASSERT_TRUE(link->Join(p, q)) << c.name;
        EXPECT_EQ(link->GetSourcePort(), p) << c.name;
        EXPECT_EQ(link->GetTargetPort(), q) << c.name;
        EXPECT_EQ(WorldPoints(*link->GetLine()), c.expected) << c.name;
        EXPECT_NE(link->GetLine()->GetSourceEndpoint(), nullptr) << c.name;
        // Joined once only.
        EXPECT_FALSE(link->Join(q, p)) << c.name;
        m_root.AddChild(copy.release());
    }
    // A link without its line gets a straight one.
    CODLinkComponent bare;
    CODCirclePort* p = Port(Box({0, 0, 10, 10}), {10, 5});
    CODCirclePort* q = Port(Box({50, 0, 60, 10}), {50, 5});
    ASSERT_TRUE(bare.Join(p, q));
    EXPECT_EQ(WorldPoints(*bare.GetLine()), (std::vector<CPoint>{{10, 5}, {50, 5}}));
}

TEST_F(Diagram, OrthogonalLinksBetweenCentrePortsLeaveFromTheOutline)
{
    const struct {
        const char* name;
        CRect a, b;
        std::vector<CPoint> expected;
    } cases[] = {
        {"side by side on one row", {0, 0, 100, 50}, {200, 0, 300, 50}, {{100, 25}, {200, 25}}},
        {"below and to the right: the horizontal part halfway", {0, 0, 100, 50}, {200, 200, 300, 250},
         {{50, 50}, {50, 125}, {250, 125}, {250, 200}}},
    };
    for (const auto& c : cases) {
        CODSymbolComponent* a = Box(c.a);
        CODSymbolComponent* b = Box(c.b);
        CODLinkComponent* link = Link(a->GetCentrePort(), b->GetCentrePort(), true);
        EXPECT_EQ(WorldPoints(*link->GetLine()), c.expected) << c.name;
    }
}

TEST(OrthogonalLinkShape, TheNearestSideOfTheBoundsGivesTheDirection)
{
    const CRect bounds(0, 0, 100, 50);
    const struct {
        CPoint port;
        CPoint direction;
    } cases[] = {
        {{50, 0}, {0, -1}},   {{50, 50}, {0, 1}},  {{0, 25}, {-1, 0}}, {{100, 25}, {1, 0}},
        {{90, 0}, {0, -1}},   {{100, 20}, {1, 0}}, {{10, 50}, {0, 1}}, {{0, 40}, {-1, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CODOrthogonalLinkShape::NearestSide(bounds, c.port), c.direction) << c.port.x << "," << c.port.y;
}

// Three boxes in a row of two and one below, joined by orthogonal links
// from side ports; moving one box re-routes only its own links.
TEST_F(Diagram, MovingASymbolReRoutesTheLinksAttachedToIt)
{
    CODSymbolComponent* a = Box(CRect(20, 20, 120, 70));
    CODSymbolComponent* b = Box(CRect(220, 20, 320, 70));
    CODSymbolComponent* c = Box(CRect(220, 170, 320, 220));
    CODLinkComponent* ab = Link(Port(a, CPoint(120, 45)), Port(b, CPoint(220, 45)), true);
    CODLinkComponent* ac = Link(Port(a, CPoint(70, 70)), Port(c, CPoint(220, 195)), true);
    CODLinkComponent* bc = Link(Port(b, CPoint(270, 70)), Port(c, CPoint(270, 170)), true);

    quorrel_test::DibCanvas before(360, 320, kWhite);
    m_root.Draw(&before.DC());
    before.SaveIfAsked("links_before_move");
    EXPECT_EQ(WorldPoints(*ab->GetLine()), (std::vector<CPoint>{{120, 45}, {220, 45}}));
    EXPECT_EQ(WorldPoints(*ac->GetLine()), (std::vector<CPoint>{{70, 70}, {70, 195}, {220, 195}}));
    const std::vector<CPoint> untouched = WorldPoints(*bc->GetLine());

    a->Translate(0, 200);
    quorrel_test::DibCanvas after(360, 320, kWhite);
    m_root.Draw(&after.DC());
    after.SaveIfAsked("links_after_move");
    // a is now (20, 220)-(120, 270), below and left of b.
    EXPECT_EQ(WorldPoints(*ab->GetLine()), (std::vector<CPoint>{{120, 245}, {170, 245}, {170, 45}, {220, 45}}));
    EXPECT_EQ(WorldPoints(*ac->GetLine()).front(), CPoint(70, 270));
    EXPECT_EQ(WorldPoints(*ac->GetLine()).back(), CPoint(220, 195));
    EXPECT_EQ(WorldPoints(*bc->GetLine()), untouched);
    EXPECT_EQ(after.Pixel(170, 150), kBlack) << "the new vertical run of a-b is drawn";
    EXPECT_EQ(after.Pixel(145, 45), kWhite) << "the old straight run is gone";

    // With no margins a-c climbs straight through a; margins 330 and 333
    // take the path out around the box's left side.
    EXPECT_EQ(WorldPoints(*ac->GetLine()), (std::vector<CPoint>{{70, 270}, {70, 195}, {220, 195}}));
    ac->GetLine()->AddProperty(CODIntProperty(OD_PROP_MARGIN_LEFT, 60));
    ac->GetLine()->AddProperty(CODIntProperty(OD_PROP_MARGIN_BOTTOM, 20));
    ac->Route();
    EXPECT_EQ(WorldPoints(*ac->GetLine()),
              (std::vector<CPoint>{{70, 270}, {70, 290}, {10, 290}, {10, 195}, {220, 195}}));

    ab->AddProperty(CODBoolProperty(OD_PROP_LINK_AUTO_ROUTE, 0));
    const std::vector<CPoint> held = WorldPoints(*ab->GetLine());
    a->Translate(0, -100);
    EXPECT_EQ(WorldPoints(*ab->GetLine()), held) << "property 100 off: no re-routing";
    EXPECT_NE(WorldPoints(*ac->GetLine()).front(), CPoint(70, 270));
}

TEST(Connection, TheQueueKeepsPriorityOrderAndDropsTheOldest)
{
    CODCirclePort p;
    CODCirclePort q;
    auto* connection = new CODConnection(&p, &q);
    connection->AddRef();
    connection->SetCapacity(4);
    for (int priority : {5, 1, 5, 3})
        connection->Post(CODConnection::PortMoved, priority, &p);
    std::vector<int> order;
    std::vector<std::uint64_t> sequence;
    for (const auto& item : connection->GetPending()) {
        order.push_back(item.nPriority);
        sequence.push_back(item.nSequence);
    }
    EXPECT_EQ(order, (std::vector<int>{1, 3, 5, 5}));
    EXPECT_EQ(sequence, (std::vector<std::uint64_t>{1, 3, 0, 2})) << "equal priorities keep their order";

    connection->Post(CODConnection::PortMoved, 2, &p);
    order.clear();
    for (const auto& item : connection->GetPending())
        order.push_back(item.nPriority);
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 5})) << "the oldest (the first 5) made room";

    connection->Deliver();
    EXPECT_TRUE(connection->GetPending().empty()) << "ports without owners: nobody to tell";
    connection->Release();
}

}  // namespace
