#include "chartparts/ArrowEndpoint.h"
#include "chartparts/CIndiBox.h"
#include "chartparts/ToolComponents.h"
#include "engine/CODIntProperty.h"
#include "engine/CODLineComponent.h"
#include "engine/CODLinkComponent.h"
#include "engine/CODOrthogonalLinkShape.h"
#include "engine/PropertyIds.h"

#include <gtest/gtest.h>

namespace {

int IntProperty(const CODComponent& component, int nId)
{
    const auto* property = dynamic_cast<const CODIntProperty*>(component.GetProperty(nId, false));
    return property ? property->GetInt() : -1;
}

TEST(LinkPrototypes, EachToolHasItsRouteAndArrowheads)
{
    struct Case {
        LinkToolKind kind;
        bool bOrthogonal;
        bool bSourceArrow;
        bool bTargetArrow;
    };
    const Case cases[] = {
        {LinkToolKind::Link, false, false, false},
        {LinkToolKind::Orthogonal, true, false, false},
        {LinkToolKind::Arrow, false, false, true},
        {LinkToolKind::OrthogonalArrow, true, false, true},
        {LinkToolKind::TwoWayArrow, false, true, true},
        {LinkToolKind::OrthogonalTwoWayArrow, true, true, true},
    };
    for (const Case& c : cases) {
        const auto link = MakeLinkPrototype(c.kind);
        SCOPED_TRACE(static_cast<int>(c.kind));
        ASSERT_NE(link->GetLine(), nullptr);
        EXPECT_EQ(link->GetSourcePort(), nullptr);
        EXPECT_EQ(link->GetTargetPort(), nullptr);
        const CODLineComponent& line = *link->GetLine();
        EXPECT_EQ(dynamic_cast<const CODOrthogonalLinkShape*>(&line) != nullptr, c.bOrthogonal);
        // Every line carries its margins; the orthogonal tools widen them.
        for (const int id : {OD_PROP_MARGIN_LEFT, OD_PROP_MARGIN_TOP, OD_PROP_MARGIN_RIGHT, OD_PROP_MARGIN_BOTTOM})
            EXPECT_EQ(IntProperty(line, id), c.bOrthogonal ? 30 : 0) << id;
        EXPECT_EQ(dynamic_cast<const ArrowEndpoint*>(line.GetSourceEndpoint()) != nullptr, c.bSourceArrow);
        EXPECT_EQ(dynamic_cast<const ArrowEndpoint*>(line.GetTargetEndpoint()) != nullptr, c.bTargetArrow);
        if (const auto* arrow = dynamic_cast<const ArrowEndpoint*>(line.GetTargetEndpoint())) {
            EXPECT_EQ(arrow->GetLength(), ArrowEndpoint::kDefaultLength);
            EXPECT_EQ(arrow->GetWidth(), ArrowEndpoint::kDefaultWidth);
        }
    }
}

TEST(InsertedBoxes, ShadowAndPlainBoxesDifferOnlyInTheirShadow)
{
    for (const bool bShadow : {true, false}) {
        const auto box = MakeInsertedBox(bShadow, nullptr);
        SCOPED_TRACE(bShadow);
        EXPECT_EQ(box->GetName(), bShadow ? "Shadow Box" : "Plain Box");
        EXPECT_EQ(box->m_bShadow, bShadow);
        EXPECT_EQ(box->m_crShadow, bShadow ? 0x808080U : 0x000080U);
        EXPECT_EQ(box->m_nWidth, 170);
        EXPECT_EQ(box->m_nLineCount, 5);
        EXPECT_EQ(box->m_crLine, 0U);
        EXPECT_EQ(box->m_crFill, 0xFFFFFFU);
        EXPECT_TRUE(box->m_bOpaque);
        EXPECT_FALSE(box->GetBounds().IsRectEmpty());
    }
}

}  // namespace
