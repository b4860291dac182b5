#include "charts/FanChart.h"
#include "charts/FanGeometry.h"
#include "chartparts/CCurveText.h"
#include "chartparts/CQuorrelModel.h"
#include "chartparts/CSymbol.h"
#include "data/ProjectDatabase.h"
#include "engine/CODCurveComponent.h"
#include "engine/CODFontProperties.h"
#include "engine/CODLineComponent.h"
#include "engine/CODLineProperties.h"
#include "engine/ODHelpers.h"
#include "engine/PropertyIds.h"
#include "platform/CommandFile.h"
#include "tests/charts/PedigreeProject.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/TestEnvironment.h"
#include "tools/projectwriter/ProjectWriter.h"
#include "tools/projectwriter/SyntheticProject.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

using pedigree::CommandFileWith;

// The fan's children sorted by kind, in their drawing order.
struct Fan {
    explicit Fan(const std::string& path, const std::string& name = "")
    {
        const CommandFile file(path);
        BuildFanChart(file, model, nullptr, nullptr);
        for (int i = 0; i < model.GetChildCount(); ++i)
            if (model.GetChild(i)->GetName() == "Fan Chart")
                container = model.GetChild(i);
        if (container == nullptr)
            return;
        for (CODComponent* child : container->GetChildren()) {
            kinds += Kind(*child);
            if (auto* line = dynamic_cast<CODLineComponent*>(child))
                lines.push_back(line);
            else if (auto* curve = dynamic_cast<CODCurveComponent*>(child))
                arcs.push_back(curve);
            else if (auto* text = dynamic_cast<CODTextComponent*>(child))
                texts.push_back(text);
            else if (child->GetName() == "Arrow")
                arrows.push_back(static_cast<CSymbol*>(child));
        }
        SaveIfAsked(name);
    }

    static char Kind(const CODComponent& child)
    {
        if (dynamic_cast<const CODLineComponent*>(&child))
            return 'L';
        if (dynamic_cast<const CODCurveComponent*>(&child))
            return 'A';
        if (dynamic_cast<const CCurveText*>(&child))
            return 'C';
        if (dynamic_cast<const CODTextComponent*>(&child))
            return 'T';
        return child.GetName() == "Arrow" ? '>' : '?';
    }

    // Ends of a line, relative to the given origin.
    static std::pair<CPoint, CPoint> Ends(const CODLineComponent& line, const CPoint& origin)
    {
        const std::vector<POINT>& points = line.GetWorldPoints();
        return {CPoint(points.front().x - origin.x, points.front().y - origin.y),
                CPoint(points.back().x - origin.x, points.back().y - origin.y)};
    }

    void SaveIfAsked(const std::string& name) const
    {
        if (name.empty() || container == nullptr)
            return;
        const CRect bounds = container->GetBounds();
        quorrel_test::DibCanvas canvas(bounds.Width() + 40, bounds.Height() + 40);
        canvas.DC().SetWindowOrg(bounds.left - 20, bounds.top - 20);
        container->Draw(&canvas.DC());
        canvas.SaveIfAsked(name);
    }

    CQuorrelModel model;
    CODComponent* container = nullptr;
    std::string kinds;
    std::vector<CODLineComponent*> lines;
    std::vector<CODCurveComponent*> arcs;
    std::vector<CODTextComponent*> texts;
    std::vector<CSymbol*> arrows;
};

std::string Settings(const std::string& lines)
{
    return "[FanChart]\nFontSize=10\nFont=Arial\nFontColor=0 0 0\nlinecolor=0 0 255\nlinewidth=1\n" + lines;
}

TEST(FanGeometry, PointsFromTheLeftClockwise)
{
    const FanGeometry fan(300);
    EXPECT_EQ(CPoint(fan.Centre()), CPoint(150, 150));
    const struct {
        double degrees;
        int distance;
        CPoint at;
    } cases[] = {
        {0, 100, {50, 150}},   {90, 100, {150, 50}},  {180, 100, {250, 150}},
        // cos 270 degrees comes out a hair below 0, which the truncation shows.
        {270, 100, {151, 250}}, {45, 100, {80, 80}},   {135, 100, {221, 80}}, {0, 0, {150, 150}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.degrees);
        EXPECT_EQ(CPoint(fan.At(c.degrees, c.distance)), c.at);
    }
}

// The blank form of three generations over a half circle, rings of 40: R is
// 120 and the centre (60, 60) before the fan is moved. Positions are taken
// relative to the common start of the sector edges.
TEST(FanChart, BlankHalfCircleLinesArrowsAndArcs)
{
    const Fan fan(CommandFileWith(0, Settings("generations=3\nDegreesWide=180\nStepWidth=40\nArrows=TRUE\n"
                                              "LocationX=500\nLocationY=300\n")),
                  "fan-blank-half");
    ASSERT_NE(fan.container, nullptr);
    // Edges, the rings' boundaries with an arrow between each father and
    // mother, the arcs and the rim, then the single text.
    EXPECT_EQ(fan.kinds, "LL" "LL>L" "LL>LL>L" "AAA" "T");
    const CPoint centre(fan.lines[0]->GetWorldPoints().front());
    const CPoint origin(centre.x - 60, centre.y - 60);
    using Ends = std::pair<CPoint, CPoint>;
    const std::vector<Ends> expected = {
        {{60, 60}, {20, 60}},  {{60, 60}, {100, 60}},                                              // edges
        {{20, 60}, {-20, 60}}, {{60, 20}, {60, -20}},   {{100, 60}, {140, 60}},                      // ring 2
        {{-20, 60}, {-60, 60}}, {{4, 4}, {-24, -24}},   {{60, -20}, {60, -60}}, {{117, 4}, {144, -24}},
        {{140, 60}, {180, 60}},                                                                      // ring 3
    };
    ASSERT_EQ(fan.lines.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(Fan::Ends(*fan.lines[i], origin), expected[i]) << i;
    // The fan is moved so that its bounds start at the location.
    EXPECT_EQ(fan.container->GetBounds().TopLeft(), CPoint(500, 300));

    // Arrow tips: half the font size (10) inward from the inner end of the
    // boundary between a father and his wife.
    ASSERT_EQ(fan.arrows.size(), 3u);
    const std::vector<CPoint> tips = {{60, 25}, {7, 7}, {113, 7}};
    for (std::size_t i = 0; i < tips.size(); ++i) {
        const auto* head = static_cast<const CODPointComponent*>(fan.arrows[i]->GetChild(0));
        const CPoint tip = head->GetWorldPoint(0);
        EXPECT_NEAR(tip.x - origin.x, tips[i].x, 1) << i;
        EXPECT_NEAR(tip.y - origin.y, tips[i].y, 1) << i;
    }

    // Arcs at radii 40 and 80 and the rim at 120, each from the start angle
    // to the end; every line in the chart's colour.
    ASSERT_EQ(fan.arcs.size(), 3u);
    const int radii[] = {40, 80, 120};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::vector<POINT>& points = fan.arcs[i]->GetWorldPoints();
        EXPECT_EQ((points.size() - 1) % 3, 0u);
        EXPECT_EQ(CPoint(points.front()) - origin, CPoint(60 - radii[i], 60)) << i;
        EXPECT_EQ(CPoint(points.back()) - origin, CPoint(60 + radii[i], 60)) << i;
        const auto* line = dynamic_cast<const CODLineProperties*>(fan.arcs[i]->GetProperty(OD_PROP_LINE, false));
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->GetColor(), RGB(0, 0, 255));
        EXPECT_EQ(line->GetTransparent(), 0);
    }
    // The middle text: its box as wide as the middle disc, half way out and
    // turned along the radius at 90 degrees (upward).
    const CRect box = fan.texts[0]->GetBounds();
    EXPECT_NEAR(box.CenterPoint().x - origin.x, 60, 1);
    EXPECT_NEAR(box.CenterPoint().y - origin.y, 40, 1);
    EXPECT_NEAR(box.Height(), 40, 1);
}

TEST(FanChart, EdgeCasesOfTheSettings)
{
    const struct {
        const char* what;
        const char* settings;
        const char* kinds;
    } cases[] = {
        // A full circle has no sector edges, and its boundary at the start is drawn twice.
        {"full circle", "generations=2\nDegreesWide=360\nStepWidth=40\n", "LLL" "AA" "T"},
        {"one generation: no arc", "generations=1\nDegreesWide=180\n", "LL" "T"},
        {"one generation, full circle", "generations=1\nDegreesWide=360\n", "T"},
        // Nothing to divide: the middle only, where the boundaries would never end.
        {"no width", "generations=3\n", "LL" "T"},
        {"curved middle", "generations=2\nDegreesWide=180\nCurveGenerations=1\n", "LL" "LLL" "AA" "C"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Fan fan(CommandFileWith(0, Settings(c.settings)));
        EXPECT_EQ(fan.kinds, c.kinds);
    }
    const Fan full(CommandFileWith(0, Settings("generations=2\nDegreesWide=360\nStepWidth=40\n")));
    ASSERT_EQ(full.lines.size(), 3u);
    // A turn of 360 degrees lands within a unit of where it started.
    const std::vector<POINT>& first = full.lines[0]->GetWorldPoints();
    const std::vector<POINT>& last = full.lines[2]->GetWorldPoints();
    for (const POINT* ends : {&first.front(), &first.back()}) {
        const POINT& again = ends == &first.front() ? last.front() : last.back();
        EXPECT_NEAR(ends->x, again.x, 1);
        EXPECT_NEAR(ends->y, again.y, 1);
    }
}

TEST(FanChart, NegativeStartAngleCountsFrom360)
{
    const std::string rest = "generations=2\nDegreesWide=90\nStepWidth=40\n";
    const Fan down(CommandFileWith(0, Settings("startangle=-90\n" + rest)));
    const Fan same(CommandFileWith(0, Settings("startangle=270\n" + rest)));
    ASSERT_EQ(down.lines.size(), same.lines.size());
    for (std::size_t i = 0; i < down.lines.size(); ++i)
        EXPECT_EQ(Fan::Ends(*down.lines[i], CPoint()), Fan::Ends(*same.lines[i], CPoint())) << i;
    // The first edge points down from the centre (cos 270 degrees truncates to one unit right).
    const auto [from, to] = Fan::Ends(*down.lines[0], CPoint(down.lines[0]->GetWorldPoints().front()));
    EXPECT_EQ(to - from, CPoint(1, 40));
}

TEST(FanChart, BlankFormRingsAreStepWidthWide)
{
    // The middle disc is as wide as its text plus 30 where that is wider than the step.
    const struct {
        const char* stepWidth;
        int ring;
        int middle;
    } cases[] = {{"StepWidth=25\n", 25, 66}, {"StepWidth=0\n", 30, 66}, {"", 30, 66}, {"StepWidth=50\n", 50, 50}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ring);
        const Fan fan(CommandFileWith(0, Settings(std::string("generations=3\nDegreesWide=180\n") + c.stepWidth)));
        ASSERT_EQ(fan.arcs.size(), 3u);
        ASSERT_EQ(fan.texts.size(), 1u);
        EXPECT_EQ(fan.texts[0]->GetText(), " ");  // the empty record's name
        const CPoint centre(fan.lines[0]->GetWorldPoints().front());
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(centre.x - fan.arcs[i]->GetWorldPoints().front().x, c.middle + i * c.ring) << i;
    }
}

// Lone has no parents: both outer rings get the widest straight text, here
// F0 x 11 = 110, which is wider than her name.
TEST(FanChart, RingWithoutAncestorsGetsTheWidestText)
{
    const Fan fan(CommandFileWith(pedigree::Lone, Settings("generations=3\nDegreesWide=180\n")));
    ASSERT_EQ(fan.texts.size(), 1u);
    EXPECT_EQ(fan.texts[0]->GetText(), "Lone Lee");
    ASSERT_EQ(fan.arcs.size(), 3u);
    const int x1 = fan.arcs[0]->GetWorldPoints().front().x;
    const int x2 = fan.arcs[1]->GetWorldPoints().front().x;
    const int x3 = fan.arcs[2]->GetWorldPoints().front().x;
    EXPECT_EQ(x1 - x2, 110);
    EXPECT_EQ(x2 - x3, 110);
}

// The pedigree fills every place an ancestor holds (Gus twice), curved as
// asked, the rest straight; names follow the pedigree numbers clockwise.
TEST(FanChart, CellsInPedigreeOrderCurvedUpToCurveGenerations)
{
    const struct {
        const char* curve;
        std::string kinds;
    } cases[] = {
        {"CurveGenerations=0\n", "TTTTTTT"},
        {"CurveGenerations=2\n", "CCCTTTT"},
        {"CurveGenerations=3\n", "CCCCCCC"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.curve);
        const Fan fan(CommandFileWith(pedigree::Paul, Settings(std::string("generations=3\nDegreesWide=270\n") + c.curve)));
        ASSERT_EQ(fan.texts.size(), 7u);
        std::string kinds;
        std::vector<std::string> names;
        for (const CODTextComponent* text : fan.texts) {
            kinds += Fan::Kind(*text);
            names.push_back(text->GetType());
        }
        EXPECT_EQ(kinds, c.kinds);
        EXPECT_EQ(names, (std::vector<std::string>{"Paul Lee", "Fred Lee", "Mona Lee", "Gus Lee", "Gina Lee",
                                                    "Gus Lee", "Hilda Lee"}));
    }
}

// Straight names lie along their cell's middle radius; with KeepUpRight
// none is turned to read leftward (upside down).
TEST(FanChart, StraightNamesAlongTheRadius)
{
    for (const bool upright : {false, true}) {
        SCOPED_TRACE(upright);
        const Fan fan(CommandFileWith(pedigree::Paul,
                                      Settings(std::string("generations=3\nDegreesWide=360\n") +
                                               (upright ? "KeepUpRight=TRUE\n" : ""))),
                      upright ? "fan-straight-upright" : "fan-straight");
        ASSERT_EQ(fan.texts.size(), 7u);
        for (const CODTextComponent* text : fan.texts) {
            const std::vector<POINT>& box = text->GetWorldPoints();
            const int angle = AngleBetween(box[0].x, box[0].y, box[1].x, box[1].y);
            if (upright) {
                EXPECT_LE(std::abs(angle), 900) << text->GetType();
            }
        }
        // Gina (number 5) is the second cell of four clockwise from the left:
        // the middle of her cell is at 135 degrees, up and to the right.
        // The centre: half way between the inner ends of the boundaries at 0 and 180 degrees.
        const POINT left = fan.lines[0]->GetWorldPoints().front();
        const POINT right = fan.lines[1]->GetWorldPoints().front();
        const CPoint centre((left.x + right.x) / 2, left.y);
        const CPoint gina = fan.texts[4]->GetBounds().CenterPoint();
        EXPECT_GT(gina.x, centre.x);
        EXPECT_LT(gina.y, centre.y);
        EXPECT_NEAR(gina.x - centre.x, centre.y - gina.y, 2);
    }
}

int PointSize(const CODComponent& text)
{
    const auto* font = dynamic_cast<const CODFontProperties*>(text.GetProperty(OD_PROP_FONT, false));
    return font != nullptr ? font->GetPointSize() : 0;
}

const std::string& TenGenerationProject()
{
    static const std::string path = [] {
        ProjectWriter writer;
        BuildPedigreeProject(writer, 10);
        const std::string written = (quorrel_test::TestDirectory() / "FAN10").string();
        writer.Write(written);
        return written;
    }();
    return path;
}

// The font is reduced at generations 8 and 10, never below 4 points.
TEST(FanChart, FontReductionsAndFloor)
{
    const struct {
        int fontSize;
        int degrees;
        int sizes[3];  // generations 7, 8 and 10
    } cases[] = {
        {12, 180, {12, 10, 7}},
        {12, 270, {12, 12, 9}},  // wider than a half circle: only the second reduction
        {5, 180, {5, 4, 4}},
        {5, 360, {5, 5, 4}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.fontSize) + " at " + std::to_string(c.degrees));
        const std::string path = (quorrel_test::TestDirectory() / "fan10.qrc").string();
        std::ofstream(path) << "[database]\nfile=" << TenGenerationProject() << "\nstartperson=1\n"
                            << "[FanChart]\ngenerations=10\nCurveGenerations=4\nDegreesWide=" << c.degrees
                            << "\nFontSize=" << c.fontSize << "\n";
        const Fan fan(path);
        ASSERT_EQ(fan.texts.size(), 1023u);
        EXPECT_EQ(PointSize(*fan.texts[63]), c.sizes[0]);    // first of generation 7
        EXPECT_EQ(PointSize(*fan.texts[126]), c.sizes[0]);   // last of generation 7
        EXPECT_EQ(PointSize(*fan.texts[127]), c.sizes[1]);   // first of generation 8
        EXPECT_EQ(PointSize(*fan.texts[510]), c.sizes[1]);   // last of generation 9
        EXPECT_EQ(PointSize(*fan.texts[511]), c.sizes[2]);   // first of generation 10
        EXPECT_EQ(PointSize(*fan.texts[1022]), c.sizes[2]);  // generation 10
    }
}

// A curved name that cannot fit its narrow cell is shortened until the name
// comes no shorter, and keeps the last form; the loop ends.
TEST(FanChart, CurvedNameTooLongKeepsItsShortestForm)
{
    const Fan fan(CommandFileWith(pedigree::Paul, Settings("generations=3\nDegreesWide=8\nCurveGenerations=3\n")));
    ASSERT_EQ(fan.texts.size(), 7u);
    ProjectDatabase database(pedigree::ProjectPath());
    database.Open();
    database.ReadPerson(pedigree::Gina);
    const std::string whole = database.GetName(0);
    const std::string& shortened = fan.texts[4]->GetText();
    EXPECT_LT(shortened.size(), whole.size());
    EXPECT_FALSE(shortened.empty());
    // Asking for still shorter gives nothing new.
    EXPECT_EQ(database.GetName(static_cast<std::int32_t>(shortened.size()) - 2), shortened);
}

// A full circle with KeepUpRight centres the curved middle name about the top.
TEST(FanChart, KeepUpRightCentresTheMiddleNameAtTheTop)
{
    for (const bool upright : {false, true}) {
        SCOPED_TRACE(upright);
        const Fan fan(CommandFileWith(pedigree::Paul,
                                      Settings(std::string("generations=1\nDegreesWide=360\nCurveGenerations=1\n"
                                                           "FontSize=12\n") +
                                               (upright ? "KeepUpRight=TRUE\n" : ""))));
        ASSERT_EQ(fan.texts.size(), 1u);
        const CRect bounds = fan.container->GetBounds();
        quorrel_test::DibCanvas canvas(bounds.Width() + 100, bounds.Height() + 100);
        canvas.DC().SetWindowOrg(bounds.left - 50, bounds.top - 50);
        fan.container->Draw(&canvas.DC());
        canvas.SaveIfAsked(upright ? "fan-middle-upright" : "fan-middle");
        const RECT ink = canvas.InkBounds();
        const int centreX = bounds.CenterPoint().x - bounds.left + 50;
        const int centreY = bounds.CenterPoint().y - bounds.top + 50;
        if (upright) {
            // Above the centre and balanced about the vertical through it (the
            // characters advance a little further than they are wide).
            EXPECT_LT(ink.bottom, centreY);
            EXPECT_NEAR((ink.left + ink.right) / 2, centreX, (ink.right - ink.left) / 10);
        } else {
            // From the left end upward.
            EXPECT_LT(ink.left, centreX - 20);
            EXPECT_LT(ink.right, centreX + 5);
        }
    }
}

}  // namespace
