#include "app/CQuorrelController.h"
#include "app/CQuorrelView.h"
#include "chartparts/ArrowEndpoint.h"
#include "chartparts/CCurveText.h"
#include "chartparts/CIndiBox.h"
#include "chartparts/CSymbol.h"
#include "chartparts/ToolComponents.h"
#include "engine/CODEditProperties.h"
#include "engine/CODImageComponent.h"
#include "engine/CODLabelComponent.h"
#include "engine/CODLineComponent.h"
#include "engine/CODLinkComponent.h"
#include "engine/CODModel.h"
#include "engine/CODOrientationProperties.h"
#include "engine/CODOrthogonalLinkShape.h"
#include "engine/CODRectComponent.h"
#include "engine/PropertyIds.h"
#include "platform/MessageBox.h"
#include "tests/engine/TestDiagram.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

using C = CQuorrelController;

template <typename T>
std::vector<T*> ChildrenOf(CODModel& model)
{
    std::vector<T*> found;
    for (CODComponent* child : model.GetChildren())
        if (auto* typed = dynamic_cast<T*>(child))
            found.push_back(typed);
    return found;
}

void PutLE(std::ofstream& out, std::uint32_t value, int nBytes)
{
    for (int i = 0; i < nBytes; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A 24-bit bottom-up Windows bitmap of one colour, whatever the name says.
void WriteBmp(const std::string& path, int nWidth, int nHeight, COLORREF colour)
{
    constexpr int kHeaders = 14 + 40;
    const int stride = (nWidth * 3 + 3) / 4 * 4;
    std::ofstream out(path, std::ios::binary);
    out.write("BM", 2);
    PutLE(out, static_cast<std::uint32_t>(kHeaders + stride * nHeight), 4);
    PutLE(out, 0, 4);
    PutLE(out, kHeaders, 4);
    PutLE(out, 40, 4);
    PutLE(out, static_cast<std::uint32_t>(nWidth), 4);
    PutLE(out, static_cast<std::uint32_t>(nHeight), 4);
    PutLE(out, 1, 2);
    PutLE(out, 24, 2);
    for (int i = 0; i < 6; ++i)
        PutLE(out, 0, 4);
    for (int y = 0; y < nHeight; ++y) {
        for (int x = 0; x < nWidth; ++x) {
            out.put(static_cast<char>(GetBValue(colour)));
            out.put(static_cast<char>(GetGValue(colour)));
            out.put(static_cast<char>(GetRValue(colour)));
        }
        for (int pad = nWidth * 3; pad < stride; ++pad)
            out.put(0);
    }
}

// A chart view with two boxes side by side, a port on each facing side,
// snapping off unless a test turns it on. Mouse input goes in as device
// pixels of the logical points.
class ChartToolsTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_model.SetSize(1200, 900);
        m_view.GetViewport().m_bSnapToGrid = false;
        m_controller.SetClientSize(CSize(1200, 900));
        m_boxA = test_diagram::AddBox(CRect(60, 60, 160, 110), m_model);
        m_boxB = test_diagram::AddBox(CRect(360, 60, 460, 110), m_model);
        m_portA = test_diagram::AddPort(m_boxA, CPoint(160, 85));
        m_portB = test_diagram::AddPort(m_boxB, CPoint(360, 85));
        MessageBox::SetSink([this](const std::string& text) { m_messages.push_back(text); });
    }

    void TearDown() override { MessageBox::SetSink(nullptr); }

    CPoint Device(const CPoint& logical) const
    {
        POINT point = logical;
        m_controller.LPtoDP(&point, 1);
        return CPoint(point.x, point.y);
    }

    void Press(const CPoint& logical) { m_controller.OnLButtonDown(0, Device(logical)); }
    void Move(const CPoint& logical) { m_controller.OnMouseMove(0, Device(logical)); }
    void Release(const CPoint& logical) { m_controller.OnLButtonUp(0, Device(logical)); }
    void Click(const CPoint& logical)
    {
        Press(logical);
        Release(logical);
    }
    void Drag(const CPoint& from, const CPoint& to)
    {
        Press(from);
        Move(CPoint((from.x + to.x) / 2, (from.y + to.y) / 2));
        Move(to);
        Release(to);
    }
    void DoubleClick(const CPoint& logical)
    {
        Click(logical);
        m_controller.OnLButtonDblClk(0, Device(logical));
        Release(logical);
    }

    CQuorrelView m_view;
    CQuorrelController& m_controller = m_view.GetController();
    CODModel& m_model = m_view.GetDocument().GetModel();
    CODSymbolComponent* m_boxA = nullptr;
    CODSymbolComponent* m_boxB = nullptr;
    CODCirclePort* m_portA = nullptr;
    CODCirclePort* m_portB = nullptr;
    std::vector<std::string> m_messages;
};

constexpr int kLinkCommands[] = {C::ID_LINK, C::ID_LINK_ORTHOGONAL, C::ID_ARROW_LINK, C::ID_ARROW_LINK_ORTHOGONAL,
                                 C::ID_TWO_ARROW_LINK, C::ID_TWO_ARROW_LINK_ORTHOGONAL};

TEST_F(ChartToolsTest, LinkToolsDrawTheirKindOfLinkBetweenPorts)
{
    const struct {
        int id;
        bool bOrthogonal;
        bool bSourceArrow;
        bool bTargetArrow;
    } cases[] = {
        {C::ID_LINK, false, false, false},
        {C::ID_LINK_ORTHOGONAL, true, false, false},
        {C::ID_ARROW_LINK, false, false, true},
        {C::ID_ARROW_LINK_ORTHOGONAL, true, false, true},
        {C::ID_TWO_ARROW_LINK, false, true, true},
        {C::ID_TWO_ARROW_LINK_ORTHOGONAL, true, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        ASSERT_TRUE(m_controller.IsCommandEnabled(c.id));
        ASSERT_TRUE(m_controller.OnCommand(c.id));
        EXPECT_EQ(m_controller.GetState(), CODDrawingController::LinkArmed);
        // Only the armed tool's button is pressed, while armed and while drawing.
        for (const int other : kLinkCommands)
            EXPECT_EQ(m_controller.IsCommandChecked(other), other == c.id) << other;
        Press(m_portA->GetPosition());
        Move(CPoint(260, 90));
        EXPECT_EQ(m_controller.GetState(), CODDrawingController::LinkDrawing);
        EXPECT_TRUE(m_controller.IsCommandChecked(c.id));
        Release(m_portB->GetPosition());

        EXPECT_EQ(m_controller.GetState(), CODDrawingController::Idle);
        EXPECT_FALSE(m_controller.IsCommandChecked(c.id));
        const std::vector<CODLinkComponent*> links = ChildrenOf<CODLinkComponent>(m_model);
        ASSERT_EQ(links.size(), 1U);
        const CODLinkComponent& link = *links.front();
        EXPECT_EQ(link.GetSourcePort(), m_portA);
        EXPECT_EQ(link.GetTargetPort(), m_portB);
        EXPECT_EQ(dynamic_cast<const CODOrthogonalLinkShape*>(link.GetLine()) != nullptr, c.bOrthogonal);
        EXPECT_EQ(dynamic_cast<const ArrowEndpoint*>(link.GetLine()->GetSourceEndpoint()) != nullptr, c.bSourceArrow);
        EXPECT_EQ(dynamic_cast<const ArrowEndpoint*>(link.GetLine()->GetTargetEndpoint()) != nullptr, c.bTargetArrow);

        ASSERT_TRUE(m_controller.Undo());
        EXPECT_TRUE(ChildrenOf<CODLinkComponent>(m_model).empty());
    }
}

TEST_F(ChartToolsTest, BoxesAndPortsArePlacedOnTheGridWhereClicked)
{
    const struct {
        int id;
        const char* name;
        bool bBox;
    } cases[] = {
        {C::ID_INSERT_SHADOW_BOX, "Shadow Box", true},
        {C::ID_INSERT_BOX, "Plain Box", true},
        {C::ID_INSERT_PORT, "Port", false},
    };
    constexpr int kInsertions[] = {C::ID_INSERT_SHADOW_BOX, C::ID_INSERT_BOX, C::ID_INSERT_PORT};
    m_view.GetViewport().m_bSnapToGrid = true;
    const CPoint click(205, 307);
    const CPoint onGrid = m_view.GetViewport().SnapToGrid(click);
    ASSERT_NE(onGrid, click);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int before = m_model.GetChildCount();
        ASSERT_TRUE(m_controller.OnCommand(c.id));
        EXPECT_EQ(m_controller.GetState(), CODDrawingController::PlacingComponent);
        for (const int other : kInsertions)
            EXPECT_EQ(m_controller.IsCommandChecked(other), other == c.id) << other;
        Click(click);

        EXPECT_EQ(m_controller.GetState(), CODDrawingController::Idle);
        EXPECT_EQ(m_controller.GetInsertionKind(), C::InsertionKind::None);
        EXPECT_FALSE(m_controller.IsCommandChecked(c.id));
        ASSERT_EQ(m_model.GetChildCount(), before + 1);
        CODComponent* placed = m_model.GetChild(before);
        EXPECT_EQ(placed->GetName(), c.name);
        EXPECT_EQ(dynamic_cast<CIndiBox*>(placed) != nullptr, c.bBox);
        EXPECT_EQ(placed->GetBounds().TopLeft(), onGrid);
        EXPECT_EQ(m_controller.GetSelection(), std::vector<CODComponent*>{placed});

        ASSERT_TRUE(m_controller.Undo());
        EXPECT_EQ(m_model.GetChildCount(), before);
    }
}

TEST_F(ChartToolsTest, APlacedSymbolsLabelsGoBesideItsTopLeftByTheirOffsets)
{
    auto symbol = std::make_unique<CSymbol>();
    auto* shape = new CODRectComponent();
    shape->Create(0, 0, 80, 40);
    symbol->Create(std::vector<CODComponent*>{shape});
    CODLabelComponent* label = symbol->AddLabel("Label", 0, nullptr);
    ASSERT_NE(label, nullptr);
    label->AddProperty(CODOrientationProperties(OD_PROP_ORIENTATION, 0, 5, 5));
    m_controller.BeginInsert(std::move(symbol));
    Click(CPoint(300, 400));

    const CODComponent* placed = m_controller.GetSelection().back();
    ASSERT_EQ(placed->GetBounds().TopLeft(), CPoint(300, 400));
    EXPECT_EQ(label->GetParent(), &m_model);
    EXPECT_EQ(label->GetBounds().TopLeft(), CPoint(305, 395));
}

TEST_F(ChartToolsTest, ConnectionLineIsDrawnFromThePressToTheRelease)
{
    ASSERT_TRUE(m_controller.OnCommand(C::ID_CONNECTION_LINE));
    EXPECT_EQ(m_controller.GetState(), C::ConnectionLineArmed);
    EXPECT_EQ(m_controller.GetCursor(), CODDrawingController::Cursor::Resource);
    EXPECT_EQ(m_controller.GetCursorResource(), C::kConnectionLineCursor);
    EXPECT_TRUE(m_controller.IsCommandChecked(C::ID_CONNECTION_LINE));

    // A press and release in one place draws nothing and keeps the tool.
    const int before = m_model.GetChildCount();
    Click(CPoint(300, 400));
    EXPECT_EQ(m_controller.GetState(), C::ConnectionLineArmed);
    EXPECT_EQ(m_model.GetChildCount(), before);

    Press(CPoint(300, 400));
    EXPECT_EQ(m_controller.GetState(), C::ConnectionLinePressed);
    Move(CPoint(350, 420));
    EXPECT_EQ(m_controller.GetState(), C::ConnectionLineDragging);
    EXPECT_EQ(m_controller.GetTrackingRects(), std::vector<CRect>{CRect(300, 400, 350, 420)});
    Move(CPoint(500, 450));
    Release(CPoint(500, 450));

    EXPECT_EQ(m_controller.GetState(), CODDrawingController::Idle);
    EXPECT_EQ(m_controller.GetCursor(), CODDrawingController::Cursor::Arrow);
    EXPECT_FALSE(m_controller.IsCommandChecked(C::ID_CONNECTION_LINE));
    ASSERT_EQ(m_model.GetChildCount(), before + 1);
    auto* line = dynamic_cast<CSymbol*>(m_model.GetChild(before));
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->GetName(), "Connection Line");
    EXPECT_EQ(line->GetType(), "Connector Menu");
    EXPECT_EQ(line->GetPortCount(), 52);
    EXPECT_EQ(line->GetBounds().TopLeft(), CPoint(300, 400));
    EXPECT_GE(line->GetBounds().right, 500);
    EXPECT_EQ(m_controller.GetSelection(), std::vector<CODComponent*>{line});
    ASSERT_TRUE(m_controller.Undo());
    EXPECT_EQ(m_model.GetChildCount(), before);
}

TEST_F(ChartToolsTest, AnotherToolLeavesTheChartWindowsOwnTools)
{
    for (const int tool : {C::ID_CONNECTION_LINE, C::ID_CURVE_TEXT}) {
        for (const int other : {CODDrawingController::ID_OD_LINE, CODDrawingController::ID_OD_SELECT, C::ID_LINK}) {
            SCOPED_TRACE(std::to_string(tool) + " then " + std::to_string(other));
            ASSERT_TRUE(m_controller.OnCommand(tool));
            Press(CPoint(300, 400));
            Move(CPoint(360, 460));
            ASSERT_TRUE(m_controller.OnCommand(other));
            EXPECT_FALSE(m_controller.IsCommandChecked(tool));
            EXPECT_TRUE(m_controller.IsCommandChecked(other));
            EXPECT_TRUE(m_controller.GetTrackingRects().empty());
            m_controller.SetTool(CODDrawingController::Tool::Select);
        }
    }
}

TEST_F(ChartToolsTest, CurveTextFillsTheDraggedRectangleInEitherDirection)
{
    const struct {
        CPoint from;
        CPoint to;
    } cases[] = {{CPoint(200, 300), CPoint(400, 500)}, {CPoint(400, 500), CPoint(200, 300)}};
    const CRect expected(200, 300, 400, 500);
    CCurveText reference;
    reference.CreateCurve(expected.left, expected.top, expected.right, expected.bottom);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.from.x);
        ASSERT_TRUE(m_controller.OnCommand(C::ID_CURVE_TEXT));
        EXPECT_EQ(m_controller.GetCursorResource(), C::kCurveTextCursor);
        EXPECT_TRUE(m_controller.IsCommandChecked(C::ID_CURVE_TEXT));
        Press(c.from);
        Move(c.to);
        EXPECT_EQ(m_controller.GetState(), C::CurveTextDragging);
        EXPECT_EQ(m_controller.GetTrackingRects(), std::vector<CRect>{expected});
        Release(c.to);

        EXPECT_EQ(m_controller.GetState(), CODDrawingController::Idle);
        const std::vector<CCurveText*> texts = ChildrenOf<CCurveText>(m_model);
        ASSERT_EQ(texts.size(), 1U);
        EXPECT_EQ(texts.front()->GetText(), "Curve Text");
        ASSERT_EQ(texts.front()->GetPointCount(), CCurveText::kCurvePoints);
        for (int i = 0; i < CCurveText::kCurvePoints; ++i)
            EXPECT_EQ(texts.front()->GetPoint(i), reference.GetPoint(i)) << i;
        EXPECT_EQ(m_controller.GetSelection(), std::vector<CODComponent*>{texts.front()});
        ASSERT_TRUE(m_controller.Undo());
        EXPECT_TRUE(ChildrenOf<CCurveText>(m_model).empty());
    }
}

TEST_F(ChartToolsTest, CurveTextClickOrTwitchIsNoDrag)
{
    ASSERT_TRUE(m_controller.OnCommand(C::ID_CURVE_TEXT));
    const int before = m_model.GetChildCount();
    Click(CPoint(300, 300));
    EXPECT_EQ(m_controller.GetState(), C::CurveTextArmed);
    // A couple of pixels of movement is still a click.
    Press(CPoint(300, 300));
    m_controller.OnMouseMove(0, Device(CPoint(300, 300)) + CPoint(C::kClickSlop, -C::kClickSlop));
    EXPECT_EQ(m_controller.GetState(), C::CurveTextPressed);
    m_controller.OnLButtonUp(0, Device(CPoint(300, 300)) + CPoint(C::kClickSlop, -C::kClickSlop));
    EXPECT_EQ(m_controller.GetState(), C::CurveTextArmed);
    EXPECT_EQ(m_model.GetChildCount(), before);
}

TEST_F(ChartToolsTest, ImageIsReadByItsContentAndPlacedByTheNextClick)
{
    WriteBmp("picture.jpg", 40, 30, RGB(200, 40, 40));
    ASSERT_TRUE(m_controller.InsertImageFile("picture.jpg"));
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(m_controller.GetState(), CODDrawingController::PlacingImage);
    EXPECT_EQ(m_controller.GetCursorResource(), C::kImageCursor);
    Click(CPoint(600, 500));
    const std::vector<CODImageComponent*> images = ChildrenOf<CODImageComponent>(m_model);
    ASSERT_EQ(images.size(), 1U);
    EXPECT_EQ(images.front()->GetBounds(), CRect(600, 500, 640, 530));
}

TEST_F(ChartToolsTest, UnreadableImageSaysSoAndLeavesTheToolAsItWas)
{
    std::ofstream("notes.bmp") << "not a picture\n";
    ASSERT_TRUE(m_controller.OnCommand(C::ID_CONNECTION_LINE));
    EXPECT_FALSE(m_controller.InsertImageFile("notes.bmp"));
    EXPECT_EQ(m_messages, std::vector<std::string>{"Could not Load Image"});
    EXPECT_EQ(m_controller.GetState(), C::ConnectionLineArmed);
    EXPECT_EQ(m_controller.GetPendingComponent(), nullptr);
}

class ChartToolsEditTest : public ChartToolsTest {
protected:
    void SetUp() override
    {
        ChartToolsTest::SetUp();
        m_controller.m_onOpenTextEditor = [this](const TextEditRequest& request) { m_opened.push_back(request.strText); };
    }

    std::vector<std::string> m_opened;
};

TEST_F(ChartToolsEditTest, DoubleClickOnABoxEditsTheLineUnderThePointer)
{
    auto owned = MakeInsertedBox(false, &m_view.GetViewport());
    CIndiBox* box = owned.get();
    m_model.AddChild(owned.release());
    box->MoveTo(200, 300);
    const CRect first = box->GetBounds();
    CODTextComponent* line = box->TextLineAt(first.left + 20, first.top + first.Height() / 2);
    ASSERT_NE(line, nullptr);
    line->SetText("Born 1851");
    const CPoint inLine = line->GetBounds().CenterPoint();
    DoubleClick(inLine);
    EXPECT_EQ(m_controller.GetEditedText(), line);
    EXPECT_EQ(m_opened, std::vector<std::string>{"Born 1851"});
}

// A line edited to a text that wraps makes its box taller, shadow and all;
// undo brings the box back to its size.
TEST_F(ChartToolsEditTest, ABoxGrowsWithItsEditedLineAndShrinksOnUndo)
{
    auto owned = MakeInsertedBox(true, &m_view.GetViewport());
    CIndiBox* box = owned.get();
    m_model.AddChild(owned.release());
    box->MoveTo(200, 300);
    const CRect original = box->GetBounds();
    CODTextComponent* line = box->TextLineAt(original.left + 20, original.top + 5);
    ASSERT_NE(line, nullptr);
    ASSERT_TRUE(m_controller.BeginTextEdit(line));
    const std::string place = "Born 12 March 1851 in Saint-Jean-sur-Richelieu, Iberville County, Quebec, Canada";
    ASSERT_TRUE(m_controller.EndTextEdit(true, place));
    const CRect grown = box->GetBounds();
    EXPECT_EQ(grown.left, original.left);
    EXPECT_EQ(grown.Width(), original.Width());
    EXPECT_GT(grown.Height(), original.Height());
    // Every line stays inside the box.
    for (int i = 0; i < box->GetChildCount(); ++i) {
        if (const auto* text = dynamic_cast<const CODTextComponent*>(box->GetChild(i))) {
            EXPECT_LE(text->GetBounds().bottom, grown.bottom);
        }
    }

    ASSERT_TRUE(m_controller.Undo());
    EXPECT_EQ(box->GetBounds(), original);
    ASSERT_TRUE(m_controller.Redo());
    EXPECT_EQ(line->GetText(), place);
    EXPECT_EQ(box->GetBounds(), grown);
}

TEST_F(ChartToolsEditTest, DoubleClickOnACurveTextEditsIt)
{
    auto* curve = new CCurveText();
    curve->CreateCurve(500, 300, 700, 500);
    curve->SetText("Ring");
    m_model.AddChild(curve);
    DoubleClick(CPoint(600, 400));
    EXPECT_EQ(m_controller.GetEditedText(), curve);
    EXPECT_EQ(m_opened, std::vector<std::string>{"Ring"});
}

TEST_F(ChartToolsEditTest, DoubleClickOnASymbolWithoutLabelsGivesItACentredOne)
{
    DoubleClick(CPoint(100, 80));
    ASSERT_EQ(m_boxA->GetLabelCount(), 1);
    CODLabelComponent* label = m_boxA->GetLabel(0);
    EXPECT_EQ(label->GetParent(), &m_model);
    EXPECT_EQ(m_controller.GetEditedText(), label);
    EXPECT_EQ(m_controller.GetSelection(), std::vector<CODComponent*>{label});
    const auto* orientation =
        dynamic_cast<const CODOrientationProperties*>(label->GetProperty(OD_PROP_ORIENTATION, false));
    ASSERT_NE(orientation, nullptr);
    EXPECT_EQ(orientation->GetOrientation(), C::kCentredLabel);
    EXPECT_EQ(label->GetBounds().CenterPoint().x, m_boxA->GetBounds().CenterPoint().x);
    ASSERT_EQ(m_opened.size(), 1U);

    ASSERT_TRUE(m_controller.EndTextEdit(true, "Smith"));
    EXPECT_EQ(label->GetText(), "Smith");
    ASSERT_TRUE(m_controller.Undo());
    ASSERT_TRUE(m_controller.Undo());
    EXPECT_EQ(m_boxA->GetLabelCount(), 0);
    EXPECT_EQ(m_model.FindChild(label), -1);
    ASSERT_TRUE(m_controller.Redo());
    EXPECT_EQ(m_boxA->GetLabel(0), label);
    EXPECT_NE(m_model.FindChild(label), -1);
}

TEST_F(ChartToolsEditTest, ReadOnlyChartTakesNoLabel)
{
    CODEditProperties readOnly;
    readOnly.SetReadOnly(1);
    m_model.AddProperty(readOnly);
    DoubleClick(CPoint(100, 80));
    EXPECT_EQ(m_boxA->GetLabelCount(), 0);
    EXPECT_FALSE(m_controller.IsTextEditing());
    EXPECT_FALSE(m_model.GetHistory().CanUndo());
}

TEST_F(ChartToolsTest, CurveTextsKeepTheirShapeWhenResizedUnevenly)
{
    const struct {
        bool bCurve;
        CSize percent;  // of the old width and height
    } cases[] = {{true, CSize(160, 160)}, {false, CSize(160, 120)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bCurve);
        CODComponent* shape = nullptr;
        if (c.bCurve) {
            auto* curve = new CCurveText();
            curve->CreateCurve(500, 300, 600, 400);
            shape = curve;
        } else {
            auto* rect = new CODRectComponent();
            rect->Create(500, 300, 600, 400);
            shape = rect;
        }
        m_model.AddChild(shape);
        shape->UpdateBounds();
        const CRect bounds = shape->GetBounds();
        m_controller.SetSelection({shape});
        // The bottom-right handle, 60 % further right and 20 % further down.
        const CPoint corner(bounds.right, bounds.bottom);
        const CPoint to(bounds.left + bounds.Width() * 16 / 10, bounds.top + bounds.Height() * 12 / 10);
        Press(corner);
        ASSERT_EQ(m_controller.GetState(), CODDrawingController::Resizing);
        Move(to);
        Release(to);
        const CSize scaled(shape->GetBounds().Width() * 100 / bounds.Width(),
                           shape->GetBounds().Height() * 100 / bounds.Height());
        EXPECT_NEAR(scaled.cx, c.percent.cx, 1);
        EXPECT_NEAR(scaled.cy, c.percent.cy, 1);
    }
}

TEST_F(ChartToolsTest, DrawingBarCommandsChooseTheEngineTools)
{
    using Tool = CODDrawingController::Tool;
    const struct {
        int id;
        Tool tool;
    } cases[] = {
        {CODDrawingController::ID_OD_LINE, Tool::Line},
        {CODDrawingController::ID_OD_POLYLINE, Tool::Polyline},
        {CODDrawingController::ID_OD_POLYGON, Tool::Polygon},
        {CODDrawingController::ID_OD_RECTANGLE, Tool::Rectangle},
        {CODDrawingController::ID_OD_POLYCURVE, Tool::Polycurve},
        {CODDrawingController::ID_OD_CLOSED_CURVE, Tool::ClosedCurve},
        {CODDrawingController::ID_OD_ELLIPSE, Tool::Ellipse},
        {CODDrawingController::ID_OD_TEXT, Tool::Text},
        {CODDrawingController::ID_OD_SELECT, Tool::Select},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_TRUE(m_controller.IsCommandEnabled(c.id));
        ASSERT_TRUE(m_controller.OnCommand(c.id));
        EXPECT_EQ(m_controller.GetTool(), c.tool);
        for (const auto& other : cases)
            EXPECT_EQ(m_controller.IsCommandChecked(other.id), other.id == c.id) << other.id;
    }
    // Select shows pressed only while no tool of any kind waits.
    ASSERT_TRUE(m_controller.OnCommand(C::ID_INSERT_PORT));
    EXPECT_FALSE(m_controller.IsCommandChecked(CODDrawingController::ID_OD_SELECT));
}

TEST_F(ChartToolsTest, EditVerticesNeedsASelectedLine)
{
    auto* line = new CODLineComponent();
    const POINT ends[] = {{500, 500}, {600, 550}};
    line->Create(ends, 2);
    m_model.AddChild(line);
    EXPECT_FALSE(m_controller.IsCommandEnabled(CODDrawingController::ID_OD_EDIT_VERTICES));
    m_controller.SetSelection({m_boxA});
    EXPECT_FALSE(m_controller.IsCommandEnabled(CODDrawingController::ID_OD_EDIT_VERTICES));
    m_controller.SetSelection({line});
    EXPECT_TRUE(m_controller.IsCommandEnabled(CODDrawingController::ID_OD_EDIT_VERTICES));
}

TEST_F(ChartToolsTest, EveryToolsPartDrawsInOneChart)
{
    m_model.SetSize(900, 700);
    const auto insert = [this](int nId, const CPoint& at) {
        ASSERT_TRUE(m_controller.OnCommand(nId));
        Click(at);
    };
    insert(C::ID_INSERT_SHADOW_BOX, CPoint(60, 200));
    insert(C::ID_INSERT_BOX, CPoint(360, 200));
    insert(C::ID_INSERT_PORT, CPoint(300, 160));
    // Each link kind from box A's port to a port of its own box below.
    for (std::size_t i = 0; i < std::size(kLinkCommands); ++i) {
        const int y = 420 + static_cast<int>(i) * 40;
        CODSymbolComponent* from = test_diagram::AddBox(CRect(60, y, 100, y + 20), m_model);
        CODSymbolComponent* to = test_diagram::AddBox(CRect(300, y + 10, 340, y + 30), m_model);
        CODCirclePort* source = test_diagram::AddPort(from, CPoint(100, y + 10));
        CODCirclePort* target = test_diagram::AddPort(to, CPoint(300, y + 20));
        ASSERT_TRUE(m_controller.OnCommand(kLinkCommands[i]));
        Drag(source->GetPosition(), target->GetPosition());
    }
    ASSERT_TRUE(m_controller.OnCommand(C::ID_LINK_ORTHOGONAL));
    Drag(m_portA->GetPosition(), m_portB->GetPosition());
    ASSERT_TRUE(m_controller.OnCommand(C::ID_CONNECTION_LINE));
    Drag(CPoint(420, 420), CPoint(620, 520));
    ASSERT_TRUE(m_controller.OnCommand(C::ID_CURVE_TEXT));
    Drag(CPoint(620, 120), CPoint(820, 320));
    WriteBmp("picture.bmp", 60, 40, RGB(40, 120, 200));
    ASSERT_TRUE(m_controller.InsertImageFile("picture.bmp"));
    Click(CPoint(700, 600));
    m_controller.SetSelection({});
    EXPECT_EQ(ChildrenOf<CODLinkComponent>(m_model).size(), std::size(kLinkCommands) + 1);
    EXPECT_EQ(ChildrenOf<CCurveText>(m_model).size(), 1U);
    EXPECT_EQ(ChildrenOf<CODImageComponent>(m_model).size(), 1U);

    ASSERT_TRUE(m_controller.SaveAs("tools.png", "PNG"));
    if (const char* dir = std::getenv("QUORREL_TEST_PNG_DIR")) {
        ASSERT_TRUE(m_controller.SaveAs(std::string(dir) + "/tools.png", "PNG"));
    }
}

}  // namespace
