#include "engine/CODBoolProperty.h"
#include "engine/CODLabelComponent.h"
#include "engine/CODLineComponent.h"
#include "engine/CODLineOrientation.h"
#include "engine/CODLinkComponent.h"
#include "engine/CODOrientationProperties.h"
#include "engine/CODRectComponent.h"
#include "engine/CODSymbolComponent.h"
#include "engine/PropertyIds.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kLabelWidth = 40;
constexpr int kLabelHeight = 20;

// A 200 x 100 box at (100, 100) in a root that stands in for the model, and
// labels of 40 x 20.
class Labels : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* shape = new CODRectComponent();
        shape->Create(100, 100, 300, 200);
        m_pBox = new CODSymbolComponent();
        m_pBox->Create(std::vector<CODComponent*>{shape});
        m_root.AddChild(m_pBox);
    }
    static CODLabelComponent* Label(int nOrientation, int bFollow, int dx = 0, int dy = 0)
    {
        auto* label = new CODLabelComponent();
        label->Create(CRect(0, 0, kLabelWidth, kLabelHeight), nullptr);
        label->AddProperty(CODOrientationProperties(OD_PROP_ORIENTATION, nOrientation, dx, dy));
        label->AddProperty(CODBoolProperty(OD_PROP_LABEL_SWITCH, bFollow));
        return label;
    }

    CODComponent m_root;
    CODSymbolComponent* m_pBox = nullptr;
};

TEST_F(Labels, ALabelIsPlacedInsideItsSymbolByItsOrientation)
{
    const struct {
        int code;
        CPoint topLeft;
    } cases[] = {
        {0, {100, 100}}, {1, {180, 100}}, {2, {260, 100}}, {3, {260, 140}}, {4, {260, 180}},
        {5, {180, 180}}, {6, {100, 180}}, {7, {100, 140}}, {8, {180, 140}},
    };
    for (const auto& c : cases) {
        CODLabelComponent* label = Label(c.code, 1, 3, -2);
        ASSERT_TRUE(m_pBox->AddLabel(label));
        EXPECT_EQ(label->GetBounds().TopLeft(), CPoint(c.topLeft.x + 3, c.topLeft.y - 2)) << c.code;
        EXPECT_EQ(label->GetBounds().Width(), kLabelWidth);
    }
    EXPECT_EQ(m_pBox->GetLabelCount(), 9);
}

TEST_F(Labels, ALabelMadeFromTextIsSizedToItAndFollows)
{
    CODLabelComponent* label = m_pBox->AddLabel("Henry Walker", 1, nullptr);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->GetText(), "Henry Walker");
    EXPECT_EQ(label->GetParent(), &m_root);
    const auto* follow = dynamic_cast<const CODBoolProperty*>(label->GetProperty(OD_PROP_LABEL_SWITCH, false));
    ASSERT_NE(follow, nullptr);
    EXPECT_EQ(follow->GetBool(), 1);
    const CRect bounds = label->GetBounds();
    const CSize text = label->MeasureText(nullptr);
    EXPECT_GT(bounds.Width(), text.cx) << "the text and its margins";
    EXPECT_LT(bounds.Width(), m_pBox->GetBounds().Width());
    EXPECT_EQ(bounds.top, 100) << "top centre";
    EXPECT_EQ(bounds.left, 100 + 100 - bounds.Width() / 2);
}

TEST_F(Labels, ALabelLivesBesideItsOwnerAndLeavesWithIt)
{
    CODLabelComponent* label = Label(0, 1);
    ASSERT_TRUE(m_pBox->AddLabel(label));
    EXPECT_FALSE(m_pBox->AddLabel(label)) << "already there";
    EXPECT_EQ(label->GetParent(), &m_root) << "a sibling of the symbol";
    EXPECT_EQ(label->GetOwner(), m_pBox);
    EXPECT_EQ(label->GetType(), "Label");

    // A symbol built away from the model brings its labels along when added.
    auto* loose = new CODSymbolComponent();
    loose->Create();
    CODLabelComponent* later = Label(8, 0);
    loose->AddLabel(later);
    EXPECT_EQ(later->GetParent(), nullptr);
    m_root.AddChild(loose);
    EXPECT_EQ(later->GetParent(), &m_root);

    const int children = m_root.GetChildCount();
    ASSERT_TRUE(m_root.RemoveChild(m_root.FindChild(loose)));
    EXPECT_EQ(m_root.GetChildCount(), children - 2) << "its label went with it";

    ASSERT_TRUE(m_pBox->RemoveLabel(label));
    EXPECT_EQ(m_root.FindChild(label), -1);
    EXPECT_EQ(m_pBox->GetLabelCount(), 0);
    EXPECT_FALSE(m_pBox->RemoveLabel(0));
}

TEST_F(Labels, AFollowingLabelIsPlacedAgainWhenItsOrientationChanges)
{
    CODLabelComponent* follows = Label(0, 1);
    CODLabelComponent* stays = Label(0, 0);
    m_pBox->AddLabel(follows);
    m_pBox->AddLabel(stays);
    const CPoint before = stays->GetBounds().TopLeft();
    follows->ChangeProperty(CODOrientationProperties(OD_PROP_ORIENTATION, 4), OD_ALL_FIELDS);
    stays->ChangeProperty(CODOrientationProperties(OD_PROP_ORIENTATION, 4), OD_ALL_FIELDS);
    EXPECT_EQ(follows->GetBounds().TopLeft(), CPoint(260, 180));
    EXPECT_EQ(stays->GetBounds().TopLeft(), before);
}

TEST_F(Labels, LabelsFollowAMovedSymbolAndAreNotResizedByAScale)
{
    CODLabelComponent* follows = Label(2, 1);
    CODLabelComponent* free = Label(0, 0);
    m_pBox->AddLabel(follows);
    m_pBox->AddLabel(free);
    free->MoveTo(120, 110);

    m_pBox->Translate(50, 10);
    EXPECT_EQ(follows->GetBounds().TopLeft(), CPoint(310, 110));
    EXPECT_EQ(free->GetBounds().TopLeft(), CPoint(170, 120));

    // Twice the size about the box's top-left (150, 110).
    m_pBox->Scale(2.0f, 2.0f, 150.0f, 110.0f);
    ASSERT_EQ(m_pBox->GetBounds(), CRect(150, 110, 550, 310));
    for (const CODLabelComponent* label : {follows, free}) {
        EXPECT_EQ(label->GetBounds().Width(), kLabelWidth);
        EXPECT_EQ(label->GetBounds().Height(), kLabelHeight);
    }
    EXPECT_EQ(follows->GetBounds().TopLeft(), CPoint(510, 110)) << "placed again at the top-right";
    // The free label's centre (190, 130) scales to (230, 150).
    EXPECT_EQ(free->GetBounds().CenterPoint(), CPoint(230, 150));
}

TEST_F(Labels, ALinkLabelSitsAlongTheLine)
{
    auto* link = new CODLinkComponent();
    const POINT points[2] = {{0, 50}, {200, 50}};
    ASSERT_TRUE(link->Create(points, 2, nullptr, nullptr));
    m_root.AddChild(link);

    const struct {
        const char* name;
        unsigned percent;
        int anchor;
        unsigned distance;
        CPoint anchorAt;
    } cases[] = {
        {"centred at the middle", 50, 8, 0, {100, 50}},
        {"above the line by the distance", 50, 8, 10, {100, 40}},
        {"its bottom-left a quarter along", 25, 6, 0, {50, 50}},
    };
    for (const auto& c : cases) {
        CODLabelComponent* label = Label(8, 1);
        label->AddProperty(CODLineOrientation(OD_PROP_LINE_ORIENTATION, c.percent, c.anchor, c.distance));
        link->AddLabel(label);
        EXPECT_EQ(label->GetAnchorPoint(c.anchor), c.anchorAt) << c.name;
    }

    // A vertical line: the distance goes to the side, and the label follows re-routing.
    CODLabelComponent* label = Label(8, 1);
    label->AddProperty(CODLineOrientation(OD_PROP_LINE_ORIENTATION, 50, 8, 10));
    auto* down = new CODLinkComponent();
    const POINT vertical[2] = {{300, 0}, {300, 100}};
    down->Create(vertical, 2, nullptr, nullptr);
    m_root.AddChild(down);
    down->AddLabel(label);
    EXPECT_EQ(label->GetAnchorPoint(8), CPoint(310, 50));
    down->Translate(0, 40);
    down->Route();
    EXPECT_EQ(label->GetAnchorPoint(8), CPoint(310, 90));
}

}  // namespace
