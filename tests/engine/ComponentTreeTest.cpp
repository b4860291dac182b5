#include "engine/CODComponent.h"
#include "engine/CODEditProperties.h"
#include "engine/CODFillProperties.h"
#include "engine/CODIdTable.h"
#include "engine/CODLineProperties.h"
#include "engine/PropertyIds.h"
#include "engine/TransformStack.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

// A root with an id table, as the model is.
class IdRoot : public CODComponent {
public:
    CODIdTable* GetIdTable() override { return &m_table; }
    CODIdTable m_table;
};

// A leaf with a rectangle in its own coordinates, mapped like a primitive.
class Leaf : public CODComponent {
public:
    explicit Leaf(const CRect& rect = CRect(0, 0, 10, 10), int* pDeleted = nullptr) : m_rect(rect), m_pDeleted(pDeleted) {}
    ~Leaf() override
    {
        if (m_pDeleted)
            ++*m_pDeleted;
    }
    void UpdateBounds(CDC*) override
    {
        PushTransform();
        POINT corners[4] = {{m_rect.left, m_rect.top}, {m_rect.right, m_rect.top}, {m_rect.right, m_rect.bottom},
                            {m_rect.left, m_rect.bottom}};
        if (const CODTransform* t = TransformStack::Top())
            t->TransformPoints(corners, 4);
        PopTransform();
        m_boundsRegion.Clear();
        m_boundsRegion.AddPolygon(corners, 4);
        m_rcBounds = m_boundsRegion.GetBoundingRect();
    }

private:
    CRect m_rect;
    int* m_pDeleted;
};

TEST(ComponentTree, ChildrenAreCountedAndDeletedWithTheirLastReference)
{
    int deleted = 0;
    auto parent = std::make_unique<CODComponent>();
    auto* first = new Leaf(CRect(0, 0, 10, 10), &deleted);
    auto* second = new Leaf(CRect(0, 0, 10, 10), &deleted);
    auto* third = new Leaf(CRect(0, 0, 10, 10), &deleted);
    ASSERT_TRUE(parent->AddChild(first));
    ASSERT_TRUE(parent->AddChild(second));
    EXPECT_FALSE(parent->AddChild(second)) << "already has a parent";
    EXPECT_FALSE(first->AddChild(parent.get())) << "no cycles";
    EXPECT_FALSE(parent->InsertChild(third, 3));
    EXPECT_FALSE(parent->InsertChild(third, -1));
    ASSERT_TRUE(parent->InsertChild(third, 1));
    EXPECT_EQ(parent->GetChild(1), third);
    EXPECT_EQ(parent->GetChild(3), nullptr);
    EXPECT_EQ(third->GetZIndex(), 3);
    EXPECT_EQ(first->GetRefCount(), 1);
    EXPECT_EQ(third->GetParent(), parent.get());
    EXPECT_EQ(parent->FindChild(second), 2);
    EXPECT_TRUE(parent->IsDescendant(second));
    EXPECT_FALSE(second->IsDescendant(parent.get()));

    second->AddRef();  // someone else holds it too
    ASSERT_TRUE(parent->RemoveChild(2));
    EXPECT_EQ(deleted, 0);
    EXPECT_EQ(second->GetParent(), nullptr);
    second->Release();
    EXPECT_EQ(deleted, 1);
    EXPECT_FALSE(parent->RemoveChild(-1));
    parent.reset();
    EXPECT_EQ(deleted, 3);
}

TEST(ComponentTree, PropertiesAreFoundThroughTheNearestAncestor)
{
    CODComponent root;
    CODLineProperties line;
    line.SetColor(RGB(0, 0, 255));
    root.AddProperty(line);
    auto* group = new CODComponent();
    auto* leaf = new Leaf();
    root.AddChild(group);
    group->AddChild(leaf);
    CODLineProperties red;
    red.SetColor(RGB(255, 0, 0));
    group->AddProperty(red);

    const auto* found = dynamic_cast<const CODLineProperties*>(leaf->GetProperty(OD_PROP_LINE));
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->GetColor(), RGB(255, 0, 0));
    EXPECT_EQ(leaf->GetProperty(OD_LINE_COLOR, true), found) << "a sub-id finds its compound property";
    EXPECT_EQ(leaf->GetProperty(OD_PROP_LINE, false), nullptr);
    EXPECT_EQ(leaf->GetProperty(OD_PROP_FILL), nullptr);

    CODLineProperties copy;
    ASSERT_TRUE(leaf->GetPropertyValue(OD_PROP_LINE, copy));
    EXPECT_EQ(copy.GetColor(), RGB(255, 0, 0));
    ASSERT_TRUE(group->RemoveProperty(OD_LINE_STYLE));
    EXPECT_EQ(dynamic_cast<const CODLineProperties*>(leaf->GetProperty(OD_PROP_LINE))->GetColor(), RGB(0, 0, 255));
    EXPECT_FALSE(group->RemoveProperty(OD_PROP_LINE));
}

TEST(ComponentTree, EqualPropertiesAreSharedAndAChangeMakesANewInstance)
{
    CODComponent a;
    CODComponent b;
    CODFillProperties fill;
    fill.SetColor(RGB(200, 200, 255));
    a.AddProperty(fill);
    b.AddProperty(fill);
    fill.SetColor(RGB(1, 1, 1));  // the caller's object is not what was attached
    const CODProperty* shared = a.GetProperty(OD_PROP_FILL);
    EXPECT_EQ(shared, b.GetProperty(OD_PROP_FILL));
    EXPECT_EQ(dynamic_cast<const CODFillProperties*>(shared)->GetColor(), RGB(200, 200, 255));

    CODFillProperties red;
    red.SetColor(RGB(255, 0, 0));
    red.SetFillStyle(2);
    ASSERT_TRUE(a.ChangeProperty(red, 0x01));  // colour only
    const auto* changed = dynamic_cast<const CODFillProperties*>(a.GetProperty(OD_PROP_FILL));
    EXPECT_NE(changed, b.GetProperty(OD_PROP_FILL));
    EXPECT_EQ(changed->GetColor(), RGB(255, 0, 0));
    EXPECT_EQ(changed->GetFillStyle(), 0);
    EXPECT_EQ(dynamic_cast<const CODFillProperties*>(b.GetProperty(OD_PROP_FILL))->GetColor(), RGB(200, 200, 255));
    EXPECT_EQ(a.GetProperties().size(), 2u) << "replaced in place, not appended";

    // Changing back shares the other component's instance again.
    CODFillProperties back;
    back.SetColor(RGB(200, 200, 255));
    a.ChangeProperty(back, 0x01);
    EXPECT_EQ(a.GetProperty(OD_PROP_FILL), b.GetProperty(OD_PROP_FILL));
    EXPECT_FALSE(a.ChangeProperty(CODLineProperties(), OD_ALL_FIELDS)) << "no own line property";
}

TEST(ComponentTree, EditPropertiesComeFirstAndPartsAreNotSelectable)
{
    CODComponent parent;
    ASSERT_FALSE(parent.GetProperties().empty());
    EXPECT_EQ(parent.GetProperties().front()->GetId(), OD_PROP_EDIT);
    auto* child = new CODComponent();
    CODEditProperties locked;
    locked.SetMovable(0);
    child->AddProperty(locked);
    parent.AddChild(child);
    const auto* edit = dynamic_cast<const CODEditProperties*>(child->GetProperty(OD_PROP_EDIT, false));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->IsSelectable(), 0);
    EXPECT_EQ(edit->IsMovable(), 0) << "the child's own flags are kept";
    EXPECT_EQ(dynamic_cast<const CODEditProperties*>(parent.GetProperty(OD_PROP_EDIT))->IsSelectable(), 1);
}

TEST(ComponentTree, IdsAreFreshOnCollisionAndKeptWhenFree)
{
    std::srand(7);
    IdRoot first;
    auto* a = new CODComponent();
    auto* b = new CODComponent();
    first.AddChild(a);
    ASSERT_NE(a->GetId(), 0u);
    EXPECT_EQ(first.m_table.Lookup(a->GetId()), a);

    // b arrives with a's id: it gets a fresh one.
    b->SetId(a->GetId());
    first.AddChild(b);
    EXPECT_NE(b->GetId(), a->GetId());
    EXPECT_NE(b->GetId(), 0u);
    EXPECT_EQ(first.m_table.Lookup(a->GetId()), a);
    EXPECT_EQ(first.m_table.GetCount(), 2);

    // A group moved into another model keeps the ids that are free there.
    auto* group = new CODComponent();
    auto* part = new CODComponent();
    group->AddChild(part);
    first.AddChild(group);
    const std::uint32_t groupId = group->GetId();
    const std::uint32_t partId = part->GetId();
    ASSERT_NE(partId, 0u);
    group->AddRef();
    first.RemoveChild(first.FindChild(group));
    EXPECT_EQ(first.m_table.Lookup(groupId), nullptr);
    EXPECT_EQ(first.m_table.Lookup(partId), nullptr);
    IdRoot second;
    second.AddChild(group);
    group->Release();
    EXPECT_EQ(group->GetId(), groupId);
    EXPECT_EQ(part->GetId(), partId);
    EXPECT_EQ(second.m_table.Lookup(partId), part);

    // Outside a model nothing is drawn.
    CODComponent loose;
    auto* free = new CODComponent();
    loose.AddChild(free);
    EXPECT_EQ(free->GetId(), 0u);
}

TEST(ComponentTree, IdTableBucketsAndNewIds)
{
    CODIdTable table;
    CODComponent one;
    CODComponent two;
    table.SetAt(16, &one);  // same bucket as 16 + 17 * 16
    table.SetAt(16 + 17 * 16, &two);
    table.SetAt(0, &one);
    EXPECT_EQ(table.GetCount(), 2);
    EXPECT_EQ(table.Lookup(16), &one);
    EXPECT_EQ(table.Lookup(16 + 17 * 16), &two);
    EXPECT_EQ(table.Lookup(0), nullptr);
    EXPECT_TRUE(table.RemoveKey(16));
    EXPECT_FALSE(table.RemoveKey(16));
    EXPECT_EQ(table.Lookup(16 + 17 * 16), &two);

    std::srand(11);
    const std::uint32_t expected = static_cast<std::uint32_t>(std::rand()) * static_cast<std::uint32_t>(std::rand());
    std::srand(11);
    EXPECT_EQ(table.NewId(), expected);
    std::srand(11);
    table.SetAt(expected, &one);
    EXPECT_NE(table.NewId(), expected) << "drawn again when taken";
}

TEST(ComponentTree, MovingRotatingAndScalingKeepTheBoundsCurrent)
{
    CODComponent root;
    auto* group = new CODComponent();
    auto* leaf = new Leaf(CRect(0, 0, 40, 20));
    group->AddChild(leaf);
    root.AddChild(group);
    group->UpdateBounds();
    EXPECT_EQ(group->GetBounds(), CRect(0, 0, 40, 20));

    group->MoveTo(100, 50);
    EXPECT_EQ(group->GetBounds(), CRect(100, 50, 140, 70));
    EXPECT_EQ(leaf->GetBounds(), CRect(100, 50, 140, 70));
    group->CenterAt(0, 0);
    EXPECT_EQ(group->GetBounds(), CRect(-20, -10, 20, 10));

    struct Anchor {
        int code;
        CPoint point;
    };
    for (const Anchor& a : {Anchor{0, {-20, -10}}, Anchor{1, {0, -10}}, Anchor{2, {20, -10}}, Anchor{3, {20, 0}},
                            Anchor{4, {20, 10}}, Anchor{5, {0, 10}}, Anchor{6, {-20, 10}}, Anchor{7, {-20, 0}},
                            Anchor{8, {0, 0}}, Anchor{42, {0, 0}}})
        EXPECT_EQ(group->GetAnchorPoint(a.code), a.point) << a.code;

    // A quarter turn about the centre stands the box on its end.
    group->Rotate(900, 0.0f, 0.0f, 1, 1);
    EXPECT_EQ(group->GetBounds(), CRect(-10, -20, 10, 20));

    group->SetBounds(CRect(0, 0, 40, 80));
    EXPECT_EQ(group->GetBounds(), CRect(0, 0, 40, 80));
    group->SetBounds(CRect(5, 5, 5, 5));
    EXPECT_EQ(group->GetBounds(), CRect(0, 0, 40, 80)) << "an empty rectangle does nothing";
    group->ScaleTo(CSize(20, 40), 4);
    EXPECT_EQ(group->GetBounds(), CRect(20, 40, 40, 80)) << "the bottom-right stays";

    // Working on the leaf alone still sees the group's transform.
    leaf->UpdateBounds(nullptr);
    EXPECT_EQ(leaf->GetBounds(), CRect(20, 40, 40, 80));

    std::vector<CODComponent*> hits;
    EXPECT_TRUE(group->HitTest(CPoint(30, 60), 0, hits));
    ASSERT_EQ(hits.size(), 2u);
    EXPECT_EQ(hits[0], group);
    EXPECT_EQ(hits[1], leaf);
    hits.clear();
    EXPECT_FALSE(group->HitTest(CPoint(10, 60), 2, hits));
    EXPECT_TRUE(group->HitTest(CPoint(18, 60), 2, hits)) << "within tolerance of the outline";
    hits.clear();
    group->SetVisible(0);
    EXPECT_FALSE(group->HitTest(CPoint(30, 60), 0, hits));
}

TEST(ComponentTree, CloneCopiesFieldsSharesPropertiesAndClonesChildren)
{
    CODComponent original;
    original.SetName("MainBox");
    original.SetType("Symbol");
    CODFillProperties fill;
    fill.SetColor(RGB(5, 6, 7));
    original.AddProperty(fill);
    original.AddChild(new Leaf(CRect(0, 0, 10, 10)));
    original.Translate(3, 4);
    std::unique_ptr<CODComponent> copy = original.Clone();
    EXPECT_EQ(copy->GetName(), "MainBox");
    EXPECT_EQ(copy->GetType(), "Symbol");
    EXPECT_EQ(copy->GetProperty(OD_PROP_FILL), original.GetProperty(OD_PROP_FILL));
    ASSERT_EQ(copy->GetChildCount(), 1);
    EXPECT_NE(copy->GetChild(0), original.GetChild(0));
    EXPECT_EQ(copy->GetChild(0)->GetParent(), copy.get());
    EXPECT_NE(copy->GetTransform(), original.GetTransform());
    EXPECT_EQ(copy->GetBounds(), CRect(3, 4, 13, 14));
    EXPECT_EQ(copy->GetParent(), nullptr);
}

}  // namespace
