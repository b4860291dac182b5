#include "engine/CODCirclePort.h"
#include "engine/CODDrawingController.h"
#include "engine/CODDrawingViewport.h"
#include "engine/CODEditProperties.h"
#include "engine/CODEndpoint.h"
#include "engine/CODFontProperties.h"
#include "engine/CODLineComponent.h"
#include "engine/CODLinkComponent.h"
#include "engine/CODModel.h"
#include "engine/CODRectComponent.h"
#include "engine/CODTextComponent.h"
#include "engine/ODHelpers.h"
#include "platform/CFont.h"
#include "tests/engine/TestDiagram.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

using Components = std::vector<CODComponent*>;
using C = CODDrawingController;

// Records what the program's controller is told and, when asked, forces
// equal resize factors as it does for curve text.
class ToolController : public CODDrawingController {
public:
    using CODDrawingController::CODDrawingController;

    void ShowResource(int nId) { SetCursorResource(nId); }

    Components m_placed;
    bool m_bEqualFactors = false;
    CODComponent* m_pResized = nullptr;

protected:
    void OnComponentPlaced(CODComponent* pComponent) override { m_placed.push_back(pComponent); }

    void AdjustResizeFactors(CODComponent* pResized, unsigned nFlags, float& sx, float& sy) const override
    {
        const_cast<ToolController*>(this)->m_pResized = pResized;
        if (!m_bEqualFactors) {
            CODDrawingController::AdjustResizeFactors(pResized, nFlags, sx, sy);
            return;
        }
        const float size = std::max(std::abs(sx), std::abs(sy));
        sx = std::copysign(size, sx);
        sy = std::copysign(size, sy);
    }
};

// Two boxes side by side, each with a port on the side facing the other, on
// a canvas shown at 100 % from (0, 0), snap off unless a test turns it on.
class DrawingControllerToolTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_model.SetSize(4000, 3000);
        m_viewport.SetModel(&m_model);
        m_viewport.m_bSnapToGrid = false;
        m_controller.SetClientSize(CSize(800, 600));
        m_pBoxA = test_diagram::AddBox(CRect(100, 100, 200, 150), m_model);
        m_pBoxB = test_diagram::AddBox(CRect(400, 100, 500, 150), m_model);
        m_pPortA = test_diagram::AddPort(m_pBoxA, CPoint(200, 125));
        m_pPortB = test_diagram::AddPort(m_pBoxB, CPoint(400, 125));
        // Hidden ports take links all the same.
        m_pPortB->SetVisible(0);
    }

    void Click(const CPoint& point)
    {
        m_controller.OnLButtonDown(0, point);
        m_controller.OnLButtonUp(0, point);
    }

    void Drag(const CPoint& from, const CPoint& to, unsigned nFlags = 0)
    {
        m_controller.OnLButtonDown(nFlags, from);
        m_controller.OnMouseMove(nFlags | MK_LBUTTON, CPoint((from.x + to.x) / 2, (from.y + to.y) / 2));
        m_controller.OnMouseMove(nFlags | MK_LBUTTON, to);
        m_controller.OnLButtonUp(nFlags, to);
    }

    CODTextComponent* AddText(const CRect& rect, const std::string& strText)
    {
        auto* text = new CODTextComponent();
        text->Create(rect, nullptr);
        text->SetText(strText);
        m_model.AddChild(text);
        return text;
    }

    bool InModel(const CODComponent* pComponent) const { return m_model.FindChild(pComponent) >= 0; }
    int UndoCount() const { return m_model.GetHistory().GetUndoCount(); }

    CODModel m_model;
    CODDrawingViewport m_viewport;
    ToolController m_controller{&m_viewport};
    CODSymbolComponent* m_pBoxA = nullptr;
    CODSymbolComponent* m_pBoxB = nullptr;
    CODCirclePort* m_pPortA = nullptr;
    CODCirclePort* m_pPortB = nullptr;
};

TEST_F(DrawingControllerToolTest, AnInsertedComponentIsPlacedAtTheSnappedClickAndUndoes)
{
    m_viewport.m_bSnapToGrid = true;
    auto* box = new CODRectComponent();
    box->Create(CRect(0, 0, 40, 20));
    m_controller.BeginInsert(std::unique_ptr<CODComponent>(box));
    EXPECT_EQ(m_controller.GetState(), C::PlacingComponent);
    EXPECT_EQ(m_controller.GetPendingComponent(), box);
    EXPECT_EQ(m_controller.GetCursor(), C::Cursor::Cross);

    // The outline follows the mouse with its top-left on the grid (12 units).
    m_controller.OnMouseMove(0, CPoint(205, 131));
    EXPECT_EQ(m_controller.GetTrackingRects(), std::vector<CRect>{CRect(204, 132, 244, 152)});
    Click(CPoint(205, 131));
    EXPECT_EQ(m_controller.GetState(), C::Idle);
    EXPECT_EQ(m_controller.GetCursor(), C::Cursor::Arrow);
    EXPECT_EQ(m_controller.GetPendingComponent(), nullptr);
    EXPECT_TRUE(InModel(box));
    EXPECT_EQ(box->GetBounds(), CRect(204, 132, 244, 152));
    EXPECT_EQ(m_controller.GetSelection(), Components{box});
    EXPECT_EQ(m_controller.m_placed, Components{box});
    EXPECT_EQ(UndoCount(), 1);

    ASSERT_TRUE(m_controller.OnCommand(C::ID_EDIT_UNDO));
    EXPECT_FALSE(InModel(box));
    ASSERT_TRUE(m_controller.OnCommand(C::ID_EDIT_REDO));
    EXPECT_TRUE(InModel(box));
    EXPECT_EQ(box->GetBounds(), CRect(204, 132, 244, 152));
    EXPECT_EQ(m_controller.m_placed.size(), 1U);
}

TEST_F(DrawingControllerToolTest, CursorsFollowTheToolAndTheProgramsResources)
{
    std::vector<std::pair<C::Cursor, int>> shown;
    m_controller.m_onSetCursor = [this, &shown](C::Cursor cursor) {
        shown.emplace_back(cursor, m_controller.GetCursorResource());
    };
    m_controller.SetTool(C::Tool::Rectangle);
    Drag(CPoint(600, 300), CPoint(650, 350));
    m_controller.ShowResource(1018);
    m_controller.ShowResource(1018);
    m_controller.ShowResource(1022);
    const std::vector<std::pair<C::Cursor, int>> expected = {
        {C::Cursor::Cross, 0}, {C::Cursor::Arrow, 0}, {C::Cursor::Resource, 1018}, {C::Cursor::Resource, 1022}};
    EXPECT_EQ(shown, expected);
}

TEST_F(DrawingControllerToolTest, EscapeOrAnotherToolDropsTheComponentBeingPlaced)
{
    const auto pending = [] {
        auto box = std::make_unique<CODRectComponent>();
        box->Create(CRect(0, 0, 10, 10));
        return box;
    };
    m_controller.BeginInsert(pending());
    EXPECT_TRUE(m_controller.OnKeyDown(VK_ESCAPE, 0));
    EXPECT_EQ(m_controller.GetPendingComponent(), nullptr);
    EXPECT_EQ(m_controller.GetState(), C::Idle);

    m_controller.BeginPlaceImage(pending());
    EXPECT_EQ(m_controller.GetState(), C::PlacingImage);
    m_controller.SetTool(C::Tool::Rectangle);
    EXPECT_EQ(m_controller.GetPendingComponent(), nullptr);
    EXPECT_EQ(m_controller.GetState(), C::Idle);
    m_controller.SetTool(C::Tool::Select);

    Click(CPoint(700, 500));
    EXPECT_EQ(UndoCount(), 0);
    EXPECT_EQ(m_model.GetChildCount(), 2);
    EXPECT_TRUE(m_controller.m_placed.empty());
}

TEST_F(DrawingControllerToolTest, ALinkIsDrawnFromPortToPortAsACopyOfThePrototype)
{
    auto prototype = std::make_unique<CODLinkComponent>();
    ASSERT_TRUE(prototype->Create(nullptr, nullptr));
    prototype->SetTargetEndpoint(std::make_unique<CODEndpoint>());
    const CODEndpoint* prototypeEnd = prototype->GetLine()->GetTargetEndpoint();
    m_controller.BeginLink(std::move(prototype));
    EXPECT_EQ(m_controller.GetState(), C::LinkArmed);

    // Releases that join nothing leave the tool armed with its prototype:
    // on empty space, on the port pressed, and a press beside every port.
    struct Miss {
        CPoint press;
        CPoint release;
    };
    for (const Miss& miss : {Miss{CPoint(200, 125), CPoint(300, 300)}, Miss{CPoint(200, 125), CPoint(201, 125)},
                             Miss{CPoint(150, 300), CPoint(400, 125)}}) {
        Drag(miss.press, miss.release);
        EXPECT_EQ(m_controller.GetState(), C::LinkArmed) << miss.release.x;
        EXPECT_NE(m_controller.GetLinkPrototype(), nullptr);
    }
    EXPECT_EQ(m_model.GetChildCount(), 2);
    EXPECT_EQ(UndoCount(), 0);

    m_controller.OnLButtonDown(0, CPoint(201, 126));
    EXPECT_EQ(m_controller.GetState(), C::LinkDrawing);
    m_controller.OnMouseMove(MK_LBUTTON, CPoint(350, 200));
    // The rubber band runs from the port to the mouse.
    EXPECT_EQ(m_controller.GetPressPoint(), CPoint(200, 125));
    EXPECT_EQ(m_controller.GetTrackingRects(), std::vector<CRect>{CRect(200, 125, 350, 200)});
    m_controller.OnMouseMove(MK_LBUTTON, CPoint(399, 124));
    EXPECT_EQ(m_controller.GetCursor(), C::Cursor::Link);
    m_controller.OnLButtonUp(0, CPoint(399, 124));

    EXPECT_EQ(m_controller.GetState(), C::Idle);
    EXPECT_EQ(m_controller.GetLinkPrototype(), nullptr);
    ASSERT_EQ(m_model.GetChildCount(), 3);
    auto* link = dynamic_cast<CODLinkComponent*>(m_model.GetChild(2));
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->GetSourcePort(), m_pPortA);
    EXPECT_EQ(link->GetTargetPort(), m_pPortB);
    const CODLineComponent* line = link->GetLine();
    EXPECT_EQ(line->GetWorldPoint(0), CPoint(200, 125));
    EXPECT_EQ(line->GetWorldPoint(line->GetPointCount() - 1), CPoint(400, 125));
    ASSERT_NE(line->GetTargetEndpoint(), nullptr);
    EXPECT_NE(line->GetTargetEndpoint(), prototypeEnd);
    EXPECT_EQ(m_controller.GetSelection(), Components{link});
    EXPECT_EQ(m_model.GetHistory().GetUndoCommand()->GetDescription(), "Link Command: 1 components");
    // The link on top does not hide the box's port with its own end.
    EXPECT_EQ(m_controller.PortAt(CPoint(200, 125)), m_pPortA);

    ASSERT_TRUE(m_controller.OnCommand(C::ID_EDIT_UNDO));
    EXPECT_EQ(m_model.GetChildCount(), 2);
}

TEST_F(DrawingControllerToolTest, EscapeLeavesTheLinkTool)
{
    auto prototype = std::make_unique<CODLinkComponent>();
    ASSERT_TRUE(prototype->Create(nullptr, nullptr));
    m_controller.BeginLink(std::move(prototype));
    m_controller.OnLButtonDown(0, CPoint(200, 125));
    m_controller.OnMouseMove(MK_LBUTTON, CPoint(300, 130));
    EXPECT_TRUE(m_controller.OnKeyDown(VK_ESCAPE, 0));
    EXPECT_EQ(m_controller.GetState(), C::Idle);
    EXPECT_EQ(m_controller.GetLinkPrototype(), nullptr);
    m_controller.OnLButtonUp(0, CPoint(400, 125));
    EXPECT_EQ(m_model.GetChildCount(), 2);
}

TEST_F(DrawingControllerToolTest, TextEditingOpensTheHostEditorAtTheZoomAndUndoes)
{
    CODTextComponent* text = AddText(CRect(100, 200, 300, 240), "Old");
    ASSERT_TRUE(m_viewport.SetMagnification(200, 200));
    std::vector<TextEditRequest> requests;
    m_controller.m_onOpenTextEditor = [&requests](const TextEditRequest& request) { requests.push_back(request); };

    ASSERT_TRUE(m_controller.BeginTextEdit(text));
    EXPECT_TRUE(m_controller.IsTextEditing());
    EXPECT_EQ(m_controller.GetEditedText(), text);
    EXPECT_TRUE(text->IsEditing());
    ASSERT_EQ(requests.size(), 1U);
    const TextEditRequest& request = requests.front();
    EXPECT_EQ(request.strText, "Old");
    EXPECT_FALSE(request.bMultiLine);
    EXPECT_EQ(request.nAlignment, CODTextComponent::kAlignCentre | CODTextComponent::kAlignVCentre);
    const CODFontProperties font;
    EXPECT_EQ(request.logFont.lfHeight, 2 * font.GetFont()->GetLogFont().lfHeight);
    EXPECT_EQ(request.crText, font.GetColor());
    const CRect margins = text->GetTextMargins(nullptr);
    EXPECT_EQ(request.rcDevice, CRect(2 * (100 + margins.left), 2 * (200 + margins.top), 2 * (300 - margins.right),
                                      2 * (240 - margins.bottom)));
    // One edit at a time.
    EXPECT_FALSE(m_controller.BeginTextEdit(text));

    ASSERT_TRUE(m_controller.EndTextEdit(true, "New"));
    EXPECT_FALSE(m_controller.IsTextEditing());
    EXPECT_FALSE(text->IsEditing());
    EXPECT_EQ(text->GetText(), "New");
    ASSERT_TRUE(m_controller.OnCommand(C::ID_EDIT_UNDO));
    EXPECT_EQ(text->GetText(), "Old");

    // Escape keeps the text and adds nothing to undo.
    ASSERT_TRUE(m_controller.BeginTextEdit(text));
    ASSERT_TRUE(m_controller.EndTextEdit(false, "Other"));
    EXPECT_EQ(text->GetText(), "Old");
    EXPECT_EQ(UndoCount(), 0);
    EXPECT_FALSE(m_controller.EndTextEdit(true, "Late"));
}

TEST_F(DrawingControllerToolTest, AReadOnlyTextOrModelRefusesEditing)
{
    struct Case {
        const char* name;
        bool textReadOnly;
        bool modelReadOnly;
    };
    for (const Case& c : {Case{"text", true, false}, Case{"model", false, true}}) {
        CODModel model;
        CODDrawingViewport viewport;
        viewport.SetModel(&model);
        CODDrawingController controller(&viewport);
        bool opened = false;
        controller.m_onOpenTextEditor = [&opened](const TextEditRequest&) { opened = true; };
        auto* text = new CODTextComponent();
        text->Create(CRect(0, 0, 100, 30), nullptr);
        model.AddChild(text);
        CODEditProperties readOnly;
        readOnly.SetReadOnly(1);
        if (c.textReadOnly)
            text->AddProperty(readOnly);
        if (c.modelReadOnly) {
            // The text's own permissions do not lift the model's.
            text->AddProperty(CODEditProperties());
            model.AddProperty(readOnly);
        }
        EXPECT_FALSE(controller.BeginTextEdit(text)) << c.name;
        EXPECT_FALSE(opened) << c.name;
        EXPECT_FALSE(text->IsEditing()) << c.name;
    }
}

TEST_F(DrawingControllerToolTest, ATurnedTextStandsUprightWhileEdited)
{
    CODTextComponent* text = AddText(CRect(100, 200, 300, 240), "Turned");
    const CPoint centre = text->GetBounds().CenterPoint();
    text->Rotate(static_cast<float>(C::kQuarterTurn), static_cast<float>(centre.x), static_cast<float>(centre.y), 1,
                 1);
    const std::vector<POINT> turned = text->GetWorldPoints();
    const auto angle = [text] {
        const std::vector<POINT>& p = text->GetWorldPoints();
        return AngleBetween(p[0].x, p[0].y, p[1].x, p[1].y);
    };
    ASSERT_EQ(angle(), C::kQuarterTurn);

    ASSERT_TRUE(m_controller.BeginTextEdit(text));
    EXPECT_EQ(angle(), 0);
    EXPECT_EQ(text->GetTextRect(), text->GetBounds());
    ASSERT_TRUE(m_controller.EndTextEdit(false, ""));
    EXPECT_EQ(angle(), C::kQuarterTurn);
    const std::vector<POINT>& after = text->GetWorldPoints();
    ASSERT_EQ(after.size(), turned.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
        EXPECT_EQ(after[i].x, turned[i].x) << i;
        EXPECT_EQ(after[i].y, turned[i].y) << i;
    }
}

TEST_F(DrawingControllerToolTest, UndoAnotherToolOrAPressEndAnOpenEditKeepingTheTypedText)
{
    CODTextComponent* text = AddText(CRect(100, 200, 300, 240), "Old");
    int closed = 0;
    std::string typed = "Typed";
    m_controller.m_onCloseTextEditor = [&closed, &typed] {
        ++closed;
        return typed;
    };
    std::vector<CODComponent*> opened;
    m_controller.m_onOpenComponent = [&opened](CODComponent* pComponent) { opened.push_back(pComponent); };

    // A double click on a text edits it rather than handing it to the window.
    m_controller.OnLButtonDblClk(0, CPoint(200, 220));
    EXPECT_EQ(m_controller.GetEditedText(), text);
    EXPECT_TRUE(opened.empty());
    // Undo is offered while editing: it takes back the typing.
    ASSERT_TRUE(m_controller.IsCommandEnabled(C::ID_EDIT_UNDO));
    ASSERT_TRUE(m_controller.OnCommand(C::ID_EDIT_UNDO));
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(m_controller.IsTextEditing());
    EXPECT_EQ(text->GetText(), "Old");
    ASSERT_TRUE(m_controller.OnCommand(C::ID_EDIT_REDO));
    EXPECT_EQ(text->GetText(), "Typed");

    struct Case {
        const char* name;
        std::function<void()> end;
    };
    typed = "Again";
    for (const Case& c : {Case{"tool", [this] { m_controller.SetTool(C::Tool::Select); }},
                          Case{"press", [this] { Click(CPoint(700, 500)); }}}) {
        ASSERT_TRUE(m_controller.BeginTextEdit(text)) << c.name;
        c.end();
        EXPECT_FALSE(m_controller.IsTextEditing()) << c.name;
        EXPECT_EQ(text->GetText(), typed) << c.name;
        typed += "!";
    }
    EXPECT_EQ(closed, 3);

    // A reset model closes the editor and forgets the text.
    ASSERT_TRUE(m_controller.BeginTextEdit(text));
    m_model.Reset();
    EXPECT_FALSE(m_controller.IsTextEditing());
    EXPECT_EQ(closed, 4);
}

TEST_F(DrawingControllerToolTest, TheResizeHookDecidesTheFactorsOfTheScaleCommand)
{
    auto* box = new CODRectComponent();
    box->Create(CRect(600, 300, 700, 350));
    m_model.AddChild(box);
    m_controller.m_bEqualFactors = true;
    Click(CPoint(650, 325));
    ASSERT_EQ(m_controller.GetSelection(), Components{box});
    // The bottom-right handle by (+50, +50): factors 1.5 and 2 become 2 and 2.
    Drag(CPoint(700, 350), CPoint(750, 400));
    EXPECT_EQ(m_controller.m_pResized, box);
    EXPECT_EQ(box->GetBounds(), CRect(600, 300, 800, 400));
    EXPECT_EQ(m_model.GetHistory().GetUndoCommand()->GetDescription(),
              "Scale Command: x = 200.0%  y = 200.0%  ref point = 0");
}

}  // namespace
