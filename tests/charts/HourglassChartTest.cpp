#include "charts/HourglassChart.h"
#include "charts/AncestorChart.h"
#include "chartparts/CIndiBox.h"
#include "chartparts/CQuorrelModel.h"
#include "chartparts/CSymbol.h"
#include "engine/CODLinkComponent.h"
#include "engine/CODPortComponent.h"
#include "platform/CommandFile.h"
#include "tests/charts/ChartContents.h"
#include "tests/charts/DescendantProject.h"
#include "tests/charts/ChartPicture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using descendants::CommandFileWith;

const std::string kLayout = "GenerationGap=40\nLeftGap=10\nTopGap=20\nBoxGap=6\nlinecolor=0 0 255\n";

struct Chart : chart_test::ChartContents {
    explicit Chart(const std::string& commandFile) : path(commandFile)
    {
        CommandFile file(path);
        BuildHourglassChart(file, model, nullptr);
        Collect(model);
    }

    std::vector<CIndiBox*> Boxes(const std::string& name) const
    {
        std::vector<CIndiBox*> found;
        for (CIndiBox* box : boxes)
            if (box->m_strLines[0] == name)
                found.push_back(box);
        return found;
    }
    int LinksOn(const CIndiBox* box) const
    {
        int count = 0;
        for (int p = 0; p < box->GetPortCount(); ++p)
            count += LinksAt(box->GetPort(p));
        return count;
    }

    std::string path;
    CQuorrelModel model;
};

std::string Hourglass(const std::string& lines, int start = descendants::Adam)
{
    return CommandFileWith(start, "[HourGlass]\n" + kLayout + lines);
}

TEST(HourglassChart, GenerationsHaveTheirLeastValuesAndAreWrittenForTheHalves)
{
    const struct {
        const char* lines;
        int ancestors;
        int descendants;
    } cases[] = {
        {"", 1, 2},
        {"AncestorGenerations=0\nDescendantGenerations=1\n", 1, 2},
        {"AncestorGenerations=2\nDescendantGenerations=3\n", 2, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        const Chart chart(Hourglass(std::string("Direction=DOWN\n") + c.lines));
        const CommandFile file(chart.path);
        EXPECT_EQ(file.GetInt("Ancestor", "generations"), c.ancestors);
        EXPECT_EQ(file.GetInt("Descendant", "generations"), c.descendants);
        // One ancestor generation is Adam alone; two add his parents.
        EXPECT_EQ(chart.Boxes("Zed Lee").size(), c.ancestors > 1 ? 1u : 0u);
        EXPECT_EQ(chart.Boxes("Dan Lee").size(), 1u);
        // Nia is Dan's daughter and Oz's wife.
        EXPECT_EQ(chart.Boxes("Nia Lee").size(), c.descendants > 2 ? 2u : 0u);
    }
}

// Sideways, Adam has one box: the descendants' one, with the ancestor lines
// moved to its side that faces the ancestors.
TEST(HourglassChart, SidewaysTheStartPersonHasOneBoxWithTheAncestorLines)
{
    const struct {
        const char* direction;
        int ancestorSide;
    } cases[] = {{"RIGHT", 1}, {"LEFT", 0}};
    for (const auto& [direction, side] : cases) {
        SCOPED_TRACE(direction);
        const Chart chart(Hourglass(std::string("Direction=") + direction +
                                    "\nAncestorGenerations=2\nDescendantGenerations=2\nProcessSibling=TRUE\n"));
        const std::vector<CIndiBox*> adam = chart.Boxes("Adam Lee");
        ASSERT_EQ(adam.size(), 1u);
        // One line from his parents' point, one from the point that joins him
        // to his sister Amy.
        EXPECT_EQ(chart.LinksAt(adam[0]->GetPort(side)), 2);
        const CODPortComponent* zed = chart.Boxes("Zed Lee")[0]->GetPort(1 - side);
        const CSymbol* parents = nullptr;
        for (const CSymbol* point : chart.points) {
            const std::vector<CODPortComponent*> reached = chart.Reached(point);
            if (std::find(reached.begin(), reached.end(), zed) != reached.end())
                parents = point;
        }
        ASSERT_NE(parents, nullptr);
        const std::vector<CODPortComponent*> reached = chart.Reached(parents);
        EXPECT_NE(std::find(reached.begin(), reached.end(), adam[0]->GetPort(side)), reached.end());
        // Every link ends at a port of a box or point that is in the chart.
        for (const CODLinkComponent* link : chart.links) {
            ASSERT_NE(link->GetSourcePort(), nullptr);
            ASSERT_NE(link->GetTargetPort(), nullptr);
            EXPECT_GE(chart.model.FindChild(link->GetTargetSymbol()), 0);
            EXPECT_GE(chart.model.FindChild(link->GetSourceSymbol()), 0);
        }
        // The children still hang from the partners beside the kept box.
        EXPECT_GT(chart.LinksOn(adam[0]), 2);
    }
}

// In rows, Adam has two boxes 5 apart with their left edges lined up; the
// half that moved took all its boxes along, also those above the page's top.
TEST(HourglassChart, InRowsTheTwoStartBoxesLineUp)
{
    for (const char* direction : {"UP", "DOWN"}) {
        SCOPED_TRACE(direction);
        const std::string path = Hourglass(std::string("Direction=") + direction +
                                           "\nAncestorGenerations=2\nDescendantGenerations=3\nTopGap=0\n");
        const Chart chart(path);
        const std::vector<CIndiBox*> adam = chart.Boxes("Adam Lee");
        ASSERT_EQ(adam.size(), 2u);
        const CRect upper = adam[0]->GetBounds().top < adam[1]->GetBounds().top ? adam[0]->GetBounds()
                                                                                : adam[1]->GetBounds();
        const CRect lower = adam[0]->GetBounds().top < adam[1]->GetBounds().top ? adam[1]->GetBounds()
                                                                                : adam[0]->GetBounds();
        EXPECT_EQ(lower.top, upper.bottom + 5);
        EXPECT_EQ(lower.left, upper.left);

        // The ancestors as their own chart draws them from the written
        // settings, moved as one.
        CQuorrelModel alone;
        const CommandFile file(path);
        BuildAncestorChart(file, alone, nullptr);
        chart_test::ChartContents own;
        own.Collect(alone);
        for (const CIndiBox* box : own.boxes) {
            const std::string name = box->m_strLines[0];
            const CIndiBox* drawn = chart.Boxes(name).front();
            if (name == "Adam Lee" && std::string(direction) == "DOWN")
                drawn = chart.Boxes(name).back();
            EXPECT_EQ(drawn->GetBounds().left - box->GetBounds().left,
                      upper.left - own.boxes.front()->GetBounds().left) << name;
            EXPECT_EQ(drawn->GetBounds().top, box->GetBounds().top) << name;
        }
    }
}

TEST(HourglassChart, SiblingKeysAreWrittenOnlyWithSiblings)
{
    const std::string kept = "[Ancestor]\nSiblingLineColor=1 2 3\nSiblingLineWidth=7\nSiblingLineStyle=3\n";
    for (const bool bSiblings : {false, true}) {
        SCOPED_TRACE(bSiblings);
        const Chart chart(Hourglass(std::string(bSiblings ? "ProcessSibling=TRUE\n" : "") +
                                    "SiblingLineColor=9 8 7\nSiblingLineWidth=2\nSiblingLineStyle=1\n" + kept));
        const CommandFile file(chart.path);
        EXPECT_EQ(file.GetBool("Ancestor", "ProcessSibling"), bSiblings);
        EXPECT_EQ(file.GetColor("Ancestor", "SiblingLineColor"), bSiblings ? RGB(9, 8, 7) : RGB(1, 2, 3));
        EXPECT_EQ(file.GetInt("Ancestor", "SiblingLineWidth"), bSiblings ? 2 : 7);
        EXPECT_EQ(file.GetInt("Ancestor", "SiblingLineStyle"), bSiblings ? 1 : 3);
        EXPECT_EQ(file.GetString("Descendant", "LineStyle"), "0");
    }
}

// Start person 0 has no descendants: the blank ancestor form is kept alone,
// in the direction that builds the descendants first too.
TEST(HourglassChart, OneHalfMissingKeepsTheOther)
{
    for (const char* direction : {"DOWN", "LEFT"}) {
        SCOPED_TRACE(direction);
        const Chart chart(Hourglass(std::string("Direction=") + direction + "\nAncestorGenerations=3\n", 0));
        EXPECT_EQ(chart.boxes.size(), 7u);
        EXPECT_EQ(chart.points.size(), 3u);
    }
}

TEST(HourglassChart, DrawsEveryDirection)
{
    for (const char* direction : {"DOWN", "UP", "RIGHT", "LEFT"}) {
        SCOPED_TRACE(direction);
        const Chart chart(Hourglass(std::string("Direction=") + direction +
                                    "\nAncestorGenerations=3\nDescendantGenerations=3\n"));
        const std::unique_ptr<quorrel_test::DibCanvas> canvas =
            chart_test::DrawChart(chart.model, std::string("hourglass-") + direction);
        EXPECT_EQ(chart.Overlaps(), std::vector<std::string>{});
        EXPECT_GT(canvas->Count(CRect(0, 0, canvas->Width(), canvas->Height()), RGB(0, 0, 255)), 100);
    }
}

}  // namespace
