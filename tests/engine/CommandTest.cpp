#include "engine/CODAlignCommand.h"
#include "engine/CODDeleteCommand.h"
#include "engine/CODDeleteVertexCommand.h"
#include "engine/CODDrawingController.h"
#include "engine/CODDrawingViewport.h"
#include "engine/CODEditProperties.h"
#include "engine/CODGroupCommand.h"
#include "engine/CODImageComponent.h"
#include "engine/CODInsertCommand.h"
#include "engine/CODInsertVertexCommand.h"
#include "engine/CODLabelComponent.h"
#include "engine/CODLineComponent.h"
#include "engine/CODLinkComponent.h"
#include "engine/CODLinkCommand.h"
#include "engine/CODMacroCommand.h"
#include "engine/CODModel.h"
#include "engine/CODMoveCommand.h"
#include "engine/CODMovePortCommand.h"
#include "engine/CODMoveVertexCommand.h"
#include "engine/CODNameCommand.h"
#include "engine/CODOrderCommand.h"
#include "engine/CODRectComponent.h"
#include "engine/CODRotateCommand.h"
#include "engine/CODScaleCommand.h"
#include "engine/CODTextCommand.h"
#include "engine/CODTextComponent.h"
#include "engine/CODTransparencyCommand.h"
#include "engine/CODUngroupCommand.h"
#include "engine/PropertyIds.h"
#include "tests/engine/StoredBytes.h"
#include "tests/engine/TestDiagram.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using Components = std::vector<CODComponent*>;

// Three boxes in a row on a large canvas, each a rectangle of its own.
class CommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_model.SetSize(4000, 4000);
        for (const CRect& rect : {CRect(100, 100, 201, 151), CRect(300, 120, 340, 220), CRect(500, 90, 560, 110)}) {
            auto* shape = new CODRectComponent();
            shape->Create(rect);
            m_model.AddChild(shape);
            m_boxes.push_back(shape);
        }
    }

    std::vector<CRect> Bounds() const
    {
        std::vector<CRect> bounds;
        for (const CODComponent* box : m_boxes)
            bounds.push_back(box->GetBounds());
        return bounds;
    }

    Components Order() { return m_model.GetChildren(); }

    CODModel m_model;
    Components m_boxes;
};

TEST_F(CommandTest, EachGeometryCommandIsUndoneExactly)
{
    struct Case {
        const char* name;
        std::function<std::unique_ptr<CODCommand>(CODModel*, const Components&)> make;
        std::vector<CRect> after;
        std::string description;
    };
    const Case cases[] = {
        {"move", [](CODModel* m, const Components& b) { return std::make_unique<CODMoveCommand>(m, Components{b[0], b[2]}, 10, -5); },
            {CRect(110, 95, 211, 146), CRect(300, 120, 340, 220), CRect(510, 85, 570, 105)},
            "Move Command: x = 10  y = -5"},
        {"rotate", [](CODModel* m, const Components& b) { return std::make_unique<CODRotateCommand>(m, Components{b[1]}, 900, CPoint(320, 170)); },
            {CRect(100, 100, 201, 151), CRect(270, 150, 370, 190), CRect(500, 90, 560, 110)},
            "Rotate Command: angle = 90.0  aspect ratio = 1:1"},
        {"scale from the top-left", [](CODModel* m, const Components& b) { return std::make_unique<CODScaleCommand>(m, Components{b[0], b[1]}, 2.0F, 0.5F, 0); },
            {CRect(100, 100, 302, 126), CRect(300, 120, 380, 170), CRect(500, 90, 560, 110)},
            "Scale Command: x = 200.0%  y = 50.0%  ref point = 0"},
        // Mirrored about its own centre, a shape of odd width stays where it was.
        {"flip", [](CODModel* m, const Components& b) { return std::make_unique<CODScaleCommand>(m, Components{b[0]}, -1.0F, 1.0F); },
            {CRect(100, 100, 201, 151), CRect(300, 120, 340, 220), CRect(500, 90, 560, 110)},
            "Scale Command: x = -100.0%  y = 100.0%  ref point = 8"},
        {"mirror about the right edge", [](CODModel* m, const Components& b) { return std::make_unique<CODScaleCommand>(m, Components{b[2]}, -1.0F, 1.0F, 2); },
            {CRect(100, 100, 201, 151), CRect(300, 120, 340, 220), CRect(560, 90, 620, 110)},
            "Scale Command: x = -100.0%  y = 100.0%  ref point = 2"},
        {"align tops", [](CODModel* m, const Components& b) { return std::make_unique<CODAlignCommand>(m, b, CODAlignCommand::Top); },
            {CRect(100, 90, 201, 141), CRect(300, 90, 340, 190), CRect(500, 90, 560, 110)},
            "Align Command: Alignment = Top"},
        {"align centres", [](CODModel* m, const Components& b) { return std::make_unique<CODAlignCommand>(m, b, CODAlignCommand::Center); },
            {CRect(480, 100, 581, 151), CRect(510, 120, 550, 220), CRect(500, 90, 560, 110)},
            "Align Command: Alignment = Center"},
        {"align bottoms", [](CODModel* m, const Components& b) { return std::make_unique<CODAlignCommand>(m, b, CODAlignCommand::Bottom); },
            {CRect(100, 59, 201, 110), CRect(300, 10, 340, 110), CRect(500, 90, 560, 110)},
            "Align Command: Alignment = Bottom"},
    };
    const std::vector<CRect> before = Bounds();
    for (const Case& c : cases) {
        std::unique_ptr<CODCommand> command = c.make(&m_model, m_boxes);
        EXPECT_EQ(command->GetDescription(), c.description) << c.name;
        ASSERT_TRUE(command->Execute()) << c.name;
        EXPECT_EQ(Bounds(), c.after) << c.name;
        ASSERT_TRUE(command->Unexecute()) << c.name;
        EXPECT_EQ(Bounds(), before) << c.name;
    }
}

TEST(ScaleCommand, UndoScalesByTheInverseAboutTheAnchorTheOldOneWentTo)
{
    struct Case {
        int anchor;
        float sx;
        float sy;
        int corresponding;
    };
    const Case cases[] = {
        {0, 2, 2, 0}, {0, -1, 1, 2}, {0, 1, -1, 6}, {0, -1, -1, 4}, {3, -1, 1, 7}, {1, 1, -1, 5},
        {5, -2, 1, 5}, {8, -1, -1, 8}, {9, -1, 1, 9},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CODScaleCommand::CorrespondingAnchor(c.anchor, c.sx, c.sy), c.corresponding)
            << c.anchor << " " << c.sx << " " << c.sy;

    CODModel model;
    model.SetSize(4000, 4000);
    auto* shape = new CODRectComponent();
    shape->Create(CRect(100, 100, 200, 140));
    model.AddChild(shape);
    CODScaleCommand command(&model, {shape}, -2.0F, 1.5F, 0);
    ASSERT_TRUE(command.Execute());
    // Doubled leftward from the left edge, half as high again downward.
    EXPECT_EQ(shape->GetBounds(), CRect(-100, 100, 100, 160));
    ASSERT_TRUE(command.Unexecute());
    EXPECT_EQ(shape->GetBounds(), CRect(100, 100, 200, 140));
    EXPECT_FALSE(CODScaleCommand(&model, {shape}, 0.0F, 1.0F).Execute());
}

TEST_F(CommandTest, DeleteAndInsertPutComponentsBackInTheirPlaces)
{
    const Components order = Order();
    CODDeleteCommand remove(&m_model, {m_boxes[1]});
    EXPECT_EQ(remove.GetDescription(), "Delete Command: 1 components");
    ASSERT_TRUE(remove.Execute());
    EXPECT_EQ(Order(), (Components{m_boxes[0], m_boxes[2]}));
    EXPECT_EQ(m_boxes[1]->GetParent(), nullptr);
    EXPECT_TRUE(m_model.ComponentsAt(CPoint(320, 170), 0).empty());
    ASSERT_TRUE(remove.Unexecute());
    EXPECT_EQ(Order(), order);
    EXPECT_EQ(m_model.ComponentsAt(CPoint(320, 170), 0), Components{m_boxes[1]});
    // A component that is not in the model cannot be deleted.
    auto* loose = new CODRectComponent();
    loose->Create(CRect(0, 0, 5, 5));
    CODDeleteCommand refused(&m_model, {m_boxes[0], loose});
    EXPECT_FALSE(refused.Execute());
    EXPECT_EQ(Order(), order);

    {
        CODInsertCommand insert(&m_model, {loose});
        EXPECT_EQ(insert.GetDescription(), "Insert Command: 1 components");
        ASSERT_TRUE(insert.Execute());
        EXPECT_EQ(Order().back(), loose);
        EXPECT_FALSE(CODInsertCommand(&m_model, {loose}).Execute());
        ASSERT_TRUE(insert.Unexecute());
        EXPECT_EQ(Order(), order);
        // The insert and the refused delete hold it now, the model no more.
        EXPECT_EQ(loose->GetRefCount(), 2);
    }
}

TEST_F(CommandTest, OrderCommandsMoveMembersPastTheirNeighbours)
{
    CODComponent* d = new CODRectComponent();
    m_model.AddChild(d);
    CODComponent* a = m_boxes[0];
    CODComponent* b = m_boxes[1];
    CODComponent* c = m_boxes[2];
    struct Case {
        int kind;
        Components members;
        Components after;
        const char* description;
    };
    const Case cases[] = {
        {CODOrderCommand::Front, {b, a}, {c, d, a, b}, "Order Command: Front"},
        {CODOrderCommand::Back, {d, c}, {c, d, a, b}, "Order Command: Back"},
        {CODOrderCommand::Forward, {a, b}, {c, a, b, d}, "Order Command: Forward"},
        {CODOrderCommand::Forward, {d}, {a, b, c, d}, "Order Command: Forward"},
        {CODOrderCommand::Backward, {c, d}, {a, c, d, b}, "Order Command: Backward"},
        {CODOrderCommand::Backward, {b}, {b, a, c, d}, "Order Command: Backward"},
    };
    const Components before = Order();
    for (const Case& kase : cases) {
        CODOrderCommand command(&m_model, kase.members, kase.kind);
        EXPECT_EQ(command.GetDescription(), kase.description);
        ASSERT_TRUE(command.Execute());
        EXPECT_EQ(Order(), kase.after) << kase.description;
        ASSERT_TRUE(command.Unexecute());
        EXPECT_EQ(Order(), before);
    }
    EXPECT_EQ(CODOrderCommand(&m_model, {a}, 7).GetDescription(), "Order Command: Undefined");
}

TEST_F(CommandTest, GroupAndUngroupKeepGeometryOrderAndSelectability)
{
    const Components before = Order();
    const std::vector<CRect> bounds = Bounds();
    CODGroupCommand group(&m_model, {m_boxes[2], m_boxes[0]});
    EXPECT_EQ(group.GetDescription(), "Group Command: 2 components");
    ASSERT_TRUE(group.Execute());
    CODSymbolComponent* composite = group.GetGroup();
    // The group takes the frontmost member's place and keeps the drawing order.
    EXPECT_EQ(Order(), (Components{m_boxes[1], composite}));
    EXPECT_EQ(composite->GetChildren(), (Components{m_boxes[0], m_boxes[2]}));
    EXPECT_EQ(composite->GetBounds(), CRect(100, 90, 560, 151));
    const auto selectable = [](const CODComponent* c) {
        return dynamic_cast<const CODEditProperties*>(c->GetProperty(OD_PROP_EDIT, false))->IsSelectable();
    };
    EXPECT_EQ(selectable(m_boxes[0]), 0);

    // Moved as a whole, then broken up: the parts keep where the group took them.
    CODMoveCommand move(&m_model, {composite}, 7, 3);
    ASSERT_TRUE(move.Execute());
    CODUngroupCommand ungroup(&m_model, {composite});
    EXPECT_EQ(ungroup.GetDescription(), "Ungroup Command: 1 groups");
    ASSERT_TRUE(ungroup.Execute());
    EXPECT_EQ(Order(), (Components{m_boxes[1], m_boxes[0], m_boxes[2]}));
    EXPECT_EQ(m_boxes[0]->GetBounds(), CRect(107, 103, 208, 154));
    EXPECT_EQ(selectable(m_boxes[0]), 1);
    ASSERT_TRUE(ungroup.Unexecute());
    EXPECT_EQ(Order(), (Components{m_boxes[1], composite}));
    ASSERT_TRUE(move.Unexecute());
    ASSERT_TRUE(group.Unexecute());
    EXPECT_EQ(Order(), before);
    EXPECT_EQ(Bounds(), bounds);
    EXPECT_EQ(selectable(m_boxes[2]), 1);
    // Redo groups into the same composite.
    ASSERT_TRUE(group.Execute());
    EXPECT_EQ(group.GetGroup(), composite);
    EXPECT_FALSE(CODUngroupCommand(&m_model, {m_boxes[1]}).Execute());
    EXPECT_FALSE(CODGroupCommand(&m_model, {m_boxes[1]}).Execute());
}

TEST(VertexCommands, InsertDeleteAndMoveAPointOfALine)
{
    CODModel model;
    auto* line = new CODLineComponent();
    line->Create(std::vector<POINT>{{10, 10}, {110, 10}});
    model.AddChild(line);
    const auto points = [line] {
        std::vector<CPoint> all;
        for (int i = 0; i < line->GetPointCount(); ++i)
            all.push_back(line->GetPoint(i));
        return all;
    };
    CODInsertVertexCommand insert(&model, line, 1, CPoint(60, 50));
    EXPECT_EQ(insert.GetDescription(), "Insert Vertex Command: index = 1 point = (60,50)");
    ASSERT_TRUE(insert.Execute());
    EXPECT_EQ(points(), (std::vector<CPoint>{{10, 10}, {60, 50}, {110, 10}}));
    EXPECT_EQ(line->GetBounds().bottom - line->GetBounds().top >= 40, true);

    CODMoveVertexCommand move(&model, line, 2, -10, 5);
    EXPECT_EQ(move.GetDescription(), "Move Vertex Command: index = 2  x = -10  y = 5");
    ASSERT_TRUE(move.Execute());
    EXPECT_EQ(points()[2], CPoint(100, 15));

    CODDeleteVertexCommand remove(&model, line, 0);
    EXPECT_EQ(remove.GetDescription(), "Delete Vertex Command: index = 0");
    ASSERT_TRUE(remove.Execute());
    EXPECT_EQ(points(), (std::vector<CPoint>{{60, 50}, {100, 15}}));
    // A line keeps two points.
    EXPECT_FALSE(CODDeleteVertexCommand(&model, line, 0).Execute());
    ASSERT_TRUE(remove.Unexecute());
    ASSERT_TRUE(move.Unexecute());
    ASSERT_TRUE(insert.Unexecute());
    EXPECT_EQ(points(), (std::vector<CPoint>{{10, 10}, {110, 10}}));
    EXPECT_FALSE(CODInsertVertexCommand(&model, line, 3, CPoint()).Execute());
    EXPECT_FALSE(CODMoveVertexCommand(&model, line, 2, 1, 1).Execute());
}

TEST(PropertyCommands, TextNameTransparencyAndPortAreGivenBack)
{
    CODModel model;
    model.SetSize(2000, 2000);
    auto* text = new CODTextComponent();
    text->Create(CRect(10, 10, 200, 40), nullptr);
    text->SetText("Old");
    model.AddChild(text);

    CODTextCommand setText(&model, text, "New text");
    EXPECT_EQ(setText.GetDescription(), "Text Command: text = New text");
    ASSERT_TRUE(setText.Execute());
    EXPECT_EQ(text->GetText(), "New text");
    ASSERT_TRUE(setText.Unexecute());
    EXPECT_EQ(text->GetText(), "Old");

    text->SetName("Before");
    CODNameCommand rename(&model, text, "After");
    EXPECT_EQ(rename.GetDescription(), "Name Command: name = After");
    ASSERT_TRUE(rename.Execute());
    EXPECT_EQ(text->GetName(), "After");
    ASSERT_TRUE(rename.Unexecute());
    EXPECT_EQ(text->GetName(), "Before");

    auto* image = new CODImageComponent();
    model.AddChild(image);
    image->SetTransparent(0);
    image->SetTransparentColor(0x00123456);
    CODTransparencyCommand transparency(&model, {image, text}, true, 0x00FF00FF);
    EXPECT_EQ(transparency.GetDescription(),
              "Transparency Command: transparent value = TRUE transparent color = 0xff00ff");
    ASSERT_TRUE(transparency.Execute());
    EXPECT_EQ(image->IsTransparent(), 1);
    EXPECT_EQ(image->GetTransparentColor(), 0x00FF00FFU);
    ASSERT_TRUE(transparency.Unexecute());
    EXPECT_EQ(image->IsTransparent(), 0);
    EXPECT_EQ(image->GetTransparentColor(), 0x00123456U);
    EXPECT_FALSE(CODTransparencyCommand(&model, {text}, false, 0).Execute());

    CODSymbolComponent* box = test_diagram::AddBox(CRect(100, 100, 200, 160), model);
    CODCirclePort* port = test_diagram::AddPort(box, CPoint(200, 130));
    CODMovePortCommand movePort(&model, port, 0, 20);
    EXPECT_EQ(movePort.GetDescription(), "Move Port Command: x = 0  y = 20");
    ASSERT_TRUE(movePort.Execute());
    EXPECT_EQ(port->GetPosition(), CPoint(200, 150));
    ASSERT_TRUE(movePort.Unexecute());
    EXPECT_EQ(port->GetPosition(), CPoint(200, 130));
}

TEST_F(CommandTest, MacroDoesAllOrNothingAndUndoesInReverse)
{
    const std::vector<CRect> before = Bounds();
    CODMacroCommand macro(&m_model);
    macro.Add(std::make_unique<CODMoveCommand>(&m_model, Components{m_boxes[0], m_boxes[1]}, 5, 0));
    macro.Add(std::make_unique<CODScaleCommand>(&m_model, Components{m_boxes[1], m_boxes[2]}, 2.0F, 1.0F, 0));
    EXPECT_EQ(macro.GetDescription(), "Macro Command: 2 commands on 3 components\n");
    ASSERT_TRUE(macro.Execute());
    EXPECT_EQ(m_boxes[1]->GetBounds(), CRect(305, 120, 385, 220));
    ASSERT_TRUE(macro.Unexecute());
    EXPECT_EQ(Bounds(), before);

    CODMacroCommand failing(&m_model);
    failing.Add(std::make_unique<CODMoveCommand>(&m_model, Components{m_boxes[0]}, 5, 0));
    failing.Add(std::make_unique<CODScaleCommand>(&m_model, Components{m_boxes[0]}, 0.0F, 1.0F));
    EXPECT_FALSE(failing.Execute());
    EXPECT_EQ(Bounds(), before);
}

TEST(LinkCommand, AddsAndTakesOutALink)
{
    CODModel model;
    model.SetSize(2000, 2000);
    CODSymbolComponent* left = test_diagram::AddBox(CRect(100, 100, 200, 160), model);
    CODSymbolComponent* right = test_diagram::AddBox(CRect(400, 100, 500, 160), model);
    auto* link = new CODLinkComponent();
    ASSERT_TRUE(link->Create(left->GetCentrePort(), right->GetCentrePort()));
    CODLinkCommand command(&model, {link});
    EXPECT_EQ(command.GetDescription(), "Link Command: 1 components");
    ASSERT_TRUE(command.Execute());
    EXPECT_EQ(model.GetChildren().back(), link);
    ASSERT_TRUE(command.Unexecute());
    EXPECT_EQ(model.GetChildCount(), 2);
}

}  // namespace

namespace {

// Two boxes on a canvas, joined by an orthogonal link from a port of the first
// to a port of the second.
struct LinkedBoxes {
    LinkedBoxes(const CRect& first, const CPoint& from, const CRect& second, const CPoint& to)
    {
        model.SetSize(2000, 2000);
        boxes[0] = test_diagram::AddBox(first, model);
        boxes[1] = test_diagram::AddBox(second, model);
        target = test_diagram::AddPort(boxes[1], to);
        link = new CODLinkComponent();
        link->CreateOrthogonal(test_diagram::AddPort(boxes[0], from), target);
        model.AddChild(link);
    }
    std::vector<CPoint> Path() const
    {
        const std::vector<POINT>& points = link->GetLine()->GetWorldPoints();
        return std::vector<CPoint>(points.begin(), points.end());
    }

    CODModel model;
    CODSymbolComponent* boxes[2] = {};
    CODCirclePort* target = nullptr;
    CODLinkComponent* link = nullptr;
};

TEST(MoveCommand, MovingABoxReroutesItsLinksAndUndoPutsThemBack)
{
    LinkedBoxes chart(CRect(100, 100, 200, 160), CPoint(200, 130), CRect(400, 100, 500, 160), CPoint(400, 130));
    const std::vector<CPoint> straight = chart.Path();
    ASSERT_EQ(straight.size(), 2U);

    CODMoveCommand move(&chart.model, {chart.boxes[1]}, 0, 100);
    ASSERT_TRUE(move.Execute());
    EXPECT_EQ(chart.target->GetPosition(), CPoint(400, 230));
    const std::vector<CPoint> bent = chart.Path();
    ASSERT_GE(bent.size(), 3U);
    EXPECT_EQ(bent.back(), CPoint(400, 230));
    ASSERT_TRUE(move.Unexecute());
    EXPECT_EQ(chart.target->GetPosition(), CPoint(400, 130));
    EXPECT_EQ(chart.Path(), straight);
}

// A box deleted in the editor takes its links with it and undo brings them
// back; a box taken out alone leaves links to nothing, and the chart stored
// then must still read again.
TEST(DeleteCommand, ALinkedBoxGoesWithItsLinksAndTheStoredChartReadsAgain)
{
    LinkedBoxes chart(CRect(100, 100, 200, 160), CPoint(200, 130), CRect(400, 100, 500, 160), CPoint(400, 130));
    CODDrawingViewport viewport;
    viewport.SetModel(&chart.model);
    {
        CODDrawingController controller(&viewport);
        controller.SetSelection({chart.boxes[1]});
        ASSERT_TRUE(controller.OnCommand(CODDrawingController::ID_EDIT_CLEAR));
        EXPECT_EQ(chart.model.GetChildren(), std::vector<CODComponent*>{chart.boxes[0]});
        CODModel reread;
        quorrel_test::Load(reread, quorrel_test::Store(chart.model));
        EXPECT_EQ(reread.GetChildCount(), 1);
        ASSERT_TRUE(controller.OnCommand(CODDrawingController::ID_EDIT_UNDO));
        EXPECT_EQ(chart.model.GetChildCount(), 3);
        EXPECT_EQ(chart.link->GetTargetPort(), chart.target);
    }

    CODDeleteCommand alone(&chart.model, {chart.boxes[1]});
    ASSERT_TRUE(alone.Execute());
    CODModel reread;
    quorrel_test::Load(reread, quorrel_test::Store(chart.model));
    EXPECT_EQ(reread.GetChildCount(), 2);
    ASSERT_TRUE(alone.Unexecute());
    CODModel whole;
    quorrel_test::Load(whole, quorrel_test::Store(chart.model));
    ASSERT_EQ(whole.GetChildCount(), 3);
    const auto* link = dynamic_cast<const CODLinkComponent*>(whole.GetChild(2));
    ASSERT_NE(link, nullptr);
    EXPECT_NE(link->GetTargetPort(), nullptr) << "the restored link is stored joined";
}

TEST(MoveCommand, ALinkMovedWithBothItsBoxesKeepsItsShape)
{
    LinkedBoxes chart(CRect(100, 100, 200, 160), CPoint(150, 160), CRect(400, 300, 500, 360), CPoint(450, 300));
    std::vector<CPoint> moved;
    for (const CPoint& point : chart.Path())
        moved.emplace_back(point.x + 50, point.y + 20);
    // Whatever the order, the boxes' news and the link's own move agree.
    CODComponent* top = chart.boxes[0];
    CODComponent* low = chart.boxes[1];
    for (const std::vector<CODComponent*>& order :
         {std::vector<CODComponent*>{top, low, chart.link}, std::vector<CODComponent*>{chart.link, top, low}}) {
        CODMoveCommand move(&chart.model, order, 50, 20);
        ASSERT_TRUE(move.Execute());
        EXPECT_EQ(chart.Path(), moved);
        ASSERT_TRUE(move.Unexecute());
    }
}

}  // namespace

namespace {

// A symbol's label is its sibling in the model: it leaves and comes back with it.
TEST(StructureCommands, ALabelGoesWithItsSymbolThroughDeleteGroupAndTheirUndo)
{
    CODModel model;
    model.SetSize(2000, 2000);
    CODSymbolComponent* box = test_diagram::AddBox(CRect(100, 100, 200, 160), model);
    CODSymbolComponent* other = test_diagram::AddBox(CRect(300, 100, 400, 160), model);
    CODLabelComponent* label = box->AddLabel("Henry Walker", 1, nullptr);
    ASSERT_NE(label, nullptr);
    const Components order = model.GetChildren();
    ASSERT_EQ(order, (Components{box, other, label}));

    CODDeleteCommand remove(&model, {box});
    ASSERT_TRUE(remove.Execute());
    EXPECT_EQ(model.GetChildren(), Components{other});
    ASSERT_TRUE(remove.Unexecute());
    EXPECT_EQ(model.GetChildren(), order);

    CODGroupCommand group(&model, {box, other});
    ASSERT_TRUE(group.Execute());
    EXPECT_EQ(model.GetChildren(), Components{group.GetGroup()});
    EXPECT_EQ(label->GetParent(), group.GetGroup());
    ASSERT_TRUE(group.Unexecute());
    EXPECT_EQ(model.GetChildren(), order);
    EXPECT_EQ(label->GetParent(), &model);
}

}  // namespace
