#include "charts/DescendantChart.h"
#include "chartparts/CIndiBox.h"
#include "chartparts/CQuorrelModel.h"
#include "chartparts/CSymbol.h"
#include "engine/CODLinkComponent.h"
#include "engine/CODPortComponent.h"
#include "platform/CommandFile.h"
#include "platform/MessageBox.h"
#include "tests/charts/ChartContents.h"
#include "tests/charts/DescendantProject.h"
#include "tests/charts/FamilyMember.h"
#include "tests/charts/ChartCommandFile.h"
#include "tests/charts/ChartPicture.h"
#include "tests/support/TestEnvironment.h"
#include "tools/projectwriter/ProjectWriter.h"
#include "tools/projectwriter/SyntheticProject.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using descendants::CommandFileWith;

// 100 wide boxes, gaps of 40 between generations and 6 between boxes.
const std::string kLayout = "GenerationGap=40\nLeftGap=10\nTopGap=20\nBoxGap=6\n";

struct Chart : chart_test::ChartContents {
    explicit Chart(const std::string& path)
    {
        const CommandFile file(path);
        result = BuildDescendantChart(file, model, nullptr);
        Collect(model);
    }

    // The box of the n-th occurrence of the name, in model order.
    CIndiBox* Box(const std::string& name, int occurrence = 0) const
    {
        for (CIndiBox* box : boxes)
            if (box->m_strLines[0] == name && occurrence-- == 0)
                return box;
        return nullptr;
    }
    // The connection point whose links reach the port.
    const CSymbol* PointTo(const CODPortComponent* port) const
    {
        for (const CSymbol* point : points) {
            const std::vector<CODPortComponent*> reached = Reached(point);
            if (std::find(reached.begin(), reached.end(), port) != reached.end())
                return point;
        }
        return nullptr;
    }
    // The one link between the two ports, from the first to the second.
    bool Linked(const CODPortComponent* from, const CODPortComponent* to) const
    {
        return std::count_if(links.begin(), links.end(), [&](const CODLinkComponent* link) {
                   return link->GetSourcePort() == from && link->GetTargetPort() == to;
               }) == 1;
    }

    CQuorrelModel model;
    CIndiBox* result = nullptr;
};

enum Port { kLeft = 0, kRight = 1, kTop = 2, kBottom = 3, kPartnerLinkDown = 6 };

// Two generations down (the default): Adam with his two wives, the mother of
// one son and the unknown mother of another, then the children, each couple's
// in birth order, with the partners of Dan and Finn but not their children.
TEST(DescendantChart, PartnersCoParentsAndTheUnknownOtherParent)
{
    const Chart chart(CommandFileWith(descendants::Adam, "[Descendant]\ngenerations=2\n" + kLayout));
    const std::vector<std::string> names = {"Adam Lee", "Beth Lee", "Cara Lee", "Dora Lee", "Unknown",
                                            "Dan Lee",  "Ivy Lee",  "Eve Lee",  "Finn Lee", "Kay Lee",
                                            "Gil Lee",  "Hal Lee"};
    ASSERT_EQ(chart.Names(), names);
    EXPECT_EQ(chart.result, chart.boxes[0]);

    // Each couple's children hang from the partner's box, through one point.
    const struct {
        const char* partner;
        std::vector<const char*> children;
    } couples[] = {
        {"Beth Lee", {"Dan Lee", "Eve Lee"}},
        {"Cara Lee", {"Finn Lee"}},
        {"Dora Lee", {"Gil Lee"}},
        {"Unknown", {"Hal Lee"}},
    };
    ASSERT_EQ(chart.points.size(), 4u);
    for (std::size_t i = 0; i < std::size(couples); ++i) {
        SCOPED_TRACE(couples[i].partner);
        std::vector<CODPortComponent*> expected;
        for (const char* child : couples[i].children)
            expected.push_back(chart.Box(child)->GetPort(kTop));
        if (expected.size() == 1)
            expected.push_back(expected.front());
        expected.insert(expected.begin() + 1, chart.Box(couples[i].partner)->GetPort(kBottom));
        EXPECT_EQ(chart.Reached(chart.points[i]), expected);
    }

    // Every partner is linked to the person whose partner he or she is.
    const struct {
        const char* person;
        const char* partner;
    } partners[] = {{"Adam Lee", "Beth Lee"}, {"Adam Lee", "Cara Lee"}, {"Adam Lee", "Dora Lee"},
                    {"Adam Lee", "Unknown"},  {"Dan Lee", "Ivy Lee"},   {"Finn Lee", "Kay Lee"}};
    for (const auto& [person, partner] : partners)
        EXPECT_TRUE(chart.Linked(chart.Box(person)->GetPort(kPartnerLinkDown), chart.Box(partner)->GetPort(kTop)))
            << person << " and " << partner;
    // Three links from each point: an only child is reached twice.
    EXPECT_EQ(chart.links.size(), std::size(partners) + 4 * 3);

    // Rows down the page; partners stand a little lower than their person.
    const CRect adam = chart.Box("Adam Lee")->GetBounds();
    EXPECT_EQ(adam.top, 20);
    EXPECT_GT(chart.Box("Beth Lee")->GetBounds().top, adam.top);
    EXPECT_GT(chart.Box("Dan Lee")->GetBounds().top, chart.Box("Beth Lee")->GetBounds().bottom);
}

// Nia and Oz are cousins who married: their daughter Pia is reached through
// both; the second Pia is drawn once more, without her husband and son.
TEST(DescendantChart, DescendantReachedTwiceIsDrawnWithoutHerFamily)
{
    const Chart chart(CommandFileWith(descendants::Adam, "[Descendant]\ngenerations=5\n" + kLayout));
    const std::vector<std::string> names = chart.Names();
    EXPECT_EQ(std::count(names.begin(), names.end(), "Pia Lee"), 2);
    EXPECT_EQ(std::count(names.begin(), names.end(), "Rex Lee"), 1);
    EXPECT_EQ(std::count(names.begin(), names.end(), "Sal Lee"), 1);
    const CIndiBox* first = chart.Box("Pia Lee", 0);
    const CIndiBox* again = chart.Box("Pia Lee", 1);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->m_strLines[1], "drawn already");
    EXPECT_NE(first->m_strLines[1], "drawn already");
    // The second box takes only the lines from its parents' point (an only
    // child is reached twice) and no partner link.
    int links = 0;
    for (int p = 0; p < again->GetPortCount(); ++p)
        links += chart.LinksAt(again->GetPort(p));
    EXPECT_EQ(links, 2);
    EXPECT_EQ(chart.LinksAt(again->GetPort(kTop)), 2);
    EXPECT_NE(chart.PointTo(chart.Box("Sal Lee")->GetPort(kTop)), nullptr);
}

// A couple with one child: the point is half the generation gap from the
// child's box (from the partner's for UP), in line with the partner's port.
TEST(DescendantChart, OneChildHangsHalfTheGapFromItsBox)
{
    const struct {
        const char* direction;
        int towardParent;
        int towardChildren;
    } cases[] = {{"DOWN", kTop, kBottom}, {"UP", kBottom, kTop}, {"RIGHT", kLeft, kRight}, {"LEFT", kRight, kLeft}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.direction);
        const Chart chart(CommandFileWith(descendants::Adam, std::string("[Descendant]\ngenerations=2\nDirection=") +
                                                                 c.direction + "\n" + kLayout));
        const CODPortComponent* child = chart.Box("Finn Lee")->GetPort(c.towardParent);
        const CODPortComponent* partner = chart.Box("Cara Lee")->GetPort(c.towardChildren);
        const CSymbol* point = chart.PointTo(child);
        ASSERT_NE(point, nullptr);
        const CPoint at = point->GetPort(0)->GetPosition();
        const CPoint c0 = child->GetPosition();
        const CPoint p0 = partner->GetPosition();
        const std::string direction = c.direction;
        if (direction == "DOWN")
            EXPECT_EQ(at, CPoint(p0.x, c0.y - 20));
        else if (direction == "UP")
            EXPECT_EQ(at, CPoint(p0.x, p0.y - 20));
        else if (direction == "RIGHT")
            EXPECT_EQ(at, CPoint(c0.x - 20, p0.y));
        else
            EXPECT_EQ(at, CPoint(c0.x + 20, p0.y));
    }
}

// A regular family of four generations, three children to a couple: every
// couple ends up over the middle of its children, in every direction.
TEST(DescendantChart, ArrangingCentresEveryCoupleOnItsChildren)
{
    const std::string project = (quorrel_test::TestDirectory() / "REGULAR").string();
    ProjectWriter writer;
    BuildDescendantProject(writer, {.generations = 4, .childrenPerCouple = 3});
    writer.Write(project);
    for (const char* direction : {"DOWN", "UP", "RIGHT", "LEFT"}) {
        SCOPED_TRACE(direction);
        const Chart chart(chart_test::CommandFileFor(
            project, 1, "", std::string("[Descendant]\ngenerations=4\nDirection=") + direction + "\n" + kLayout));
        // 1 + 3 + 9 + 27 descendants, each with a spouse.
        ASSERT_EQ(chart.boxes.size(), 80u);
        ASSERT_EQ(chart.points.size(), 13u);
        const bool bRows = direction[0] == 'D' || direction[0] == 'U';
        const auto cross = [&](const CODPortComponent* port) {
            return bRows ? port->GetPosition().x : port->GetPosition().y;
        };
        for (const CSymbol* point : chart.points) {
            const std::vector<CODPortComponent*> reached = chart.Reached(point);
            ASSERT_EQ(reached.size(), 4u);
            EXPECT_EQ(cross(reached[1]), cross(reached[0]) + (cross(reached[3]) - cross(reached[0])) / 2);
        }
    }
}

// A child whose record cannot be read (a link to a person not in the project)
// closes the project: the failed read is reported, and no chart of empty
// boxes is drawn.
TEST(DescendantChart, ReadFailingMidWalkDrawsNothing)
{
    const std::string project = (quorrel_test::TestDirectory() / "BROKEN").string();
    ProjectWriter writer;
    chart_test::AddFamilyMember(writer, {.number = 1, .given = "Adam", .sex = "M"});
    writer.AddParentLink({.child = 2, .parent = 1, .surety = "3", .primary = true});
    writer.Write(project);
    std::vector<std::string> messages;
    MessageBox::SetSink([&messages](const std::string& text) { messages.push_back(text); });
    const Chart chart(chart_test::CommandFileFor(project, 1, "", "[Descendant]\ngenerations=3\n" + kLayout));
    MessageBox::SetSink(nullptr);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind("Error Reading Individual 2", 0), 0u) << messages[0];
    EXPECT_EQ(chart.result, nullptr);
    EXPECT_EQ(chart.model.GetChildCount(), 0);
}

TEST(DescendantChart, NothingForStartPersonZeroOrAMissingProject)
{
    {
        CQuorrelModel model;
        const CommandFile file(CommandFileWith(0, "[Descendant]\ngenerations=3\n"));
        EXPECT_EQ(BuildDescendantChart(file, model, nullptr), nullptr);
        EXPECT_EQ(model.GetChildCount(), 0);
    }
    CommandFile file(CommandFileWith(descendants::Adam, "[Descendant]\ngenerations=3\n"));
    file.WriteString("database", "file", "no/such/PROJECT");
    CQuorrelModel model;
    EXPECT_EQ(BuildDescendantChart(file, model, nullptr), nullptr);
    EXPECT_EQ(model.GetChildCount(), 0);
}

// Every direction drawn for a look; no two boxes overlap, each couple sits
// over the middle of its children and the lines are drawn.
TEST(DescendantChart, DrawsEveryDirectionWithoutOverlaps)
{
    for (const char* direction : {"DOWN", "UP", "RIGHT", "LEFT"}) {
        SCOPED_TRACE(direction);
        const Chart chart(CommandFileWith(descendants::Adam, std::string("[Descendant]\ngenerations=5\n"
                                                                         "LineColor=0 0 255\nDirection=") +
                                                                 direction + "\n" + kLayout));
        const std::unique_ptr<quorrel_test::DibCanvas> canvas =
            chart_test::DrawChart(chart.model, std::string("descendant-") + direction);
        EXPECT_EQ(chart.Overlaps(), std::vector<std::string>{});
        EXPECT_GT(canvas->Count(CRect(0, 0, canvas->Width(), canvas->Height()), RGB(0, 0, 255)), 100);
    }
}

}  // namespace
