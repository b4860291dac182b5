#include "charts/AncestorChart.h"
#include "chartparts/CIndiBox.h"
#include "chartparts/CQuorrelModel.h"
#include "chartparts/CSymbol.h"
#include "chartparts/DefaultPropertySource.h"
#include "engine/CODFontProperties.h"
#include "engine/CODLinkComponent.h"
#include "engine/CODPortComponent.h"
#include "platform/CommandFile.h"
#include "tests/charts/ChartContents.h"
#include "tests/charts/ChartPicture.h"
#include "tests/charts/PedigreeProject.h"
#include "tests/support/DibCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using pedigree::CommandFileWith;

// The layout of the tests: 100 wide boxes, gaps of 40 between generations and 6 between boxes.
const std::string kLayout = "GenerationGap=40\nLeftGap=10\nTopGap=20\nBoxGap=6\n";

struct Chart : chart_test::ChartContents {
    explicit Chart(const std::string& path, DefaultPropertySource* defaults = nullptr)
    {
        const CommandFile file(path);
        result = BuildAncestorChart(file, model, defaults);
        Collect(model);
    }

    CQuorrelModel model;
    CIndiBox* result = nullptr;
};

// The blank form of three generations: boxes in list order (start person,
// father, mother, then the grandparents by number) and the connection points
// of the start person, the father and the mother. An empty box is 11 high.
TEST(AncestorChart, BlankFormInEveryDirection)
{
    const struct {
        const char* direction;
        std::vector<CPoint> corners;
        std::vector<CPoint> points;
    } cases[] = {
        {"RIGHT",
         {{10, 45}, {150, 28}, {150, 62}, {290, 20}, {290, 37}, {290, 54}, {290, 71}},
         {{130, 50}, {270, 33}, {270, 67}}},
        {"LEFT",
         {{290, 45}, {150, 28}, {150, 62}, {10, 20}, {10, 37}, {10, 54}, {10, 71}},
         {{270, 50}, {130, 33}, {130, 67}}},
        // Rows are Height (30) plus the gap apart, since every box is lower than Height.
        {"down",
         {{179, 20}, {73, 90}, {285, 90}, {20, 160}, {126, 160}, {232, 160}, {338, 160}},
         {{229, 70}, {123, 140}, {335, 140}}},
        // The oldest row starts one Height above TopGap.
        {"Up",
         {{179, 130}, {73, 60}, {285, 60}, {20, -10}, {126, -10}, {232, -10}, {338, -10}},
         {{229, 110}, {123, 40}, {335, 40}}},
        {"sideways", {{10, 45}, {150, 28}, {150, 62}, {290, 20}, {290, 37}, {290, 54}, {290, 71}},
         {{130, 50}, {270, 33}, {270, 67}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.direction);
        const Chart chart(CommandFileWith(0, "[Ancestor]\ngenerations=3\n" + kLayout + "Direction=" + c.direction + "\n"));
        EXPECT_EQ(chart.Corners(), c.corners);
        EXPECT_EQ(chart.Points(), c.points);
        EXPECT_EQ(chart.links.size(), 9u);
        // The blank form's start person is 0, like every box: the last one is the result.
        EXPECT_EQ(chart.result, chart.boxes.back());
    }
}

TEST(AncestorChart, BlankFormOfFourGenerationsIsAFullTree)
{
    const Chart chart(CommandFileWith(0, "[Ancestor]\ngenerations=4\n" + kLayout));
    ASSERT_EQ(chart.boxes.size(), 15u);
    EXPECT_EQ(chart.points.size(), 7u);
    // Every parent pair is centred on its child; the generations are columns.
    for (std::size_t n = 1; n < 8; ++n) {
        const CRect child = chart.boxes[n - 1]->GetBounds();
        const CRect father = chart.boxes[2 * n - 1]->GetBounds();
        const CRect mother = chart.boxes[2 * n]->GetBounds();
        EXPECT_EQ(child.top, father.top + (mother.top - father.top) / 2) << n;
        EXPECT_EQ(father.left, child.left + 140) << n;
    }
}

// Parents centred on their children and no two boxes of a generation
// overlapping, on a wide form where the shifts of one pass pile up.
TEST(AncestorChart, ArrangingCentresParentsWithoutOverlaps)
{
    for (const char* direction : {"DOWN", "LEFT"}) {
        SCOPED_TRACE(direction);
        const Chart chart(CommandFileWith(0, std::string("[Ancestor]\ngenerations=7\n") + kLayout +
                                                 "Direction=" + direction + "\n"));
        ASSERT_EQ(chart.boxes.size(), 127u);
        const bool across = std::string(direction) == "DOWN";
        const auto cross = [&](std::size_t i) {
            const CRect b = chart.boxes[i]->GetBounds();
            return across ? b.left : b.top;
        };
        for (std::size_t n = 1; n < 64; ++n)
            EXPECT_EQ(cross(n - 1), cross(2 * n - 1) + (cross(2 * n) - cross(2 * n - 1)) / 2) << n;
        for (std::size_t n = 2; n < 128; ++n) {
            if ((n & (n - 1)) != 0) {  // not the first of its generation
                EXPECT_GE(cross(n - 1), cross(n - 2) + (across ? 106 : 17)) << n;
            }
        }
    }
}

TEST(AncestorChart, PedigreeCollapseAndSiblings)
{
    const Chart chart(CommandFileWith(pedigree::Paul, "[Ancestor]\ngenerations=4\nProcessSibling=TRUE\n" + kLayout));
    // Siblings by birth order around Paul; Gus is met twice in the third
    // generation and only the occurrence taken first (number 6) is expanded.
    const std::vector<std::string> names = {"Sue Lee", "Paul Lee", "Sam Lee", "Sid Lee", "Fred Lee", "Mona Lee",
                                            "Gus Lee", "Gina Lee", "Gus Lee", "Hilda Lee", "Otto Lee", "Olga Lee"};
    ASSERT_EQ(chart.Names(), names);
    EXPECT_EQ(chart.result, chart.boxes[1]);

    // One sibling connector, 15 (40 x 39 %) right of the four boxes, to their parents' side.
    ASSERT_EQ(chart.points.size(), 5u);
    const CSymbol* siblings = chart.points[0];
    std::vector<CODPortComponent*> right;
    for (std::size_t i = 0; i < 4; ++i)
        right.push_back(chart.boxes[i]->GetPort(1));
    EXPECT_EQ(chart.Reached(siblings), right);
    EXPECT_EQ(siblings->GetPort(0)->GetPosition().x, 110 + 15);

    // Generation connectors of Paul, Fred, Mona and the second Gus only: the
    // first Gus box is drawn without parents.
    const CIndiBox* firstGus = chart.boxes[6];
    const CIndiBox* secondGus = chart.boxes[8];
    for (const CSymbol* point : chart.points) {
        const std::vector<CODPortComponent*> reached = chart.Reached(point);
        EXPECT_EQ(std::count(reached.begin(), reached.end(), firstGus->GetPort(1)), 0);
    }
    const std::vector<CODPortComponent*> gus = chart.Reached(chart.points[4]);
    EXPECT_EQ(gus, (std::vector<CODPortComponent*>{chart.boxes[10]->GetPort(0), secondGus->GetPort(1),
                                                   chart.boxes[11]->GetPort(0)}));
    EXPECT_EQ(chart.points[4]->GetPort(0)->GetPosition(),
              CPoint(chart.boxes[10]->GetBounds().left - 20, secondGus->GetPort(1)->GetPosition().y));
}

// The deepest generation reached decides how many columns there are (LEFT
// shows it: the start person's column counts from the far side).
TEST(AncestorChart, GenerationsFollowTheDeepestReached)
{
    const struct {
        const char* what;
        int start;
        int generations;
        std::vector<CPoint> corners;
    } cases[] = {
        {"no parents, five asked: one column", pedigree::Lone, 5, {{10, 20}}},
        {"parents without parents: two columns", pedigree::Kid, 5, {{150, 28}, {10, 20}, {10, 37}}},
        {"no parents, two asked: the empty column stays", pedigree::Lone, 2, {{150, 20}}},
        {"one asked: the start person at the margin", pedigree::Paul, 1, {{10, 20}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Chart chart(CommandFileWith(c.start, "[Ancestor]\ngenerations=" + std::to_string(c.generations) +
                                                       "\nDirection=LEFT\n" + kLayout));
        EXPECT_EQ(chart.Corners(), c.corners);
        EXPECT_EQ(chart.points.size(), c.corners.size() > 1 ? 1u : 0u);
    }
}

TEST(AncestorChart, OneGenerationWithSiblingsHasOnlyTheSiblingConnector)
{
    const Chart chart(CommandFileWith(pedigree::Paul, "[Ancestor]\ngenerations=1\nProcessSibling=TRUE\n" + kLayout));
    EXPECT_EQ(chart.Names(), (std::vector<std::string>{"Sue Lee", "Paul Lee", "Sam Lee", "Sid Lee"}));
    ASSERT_EQ(chart.points.size(), 1u);
    EXPECT_EQ(chart.Reached(chart.points[0]).size(), 4u);
}

TEST(AncestorChart, FatherWithoutMotherJoinsHisPortTwice)
{
    const Chart chart(CommandFileWith(pedigree::Tom, "[Ancestor]\ngenerations=2\nDirection=DOWN\n" + kLayout));
    ASSERT_EQ(chart.boxes.size(), 2u);
    ASSERT_EQ(chart.points.size(), 1u);
    CODPortComponent* fatherTop = chart.boxes[1]->GetPort(2);
    CODPortComponent* childBottom = chart.boxes[0]->GetPort(3);
    EXPECT_EQ(chart.Reached(chart.points[0]), (std::vector<CODPortComponent*>{fatherTop, childBottom, fatherTop}));
    EXPECT_EQ(chart.points[0]->GetPort(0)->GetPosition(),
              CPoint(childBottom->GetPosition().x, fatherTop->GetPosition().y - 20));
}

TEST(AncestorChart, MissingProjectBuildsNothing)
{
    const std::string path = CommandFileWith(pedigree::Paul, "[Ancestor]\ngenerations=3\n");
    CommandFile file(path);
    file.WriteString("database", "file", "no/such/PROJECT");
    CQuorrelModel model;
    EXPECT_EQ(BuildAncestorChart(file, model, nullptr), nullptr);
    EXPECT_EQ(model.GetChildCount(), 0);
}

class FontDefaults : public DefaultPropertySource {
public:
    std::vector<const CODProperty*> GetDefaultProperties() const override { return {&font}; }
    std::vector<CODProperty*> EditDefaultProperties() override { return {&font}; }
    CODFontProperties font;
};

TEST(AncestorChart, SetsTheDefaultFont)
{
    const struct {
        const char* lines;
        const char* face;
        int points;
        COLORREF colour;
    } cases[] = {
        {"", "", 8, RGB(200, 200, 255)},
        {"DefFont=Courier New\nDefFontSize=0\nDefFontColor=10 20 30\n", "Courier New", 8, RGB(10, 20, 30)},
        {"DefFont=Arial\nDefFontSize=14\n", "Arial", 14, RGB(200, 200, 255)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        FontDefaults defaults;
        defaults.font.SetFaceName("Times New Roman");
        const Chart chart(CommandFileWith(pedigree::Lone, std::string("[Ancestor]\ngenerations=1\n") + c.lines),
                          &defaults);
        EXPECT_EQ(defaults.font.GetFaceName(), c.face);
        EXPECT_EQ(defaults.font.GetPointSize(), c.points);
        EXPECT_EQ(defaults.font.GetColor(), c.colour);
    }
}

// Draws a four-generation chart into a DIB section for a look: the generation
// lines must reach from each child to its parents, and no box may hide another.
TEST(AncestorChart, DrawsBoxesAndLines)
{
    const struct {
        const char* direction;
        int towardParents;  // port of the child's box
    } cases[] = {{"RIGHT", 1}, {"LEFT", 0}, {"DOWN", 3}, {"UP", 2}};
    for (const auto& [direction, towardParents] : cases) {
        SCOPED_TRACE(direction);
        const Chart chart(CommandFileWith(pedigree::Paul, std::string("[Ancestor]\ngenerations=4\nProcessSibling=TRUE\n"
                                                                      "linecolor=0 0 255\nSiblingLineColor=255 0 0\n"
                                                                      "Direction=") +
                                                          direction + "\n" + kLayout));
        const std::unique_ptr<quorrel_test::DibCanvas> picture =
            chart_test::DrawChart(chart.model, std::string("ancestor-") + direction);
        const quorrel_test::DibCanvas& canvas = *picture;
        EXPECT_EQ(chart.Overlaps(), std::vector<std::string>{});
        // Blue generation lines run between each connection point and the child's box.
        const CPoint paul = chart.boxes[1]->GetPort(towardParents)->GetPosition();
        const CPoint joint = chart.points[1]->GetPort(0)->GetPosition();
        const CRect content = chart.model.GetComponentsBounds();
        const CPoint shift(chart_test::kPictureMargin - content.left,
                           chart_test::kPictureMargin - content.top);  // logical to device
        const CRect between(std::min(paul.x, joint.x) - 1 + shift.x, std::min(paul.y, joint.y) - 1 + shift.y,
                            std::max(paul.x, joint.x) + 2 + shift.x, std::max(paul.y, joint.y) + 2 + shift.y);
        EXPECT_GT(canvas.Count(between, RGB(0, 0, 255)), 10);
        EXPECT_GT(canvas.Count(CRect(0, 0, canvas.Width(), canvas.Height()), RGB(255, 0, 0)), 10);
    }
}

}  // namespace
