#include "engine/CODDrawingController.h"
#include "engine/CODDrawingViewport.h"
#include "engine/CODFillProperties.h"
#include "engine/CODLineComponent.h"
#include "engine/CODModel.h"
#include "engine/CODRectComponent.h"
#include "platform/Clipboard.h"
#include "tests/support/DibCanvas.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Components = std::vector<CODComponent*>;
using C = CODDrawingController;

// Three boxes on a canvas shown at 100 % from (0, 0), snap off unless a test
// turns it on.
class DrawingControllerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_model.SetSize(4000, 3000);
        m_viewport.SetModel(&m_model);
        m_viewport.m_bSnapToGrid = false;
        m_controller.SetClientSize(CSize(800, 600));
        for (const CRect& rect : {CRect(100, 100, 200, 150), CRect(300, 120, 340, 220), CRect(500, 90, 560, 110)}) {
            auto* shape = new CODRectComponent();
            shape->Create(rect);
            m_model.AddChild(shape);
            m_boxes.push_back(shape);
        }
        m_controller.m_onRepaint = [this](const CRect& rect) { m_repaints.push_back(rect); };
    }

    void Click(const CPoint& point, unsigned nFlags = 0)
    {
        m_controller.OnLButtonDown(nFlags, point);
        m_controller.OnLButtonUp(nFlags, point);
    }

    void Drag(const CPoint& from, const CPoint& to, unsigned nFlags = 0)
    {
        m_controller.OnLButtonDown(nFlags, from);
        m_controller.OnMouseMove(nFlags | MK_LBUTTON, CPoint((from.x + to.x) / 2, (from.y + to.y) / 2));
        m_controller.OnMouseMove(nFlags | MK_LBUTTON, to);
        m_controller.OnLButtonUp(nFlags, to);
    }

    std::vector<CRect> Bounds() const
    {
        std::vector<CRect> bounds;
        for (const CODComponent* box : m_boxes)
            bounds.push_back(box->GetBounds());
        return bounds;
    }

    const Components& Selection() const { return m_controller.GetSelection(); }
    int UndoCount() const { return m_model.GetHistory().GetUndoCount(); }

    CODModel m_model;
    CODDrawingViewport m_viewport;
    CODDrawingController m_controller{&m_viewport};
    Components m_boxes;
    std::vector<CRect> m_repaints;
};

TEST_F(DrawingControllerTest, ClickShiftClickAndRubberBandSelect)
{
    Click(CPoint(150, 125));
    EXPECT_EQ(Selection(), Components{m_boxes[0]});
    Click(CPoint(320, 200), MK_SHIFT);
    EXPECT_EQ(Selection(), (Components{m_boxes[0], m_boxes[1]}));
    Click(CPoint(150, 125), MK_SHIFT);
    EXPECT_EQ(Selection(), Components{m_boxes[1]});
    Click(CPoint(700, 500));
    EXPECT_TRUE(Selection().empty());
    // Only what lies wholly inside the band; Shift adds to what was selected.
    Drag(CPoint(90, 80), CPoint(350, 230));
    EXPECT_EQ(Selection(), (Components{m_boxes[0], m_boxes[1]}));
    Drag(CPoint(90, 80), CPoint(530, 230), MK_SHIFT);
    EXPECT_EQ(Selection().size(), 2U);
    Drag(CPoint(480, 80), CPoint(570, 120), MK_SHIFT);
    EXPECT_EQ(Selection(), (Components{m_boxes[0], m_boxes[1], m_boxes[2]}));
    EXPECT_EQ(UndoCount(), 0);
    EXPECT_FALSE(m_repaints.empty());

    Click(CPoint(700, 500));
    ASSERT_TRUE(m_controller.OnCommand(C::ID_EDIT_SELECT_ALL));
    EXPECT_EQ(Selection(), m_boxes);
}

TEST_F(DrawingControllerTest, ClicksAreMappedThroughTheZoomAndScroll)
{
    ASSERT_TRUE(m_viewport.SetMagnification(200, 200));
    m_viewport.SetScrollPosition(CPoint(50, 50));
    // Device (200, 150) is logical (150, 125) at 200 % from (50, 50).
    Click(CPoint(200, 150));
    EXPECT_EQ(Selection(), Components{m_boxes[0]});
    EXPECT_EQ(m_controller.DeviceToLogical(CPoint(200, 150)), CPoint(150, 125));
}

TEST_F(DrawingControllerTest, DraggingIsOneMoveCommandThatUndoReverts)
{
    const std::vector<CRect> before = Bounds();
    Drag(CPoint(150, 125), CPoint(187, 104));
    EXPECT_EQ(UndoCount(), 1);
    EXPECT_EQ(m_boxes[0]->GetBounds(), CRect(137, 79, 237, 129));
    EXPECT_EQ(m_model.GetHistory().GetUndoCommand()->GetDescription(), "Move Command: x = 37  y = -21");
    m_repaints.clear();
    ASSERT_TRUE(m_controller.OnCommand(C::ID_EDIT_UNDO));
    EXPECT_EQ(Bounds(), before);
    // Only where the box was and went is repainted.
    ASSERT_FALSE(m_repaints.empty());
    const CRect area = m_repaints.back();
    EXPECT_TRUE(area.left <= 100 && area.top <= 79 && area.right >= 237 && area.bottom >= 150) << area.left;
    EXPECT_LT(area.Width(), 200);
    ASSERT_TRUE(m_controller.OnCommand(C::ID_EDIT_REDO));
    EXPECT_EQ(m_boxes[0]->GetBounds(), CRect(137, 79, 237, 129));

    // With snap the top-left lands on the grid (0.125 inch: 12 units).
    m_viewport.m_bSnapToGrid = true;
    Drag(CPoint(150, 100), CPoint(170, 130));
    EXPECT_EQ(m_boxes[0]->GetBounds().TopLeft(), CPoint(156, 108));
    // A click that does not move does nothing to undo.
    Click(CPoint(180, 120));
    EXPECT_EQ(UndoCount(), 2);
    // Escape drops a drag.
    m_controller.OnLButtonDown(0, CPoint(180, 120));
    m_controller.OnMouseMove(MK_LBUTTON, CPoint(400, 400));
    EXPECT_FALSE(m_controller.GetTrackingRects().empty());
    EXPECT_TRUE(m_controller.OnKeyDown(VK_ESCAPE, 0));
    m_controller.OnLButtonUp(0, CPoint(400, 400));
    EXPECT_EQ(UndoCount(), 2);
}

TEST_F(DrawingControllerTest, DraggingAHandleIsOneScaleCommand)
{
    Click(CPoint(150, 125));
    // The bottom-right handle; the top-left corner stays.
    Drag(CPoint(200, 150), CPoint(250, 200));
    EXPECT_EQ(UndoCount(), 1);
    EXPECT_EQ(m_boxes[0]->GetBounds(), CRect(100, 100, 250, 200));
    EXPECT_EQ(m_model.GetHistory().GetUndoCommand()->GetDescription(),
              "Scale Command: x = 150.0%  y = 200.0%  ref point = 0");
    m_controller.OnCommand(C::ID_EDIT_UNDO);
    // The left-middle handle with Shift keeps the proportions about the right middle.
    Drag(CPoint(100, 125), CPoint(0, 125), MK_SHIFT);
    EXPECT_EQ(m_boxes[0]->GetBounds(), CRect(0, 75, 200, 175));
    EXPECT_EQ(Selection(), Components{m_boxes[0]});
}

TEST_F(DrawingControllerTest, NudgeMovesByOneAndByFiveWithShift)
{
    Click(CPoint(150, 125));
    struct Case {
        bool key;
        unsigned code;
        unsigned flags;
        CPoint offset;
    };
    const Case cases[] = {
        {true, VK_RIGHT, 0, {1, 0}}, {true, VK_LEFT, MK_SHIFT, {-5, 0}}, {true, VK_DOWN, MK_SHIFT, {0, 5}},
        {true, VK_UP, 0, {0, -1}}, {false, C::ID_OD_NUDGE_UP, MK_SHIFT, {0, -5}},
        {false, C::ID_OD_NUDGE_RIGHT, 0, {1, 0}}, {false, C::ID_OD_NUDGE_DOWN, 0, {0, 1}},
        {false, C::ID_OD_NUDGE_LEFT, MK_SHIFT, {-5, 0}},
    };
    for (const Case& c : cases) {
        const CPoint before = m_boxes[0]->GetBounds().TopLeft();
        unsigned held = c.flags;
        m_controller.m_onGetKeyFlags = [&held] { return held; };
        const bool handled = c.key ? m_controller.OnKeyDown(c.code, c.flags) : m_controller.OnCommand(int(c.code));
        EXPECT_TRUE(handled) << c.code;
        EXPECT_EQ(m_boxes[0]->GetBounds().TopLeft(), CPoint(before.x + c.offset.x, before.y + c.offset.y)) << c.code;
    }
    EXPECT_EQ(UndoCount(), 8);
}

TEST_F(DrawingControllerTest, AlignSpaceAndSameSizeOnThreeBoxes)
{
    struct Case {
        int id;
        std::vector<CRect> after;
    };
    // The primary selection (last selected) is the middle box.
    const Case cases[] = {
        {C::ID_OD_ALIGN_LEFT, {CRect(300, 100, 400, 150), CRect(300, 120, 340, 220), CRect(300, 90, 360, 110)}},
        {C::ID_OD_ALIGN_RIGHT, {CRect(240, 100, 340, 150), CRect(300, 120, 340, 220), CRect(280, 90, 340, 110)}},
        {C::ID_OD_ALIGN_MIDDLE, {CRect(100, 145, 200, 195), CRect(300, 120, 340, 220), CRect(500, 160, 560, 180)}},
        {C::ID_OD_ALIGN_TOP, {CRect(100, 120, 200, 170), CRect(300, 120, 340, 220), CRect(500, 120, 560, 140)}},
        // Free width 460 - 200 = 260 in two gaps of 130.
        {C::ID_OD_SPACE_ACROSS, {CRect(100, 100, 200, 150), CRect(330, 120, 370, 220), CRect(500, 90, 560, 110)}},
        // Tops 90, 100, 120; free height 130 - 170 = -40: they overlap by 20 twice.
        {C::ID_OD_SPACE_DOWN, {CRect(100, 90, 200, 140), CRect(300, 120, 340, 220), CRect(500, 90, 560, 110)}},
        {C::ID_OD_SAME_WIDTH, {CRect(100, 100, 140, 150), CRect(300, 120, 340, 220), CRect(500, 90, 540, 110)}},
        {C::ID_OD_SAME_HEIGHT, {CRect(100, 100, 200, 200), CRect(300, 120, 340, 220), CRect(500, 90, 560, 190)}},
        {C::ID_OD_SAME_SIZE, {CRect(100, 100, 140, 200), CRect(300, 120, 340, 220), CRect(500, 90, 540, 190)}},
    };
    const std::vector<CRect> before = Bounds();
    for (const Case& c : cases) {
        m_controller.SetSelection({m_boxes[0], m_boxes[2], m_boxes[1]});
        ASSERT_TRUE(m_controller.OnCommand(c.id)) << c.id;
        EXPECT_EQ(Bounds(), c.after) << c.id;
        EXPECT_EQ(UndoCount(), 1) << c.id;
        ASSERT_TRUE(m_controller.OnCommand(C::ID_EDIT_UNDO));
        EXPECT_EQ(Bounds(), before) << c.id;
        m_model.GetHistory().Clear();
    }
}

TEST_F(DrawingControllerTest, RotateAndFlipTheSelection)
{
    m_controller.SetSelection({m_boxes[1]});
    ASSERT_TRUE(m_controller.OnCommand(C::ID_OD_ROTATE_RIGHT));
    EXPECT_EQ(m_boxes[1]->GetBounds(), CRect(270, 150, 370, 190));
    ASSERT_TRUE(m_controller.OnCommand(C::ID_OD_ROTATE_LEFT));
    EXPECT_EQ(m_boxes[1]->GetBounds(), CRect(300, 120, 340, 220));
    EXPECT_EQ(m_model.GetHistory().GetUndoCommand()->GetDescription(),
              "Rotate Command: angle = -90.0  aspect ratio = 1:1");
    // Flipping keeps the bounds and mirrors the geometry.
    ASSERT_TRUE(m_controller.OnCommand(C::ID_OD_FLIP_VERTICAL));
    EXPECT_EQ(m_boxes[1]->GetBounds(), CRect(300, 120, 340, 220));
    EXPECT_FLOAT_EQ(m_boxes[1]->GetTransform()->m11, -1.0F);
    ASSERT_TRUE(m_controller.OnCommand(C::ID_OD_FLIP_HORIZONTAL));
    EXPECT_FLOAT_EQ(m_boxes[1]->GetTransform()->m22, -1.0F);
    EXPECT_EQ(m_model.GetHistory().GetUndoCommand()->GetDescription(),
              "Scale Command: x = 100.0%  y = -100.0%  ref point = 8");
    EXPECT_EQ(UndoCount(), 4);
}

TEST_F(DrawingControllerTest, GroupUngroupDeleteAndOrderThroughTheMenu)
{
    const Components order = m_model.GetChildren();
    m_controller.SetSelection({m_boxes[0], m_boxes[1]});
    ASSERT_TRUE(m_controller.OnCommand(C::ID_OD_GROUP));
    ASSERT_EQ(Selection().size(), 1U);
    CODComponent* group = Selection()[0];
    EXPECT_EQ(m_model.GetChildren(), (Components{group, m_boxes[2]}));
    EXPECT_TRUE(m_controller.IsCommandEnabled(C::ID_OD_UNGROUP));
    ASSERT_TRUE(m_controller.OnCommand(C::ID_OD_UNGROUP));
    EXPECT_EQ(Selection(), (Components{m_boxes[0], m_boxes[1]}));
    EXPECT_EQ(m_model.GetChildren(), order);
    ASSERT_TRUE(m_controller.OnCommand(C::ID_EDIT_UNDO));
    // The group left the model on undo, so it is no longer selected.
    ASSERT_TRUE(m_controller.OnCommand(C::ID_EDIT_UNDO));
    EXPECT_EQ(m_model.GetChildren(), order);

    m_controller.SetSelection({m_boxes[0]});
    ASSERT_TRUE(m_controller.OnCommand(C::ID_OD_BRING_TO_FRONT));
    EXPECT_EQ(m_model.GetChildren(), (Components{m_boxes[1], m_boxes[2], m_boxes[0]}));
    m_controller.OnCommand(C::ID_EDIT_UNDO);

    m_controller.SetSelection({m_boxes[1]});
    EXPECT_TRUE(m_controller.OnKeyDown(VK_DELETE, 0));
    EXPECT_EQ(m_model.GetChildren(), (Components{m_boxes[0], m_boxes[2]}));
    EXPECT_TRUE(Selection().empty());
    ASSERT_TRUE(m_controller.OnCommand(C::ID_EDIT_UNDO));
    EXPECT_EQ(m_model.GetChildren(), order);
}

TEST_F(DrawingControllerTest, CutAndPasteGiveBackTheComponents)
{
    Clipboard::Empty();
    EXPECT_FALSE(m_controller.IsCommandEnabled(C::ID_EDIT_PASTE));
    CODFillProperties fill;
    fill.SetColor(RGB(10, 20, 30));
    m_boxes[2]->AddProperty(fill);
    m_controller.SetSelection({m_boxes[2], m_boxes[0]});
    ASSERT_TRUE(m_controller.OnCommand(C::ID_EDIT_CUT));
    EXPECT_EQ(m_model.GetChildren(), Components{m_boxes[1]});
    ASSERT_TRUE(m_controller.IsCommandEnabled(C::ID_EDIT_PASTE));

    ASSERT_TRUE(m_controller.OnCommand(C::ID_EDIT_PASTE));
    const Components& children = m_model.GetChildren();
    ASSERT_EQ(children.size(), 3U);
    // Copies of the two, in drawing order, where they were, now selected.
    EXPECT_EQ(children[1]->GetBounds(), CRect(100, 100, 200, 150));
    EXPECT_EQ(children[2]->GetBounds(), CRect(500, 90, 560, 110));
    EXPECT_EQ(Selection(), (Components{children[1], children[2]}));
    COLORREF colour = 0;
    children[2]->GetProperty(OD_PROP_FILL)->GetValue(OD_FILL_COLOR, colour);
    EXPECT_EQ(colour, RGB(10, 20, 30));
    EXPECT_NE(children[1]->GetId(), children[2]->GetId());
    // Paste again: more copies; undo takes them out.
    ASSERT_TRUE(m_controller.OnCommand(C::ID_EDIT_PASTE));
    EXPECT_EQ(m_model.GetChildCount(), 5);
    ASSERT_TRUE(m_controller.OnCommand(C::ID_EDIT_UNDO));
    EXPECT_EQ(m_model.GetChildCount(), 3);

    // Bytes that are no components are refused.
    Clipboard::SetData(C::kClipboardFormat, {1, 0, 0, 0, 0xFF, 0xFF});
    EXPECT_FALSE(m_controller.OnCommand(C::ID_EDIT_PASTE));
    EXPECT_EQ(m_model.GetChildCount(), 3);
    Clipboard::Empty();
}

TEST_F(DrawingControllerTest, CommandsAreEnabledByTheSelection)
{
    const int selectionCommands[] = {C::ID_EDIT_CLEAR, C::ID_EDIT_CUT, C::ID_EDIT_COPY, C::ID_OD_BRING_TO_FRONT,
        C::ID_OD_SEND_BACKWARD, C::ID_OD_NUDGE_UP, C::ID_OD_ALIGN_TOP, C::ID_OD_SPACE_ACROSS, C::ID_OD_SAME_SIZE,
        C::ID_OD_ROTATE_LEFT, C::ID_OD_FLIP_VERTICAL, C::ID_OD_PROPERTIES};
    for (int id : selectionCommands) {
        m_controller.SetSelection({});
        EXPECT_FALSE(m_controller.IsCommandEnabled(id)) << id;
        EXPECT_FALSE(m_controller.OnCommand(id)) << id;
        m_controller.SetSelection({m_boxes[0]});
        EXPECT_TRUE(m_controller.IsCommandEnabled(id)) << id;
    }
    EXPECT_FALSE(m_controller.IsCommandEnabled(C::ID_OD_GROUP));
    EXPECT_FALSE(m_controller.IsCommandEnabled(C::ID_OD_UNGROUP));
    m_controller.SetSelection({m_boxes[0], m_boxes[1]});
    EXPECT_TRUE(m_controller.IsCommandEnabled(C::ID_OD_GROUP));
    EXPECT_FALSE(m_controller.IsCommandEnabled(C::ID_EDIT_UNDO));
    EXPECT_FALSE(m_controller.IsCommandEnabled(C::ID_EDIT_REDO));
    m_controller.OnCommand(C::ID_OD_NUDGE_UP);
    EXPECT_TRUE(m_controller.IsCommandEnabled(C::ID_EDIT_UNDO));
    // The zooms and switches need no selection.
    m_controller.SetSelection({});
    EXPECT_TRUE(m_controller.IsCommandEnabled(C::ID_OD_ZOOM_50));
    EXPECT_TRUE(m_controller.IsCommandEnabled(C::ID_OD_GRID));
    CODDrawingViewport empty;
    CODDrawingController unattached(&empty);
    EXPECT_FALSE(unattached.IsCommandEnabled(C::ID_OD_GRID));
}

TEST_F(DrawingControllerTest, ZoomAndSwitchCommandsAreCheckedByTheirState)
{
    struct Case {
        int id;
        int percent;
    };
    for (const Case& c : {Case{C::ID_OD_ZOOM_200, 200}, Case{C::ID_OD_ZOOM_50, 50}, Case{C::ID_OD_ZOOM_75, 75},
             Case{C::ID_OD_ZOOM_100, 100}, Case{C::ID_OD_ZOOM_NORMAL, 100}}) {
        ASSERT_TRUE(m_controller.OnCommand(c.id));
        EXPECT_EQ(m_viewport.GetMagnification(), CSize(c.percent, c.percent));
        EXPECT_TRUE(m_controller.IsCommandChecked(c.id)) << c.id;
    }
    EXPECT_FALSE(m_controller.IsCommandChecked(C::ID_OD_ZOOM_200));
    m_viewport.SetMagnification(100, 200);
    EXPECT_FALSE(m_controller.IsCommandChecked(C::ID_OD_ZOOM_100));

    struct Switch {
        int id;
        bool CODDrawingViewport::*flag;
    };
    for (const Switch& s : {Switch{C::ID_OD_GRID, &CODDrawingViewport::m_bGridVisible},
             Switch{C::ID_OD_PAGE_BOUNDS, &CODDrawingViewport::m_bPagesVisible},
             Switch{C::ID_OD_SNAP_TO_GRID, &CODDrawingViewport::m_bSnapToGrid},
             Switch{C::ID_OD_ANGLE_SNAP, &CODDrawingViewport::m_bAngleSnap}}) {
        const bool was = m_viewport.*s.flag;
        EXPECT_EQ(m_controller.IsCommandChecked(s.id), was);
        ASSERT_TRUE(m_controller.OnCommand(s.id));
        EXPECT_EQ(m_viewport.*s.flag, !was) << s.id;
        EXPECT_EQ(m_controller.IsCommandChecked(s.id), !was);
    }
}

TEST_F(DrawingControllerTest, AutoScrollRunsTheTimerNearTheEdgesWhileDragging)
{
    const std::pair<CPoint, bool> margins[] = {
        {{400, 300}, false}, {{29, 300}, true}, {{30, 300}, false}, {{400, 0}, true}, {{770, 300}, true},
        {{769, 569}, false}, {{400, 570}, true}, {{-1, 300}, false}, {{800, 300}, false},
    };
    for (const auto& [point, inside] : margins)
        EXPECT_EQ(m_controller.IsInAutoScrollMargin(point), inside) << point.x << "," << point.y;

    std::vector<std::pair<int, int>> started;
    std::vector<int> stopped;
    m_controller.m_onStartTimer = [&started](int nId, int nMs) { started.emplace_back(nId, nMs); };
    m_controller.m_onStopTimer = [&stopped](int nId) { stopped.push_back(nId); };
    // Not while the mouse only passes by.
    m_controller.OnMouseMove(0, CPoint(10, 300));
    EXPECT_TRUE(started.empty());

    m_controller.OnLButtonDown(0, CPoint(150, 125));
    m_controller.OnMouseMove(MK_LBUTTON, CPoint(790, 300));
    m_controller.OnMouseMove(MK_LBUTTON, CPoint(785, 300));
    EXPECT_EQ(started, (std::vector<std::pair<int, int>>{{1001, 100}}));
    m_controller.OnTimer(C::kAutoScrollTimer);
    EXPECT_EQ(m_viewport.GetScrollPosition(), CPoint(C::kAutoScrollStep, 0));
    m_controller.OnMouseMove(MK_LBUTTON, CPoint(400, 300));
    EXPECT_EQ(stopped, std::vector<int>{1001});
    m_controller.OnLButtonUp(0, CPoint(400, 300));
    // The view scrolled under the drag: the box went with the mouse.
    EXPECT_EQ(m_boxes[0]->GetBounds(), CRect(370, 275, 470, 325));
}

}  // namespace

namespace {

using Tool = CODDrawingController::Tool;

TEST_F(DrawingControllerTest, DrawingToolsMakeOneInsertCommandEach)
{
    struct Step {
        enum Kind { Down, Move, Up, Double } kind;
        CPoint point;
    };
    struct Case {
        Tool tool;
        std::vector<Step> steps;
        const char* type;
        int points;
        CRect bounds;
    };
    using S = Step;
    const Case cases[] = {
        {Tool::Rectangle, {{S::Down, {600, 300}}, {S::Move, {650, 320}}, {S::Up, {700, 340}}}, "Rectangle", 4,
            CRect(600, 300, 700, 340)},
        {Tool::Ellipse, {{S::Down, {700, 340}}, {S::Up, {600, 300}}}, "Ellipse", 13, CRect(600, 300, 700, 340)},
        {Tool::Line, {{S::Down, {600, 300}}, {S::Up, {700, 300}}}, "Line", 2, CRect(600, 300, 700, 300)},
        // Click, click, click and a double click on the last point (a path of
        // right angles only would be routed again, as every orthogonal line is).
        {Tool::Polyline,
            {{S::Down, {600, 300}}, {S::Up, {600, 300}}, {S::Down, {700, 320}}, {S::Up, {700, 320}},
                {S::Down, {650, 400}}, {S::Up, {650, 400}}, {S::Double, {650, 400}}},
            "Line", 3, CRect(600, 300, 700, 400)},
        {Tool::Polygon,
            {{S::Down, {600, 300}}, {S::Down, {700, 300}}, {S::Down, {650, 400}}, {S::Double, {650, 400}}},
            "Polygon", 3, CRect(600, 300, 700, 400)},
        {Tool::Polycurve, {{S::Down, {600, 300}}, {S::Down, {700, 300}}, {S::Double, {800, 300}}}, "Curve", 7,
            CRect(600, 300, 800, 300)},
        {Tool::ClosedCurve,
            {{S::Down, {600, 300}}, {S::Down, {700, 300}}, {S::Down, {650, 400}}, {S::Double, {650, 400}}},
            "Closed Curve", 10, CRect()},
    };
    m_viewport.m_bAngleSnap = false;
    for (const Case& c : cases) {
        m_model.GetHistory().Clear();
        m_controller.SetTool(c.tool);
        for (const Step& step : c.steps) {
            switch (step.kind) {
            case S::Down:
                m_controller.OnLButtonDown(0, step.point);
                break;
            case S::Move:
                m_controller.OnMouseMove(MK_LBUTTON, step.point);
                break;
            case S::Up:
                m_controller.OnLButtonUp(0, step.point);
                break;
            case S::Double:
                m_controller.OnLButtonDblClk(0, step.point);
                break;
            }
        }
        ASSERT_EQ(UndoCount(), 1) << c.type;
        EXPECT_EQ(m_model.GetHistory().GetUndoCommand()->GetDescription(), "Insert Command: 1 components");
        auto* shape = dynamic_cast<CODPointComponent*>(m_model.GetChildren().back());
        ASSERT_NE(shape, nullptr) << c.type;
        EXPECT_EQ(shape->GetType(), c.type);
        EXPECT_EQ(shape->GetPointCount(), c.points) << c.type;
        if (!c.bounds.IsRectNull()) {
            EXPECT_EQ(shape->GetBounds(), c.bounds) << c.type;
        }
        EXPECT_EQ(Selection(), Components{shape});
        EXPECT_EQ(m_controller.GetTool(), Tool::Select);
        m_controller.OnCommand(C::ID_EDIT_UNDO);
        EXPECT_EQ(m_model.GetChildCount(), 3);
    }
}

TEST_F(DrawingControllerTest, DrawnPointsSnapToTheGridAndSegmentsToFifteenDegrees)
{
    m_viewport.m_bSnapToGrid = true;
    m_viewport.m_bAngleSnap = true;
    m_controller.SetTool(Tool::Line);
    m_controller.OnLButtonDown(0, CPoint(601, 299));
    EXPECT_EQ(CPoint(m_controller.GetDrawnPoints().front()), CPoint(600, 300));
    // Nearly level, on the grid at (696, 312): it ends level, as long as it was dragged.
    m_controller.OnMouseMove(MK_LBUTTON, CPoint(701, 310));
    EXPECT_EQ(CPoint(m_controller.GetDrawnPoints().back()), CPoint(697, 300));
    m_controller.OnMouseMove(MK_LBUTTON, CPoint(671, 370));
    EXPECT_EQ(CPoint(m_controller.GetDrawnPoints().back()), CPoint(672, 372));
    // Escape drops the shape; nothing was added.
    EXPECT_TRUE(m_controller.OnKeyDown(VK_ESCAPE, 0));
    EXPECT_TRUE(m_controller.GetDrawnPoints().empty());
    m_controller.OnLButtonUp(0, CPoint(671, 370));
    EXPECT_EQ(UndoCount(), 0);
    // A text click makes a box of the default text.
    m_controller.SetTool(Tool::Text);
    Click(CPoint(600, 500));
    ASSERT_EQ(UndoCount(), 1);
    EXPECT_EQ(m_model.GetChildren().back()->GetType(), "Text");
    EXPECT_GT(m_model.GetChildren().back()->GetBounds().Width(), 0);
}

}  // namespace

namespace {

TEST_F(DrawingControllerTest, DragOutlinesAreDrawnInvertedSoASecondDrawTakesThemOff)
{
    m_viewport.m_bGridVisible = false;
    m_viewport.m_bPagesVisible = false;
    quorrel_test::DibCanvas canvas(800, 400);
    const auto paint = [&] {
        m_viewport.OnPrepareDC(&canvas.DC());
        m_viewport.Draw(&canvas.DC(), CRect(0, 0, 800, 400));
    };
    m_controller.SetSelection({m_boxes[0], m_boxes[2]});
    m_controller.OnLButtonDown(0, CPoint(150, 125));
    m_controller.OnMouseMove(MK_LBUTTON, CPoint(190, 305));
    paint();
    const std::vector<COLORREF> before = canvas.Pixels();
    m_viewport.OnPrepareDC(&canvas.DC());
    m_controller.DrawTracking(&canvas.DC());
    canvas.SaveIfAsked("drag_outlines");
    // Both selected boxes, moved by (40, 180), outlined dark on the white canvas.
    constexpr COLORREF kOnWhite = RGB(0x3F, 0x3F, 0x3F);
    EXPECT_EQ(canvas.Pixel(140, 300), kOnWhite);
    EXPECT_EQ(canvas.Pixel(170, 280), kOnWhite);
    EXPECT_EQ(canvas.Pixel(540, 270), kOnWhite);
    EXPECT_EQ(canvas.Pixel(170, 300), before[300 * 800 + 170]);
    m_controller.DrawTracking(&canvas.DC());
    EXPECT_EQ(canvas.Pixels(), before);

    // Over the grey around the canvas the outline shows as well.
    quorrel_test::DibCanvas grey(800, 400, RGB(0x80, 0x80, 0x80));
    m_viewport.OnPrepareDC(&grey.DC());
    m_controller.DrawTracking(&grey.DC());
    EXPECT_EQ(grey.Pixel(140, 300), RGB(0x40, 0x40, 0x40));
    m_controller.OnLButtonUp(0, CPoint(190, 305));
    EXPECT_EQ(m_boxes[2]->GetBounds(), CRect(540, 270, 600, 290));
}

}  // namespace

namespace {

TEST_F(DrawingControllerTest, DraggingAPointOfASelectedLineMovesThatPointOnly)
{
    auto* line = new CODLineComponent();
    line->Create(std::vector<POINT>{{600, 300}, {700, 340}, {650, 420}});
    m_model.AddChild(line);
    // Moved as a whole first, so the point's offset is taken back into the line's own coordinates.
    ASSERT_TRUE(m_controller.MoveComponents({line}, 10, 0));
    m_controller.SetSelection({line});
    Drag(CPoint(710, 340), CPoint(760, 330));
    EXPECT_EQ(UndoCount(), 2);
    EXPECT_EQ(m_model.GetHistory().GetUndoCommand()->GetDescription(), "Move Vertex Command: index = 1  x = 50  y = -10");
    EXPECT_EQ(CPoint(line->GetWorldPoints()[1]), CPoint(760, 330));
    EXPECT_EQ(CPoint(line->GetWorldPoints()[2]), CPoint(660, 420));
    m_controller.OnCommand(C::ID_EDIT_UNDO);
    EXPECT_EQ(CPoint(line->GetWorldPoints()[1]), CPoint(710, 340));
    // Away from its points the line moves as a whole.
    Drag(CPoint(635, 320), CPoint(645, 320));
    EXPECT_EQ(CPoint(line->GetWorldPoints()[0]), CPoint(620, 300));
}

}  // namespace

namespace {

TEST_F(DrawingControllerTest, TheRubberBandLineIsInvertedAndClippedToTheWindow)
{
    quorrel_test::DibCanvas canvas(400, 200);
    m_controller.SetClientSize(CSize(300, 200));
    ASSERT_TRUE(m_viewport.SetMagnification(200, 200));
    m_viewport.OnPrepareDC(&canvas.DC());
    // Logical (10, 50) to (190, 50) runs from device (20, 100) past the client's right edge.
    m_controller.DrawRubberBandLine(&canvas.DC(), CPoint(10, 50), CPoint(190, 50));
    canvas.SaveIfAsked("rubber_band_line");
    EXPECT_EQ(canvas.Pixel(20, 100), RGB(0, 0, 0));
    EXPECT_EQ(canvas.Pixel(299, 100), RGB(0, 0, 0));
    EXPECT_EQ(canvas.Pixel(320, 100), RGB(255, 255, 255));
    m_controller.DrawRubberBandLine(&canvas.DC(), CPoint(10, 50), CPoint(190, 50));
    EXPECT_TRUE(CRect(canvas.InkBounds()).IsRectEmpty());
}

}  // namespace

namespace {

TEST_F(DrawingControllerTest, AutoScrollStopsAtTheCanvasEdges)
{
    // The canvas is 4000 wide and the window 800: the view goes no further right than 3200.
    m_controller.OnLButtonDown(0, CPoint(150, 125));
    m_controller.OnMouseMove(MK_LBUTTON, CPoint(790, 300));
    for (int tick = 0; tick < 200; ++tick)
        m_controller.OnTimer(C::kAutoScrollTimer);
    EXPECT_EQ(m_viewport.GetScrollPosition(), CPoint(3200, 0));
    m_controller.OnMouseMove(MK_LBUTTON, CPoint(400, 5));
    m_controller.OnTimer(C::kAutoScrollTimer);
    EXPECT_EQ(m_viewport.GetScrollPosition(), CPoint(3200, 0));
    m_controller.OnKeyDown(VK_ESCAPE, 0);
    EXPECT_FALSE(m_controller.IsAutoScrolling());
}

TEST_F(DrawingControllerTest, ADoubleClickHandsTheComponentToTheWindow)
{
    std::vector<CODComponent*> opened;
    m_controller.m_onOpenComponent = [&opened](CODComponent* pComponent) { opened.push_back(pComponent); };
    m_controller.OnLButtonDblClk(0, CPoint(320, 200));
    m_controller.OnLButtonDblClk(0, CPoint(700, 500));
    EXPECT_EQ(opened, Components{m_boxes[1]});
    EXPECT_EQ(Selection(), Components{});
}

}  // namespace

namespace {

TEST_F(DrawingControllerTest, AResetModelLeavesNothingSelected)
{
    m_controller.SetSelection({m_boxes[0], m_boxes[1]});
    m_controller.OnLButtonDown(0, CPoint(150, 125));
    m_model.Reset();
    EXPECT_TRUE(Selection().empty());
    EXPECT_EQ(m_controller.GetState(), C::Idle);
    EXPECT_FALSE(m_controller.IsCommandEnabled(C::ID_EDIT_CLEAR));
    // A controller made before its viewport had a model watches it from the first selection on.
    CODModel model;
    CODDrawingViewport later;
    CODDrawingController controller(&later);
    auto* shape = new CODRectComponent();
    shape->Create(CRect(0, 0, 10, 10));
    model.AddChild(shape);
    later.SetModel(&model);
    controller.SetSelection({shape});
    model.Reset();
    EXPECT_TRUE(later.GetSelection().empty());
}

}  // namespace
