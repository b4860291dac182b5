#include "chartparts/ArrowEndpoint.h"
#include "chartparts/CCurveText.h"
#include "chartparts/CIndiBox.h"
#include "chartparts/CSymbol.h"
#include "chartparts/ChartPartClasses.h"
#include "chartparts/Connectors.h"
#include "engine/CArchive.h"
#include "engine/CArchiveException.h"
#include "engine/CODImageComponent.h"
#include "engine/CODLineComponent.h"
#include "engine/CODLineProperties.h"
#include "engine/CODLinkComponent.h"
#include "engine/CODModel.h"
#include "engine/CODPortComponent.h"
#include "tests/data/PictureProject.h"
#include "tests/support/TestEnvironment.h"

#include "tests/engine/StoredBytes.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <typeinfo>
#include <vector>

namespace {

using quorrel_test::Load;
using quorrel_test::Store;

// Same class, name, type, bounds, children and ports, all the way down.
void ExpectSame(const CODComponent& a, const CODComponent& b, const std::string& where)
{
    SCOPED_TRACE(where);
    EXPECT_EQ(typeid(a), typeid(b));
    EXPECT_EQ(a.GetName(), b.GetName());
    EXPECT_EQ(a.GetType(), b.GetType());
    EXPECT_EQ(a.GetBounds(), b.GetBounds());
    EXPECT_EQ(a.IsVisible(), b.IsVisible());
    ASSERT_EQ(a.GetChildCount(), b.GetChildCount());
    for (int i = 0; i < a.GetChildCount(); ++i)
        ExpectSame(*a.GetChild(i), *b.GetChild(i), where + "/" + std::to_string(i));
    const auto* sa = dynamic_cast<const CODSymbolComponent*>(&a);
    const auto* sb = dynamic_cast<const CODSymbolComponent*>(&b);
    if (!sa || !sb)
        return;
    ASSERT_EQ(sa->GetOwnPortCount(), sb->GetOwnPortCount());
    for (int i = 0; i < sa->GetOwnPortCount(); ++i) {
        EXPECT_EQ(sa->GetPort(i)->GetPosition(), sb->GetPort(i)->GetPosition()) << "port " << i;
        EXPECT_EQ(sa->GetPort(i)->IsVisible(), sb->GetPort(i)->IsVisible()) << "port " << i;
    }
    EXPECT_EQ(sa->GetOwnConnections().size(), sb->GetOwnConnections().size());
}

CRect MainRect(const CIndiBox& box)
{
    for (int i = 0; i < box.GetChildCount(); ++i)
        if (box.GetChild(i)->GetName() == CIndiBox::kMainBoxName)
            return box.GetChild(i)->GetBounds();
    return CRect();
}

class ChartArchiveTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterChartPartClasses();
        pictures::ProjectPath();  // writes the pictures
        m_box = new CIndiBox();
        m_box->m_strPictureLocation = "LEFT";
        m_box->m_nPictureWidth = 60;
        m_box->m_nPictureHeight = 60;
        m_box->m_pPicture = std::make_unique<CODImageComponent>();
        m_box->m_pPicture->Create((quorrel_test::TestDirectory() / "square.bmp").string(), 0, 0);
        const std::array<std::string, 3> lines = {"Margaretha Elisabeth Hohenzollern", "b. 1850", "d. 1911"};
        m_box->m_nLineCount = 3;
        std::copy(lines.begin(), lines.end(), m_box->m_strLines.begin());
        m_box->Build();
        m_box->MoveTo(100, 50);
        m_model.AddChild(m_box);

        auto* other = new CIndiBox();
        other->SetLines(2, std::array<std::string, 2>{"Hugh Green", "b. 1848"}.data());
        other->MoveTo(400, 50);
        m_model.AddChild(other);

        auto* curve = new CCurveText();
        curve->Create(CRect(100, 300, 300, 500), nullptr);
        curve->SetText("Around the top");
        curve->Rotate(300.0f, 200.0f, 400.0f, 200, 200);
        m_model.AddChild(curve);

        const CODLineProperties line;
        ConnectThroughPoint(m_model, {m_box->GetPort(3), other->GetPort(3)}, ConnectDirection::Below, 30, line, 0, 0);
        m_model.AddChild(MakePortSymbol().release());
        std::unique_ptr<CSymbol> arrow = MakeArrowSymbol(10, 20, 0, 1, 0xFFFFFF);
        arrow->MoveTo(500, 400);
        m_model.AddChild(arrow.release());
        m_model.AddChild(MakeConnectionLine(CPoint(400, 300), CPoint(600, 300), nullptr).release());

        auto* link = new CODLinkComponent();
        link->Create(other->GetPort(1), m_box->GetPort(0));
        link->SetTargetEndpoint(std::make_unique<ArrowEndpoint>(16, 7));
        m_model.AddChild(link);
    }

    CODModel m_model;
    CIndiBox* m_box = nullptr;
};

TEST_F(ChartArchiveTest, ChartPartsComeBackWithTheirChildrenAndGeometry)
{
    const std::vector<std::uint8_t> bytes = Store(m_model);
    CODModel loaded;
    Load(loaded, bytes);
    ExpectSame(m_model, loaded, "model");
    EXPECT_EQ(Store(loaded), bytes);

    const auto* curve = dynamic_cast<const CCurveText*>(loaded.GetChild(2));
    ASSERT_NE(curve, nullptr);
    EXPECT_EQ(curve->GetText(), "Around the top");
    EXPECT_EQ(curve->GetPointCount(), CCurveText::kCurvePoints);
    EXPECT_NEAR(curve->ChordAngle(), 300, 3);

    const auto* link = dynamic_cast<const CODLinkComponent*>(loaded.GetChild(loaded.GetChildCount() - 1));
    ASSERT_NE(link, nullptr);
    const auto* arrow = dynamic_cast<const ArrowEndpoint*>(link->GetLine()->GetTargetEndpoint());
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(arrow->GetLength(), 16);
    EXPECT_EQ(arrow->GetWidth(), 7);
}

TEST_F(ChartArchiveTest, LoadedBoxLaysItselfOutFromItsChildren)
{
    CODModel loaded;
    Load(loaded, Store(m_model));
    auto* box = dynamic_cast<CIndiBox*>(loaded.GetChild(0));
    ASSERT_NE(box, nullptr);
    // None of the settings are stored: the box has the defaults.
    EXPECT_EQ(box->m_strPictureLocation, "NONE");
    EXPECT_EQ(box->m_nPictureWidth, 0);

    box->Relayout();
    ExpectSame(*m_box, *box, "relaid out");
    EXPECT_EQ(box->m_strPictureLocation, "LEFT");
    EXPECT_EQ(box->m_nPictureWidth, 60);

    // Stretched alike, the loaded box and the built one agree.
    m_box->Scale(2.0f, 3.0f, 100.0f, 50.0f);
    box->Scale(2.0f, 3.0f, 100.0f, 50.0f);
    EXPECT_EQ(MainRect(*box), MainRect(*m_box));
    ExpectSame(*m_box, *box, "stretched");
}

TEST(ChartArchive, ArrowEndpointBodyIsTheSegmentThenLengthAndWidth)
{
    RegisterChartPartClasses();
    ArrowEndpoint arrow(20, 10);
    arrow.SetSegment(CPoint(1, 2), CPoint(3, 4));
    CArchive store;
    arrow.Serialize(store);
    const std::vector<std::uint8_t>& body = store.GetStored();
    ASSERT_EQ(body.size(), 24u);
    const std::array<std::int32_t, 6> values = {1, 2, 3, 4, 20, 10};
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(body[i * 4], values[i]) << i;

    ArrowEndpoint copy;
    CArchive load(body.data(), body.size());
    copy.Serialize(load);
    EXPECT_EQ(copy.GetTo(), CPoint(3, 4));
    EXPECT_EQ(copy.GetWidth(), 10);

    // A body cut short is refused, not read past its end.
    CArchive cut(body.data(), body.size() - 2);
    ArrowEndpoint damaged;
    EXPECT_THROW(damaged.Serialize(cut), CArchiveException);
}

}  // namespace
