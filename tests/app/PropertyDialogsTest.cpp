#include "app/CChildFrame.h"
#include "app/CColorButton.h"
#include "app/CComponentPropertiesDlg.h"
#include "app/CDiagramMeasurementsDlg.h"
#include "app/CGridPropertiesDlg.h"
#include "app/CMainFrame.h"
#include "app/CPropertyValues.h"
#include "app/CQuorrelController.h"
#include "app/CQuorrelView.h"
#include "app/CZoomDlg.h"
#include "chartparts/CIndiBox.h"
#include "chartparts/ToolComponents.h"
#include "engine/CODFillProperties.h"
#include "engine/CODFontProperties.h"
#include "engine/CODIntProperty.h"
#include "engine/CODLineProperties.h"
#include "engine/CODModel.h"
#include "engine/CODRectComponent.h"
#include "engine/CODTextComponent.h"
#include "engine/PropertyIds.h"
#include "tests/engine/TestDiagram.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Components = std::vector<CODComponent*>;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

const CODLineProperties& LineOf(const CODComponent* component)
{
    return *dynamic_cast<const CODLineProperties*>(component->GetProperty(OD_PROP_LINE));
}

const CODFontProperties& FontOf(const CODComponent* component)
{
    return *dynamic_cast<const CODFontProperties*>(component->GetProperty(OD_PROP_FONT));
}

// A chart view with two rectangles (the first outlined in blue), a text and
// a symbol with a port.
class PropertyDialogsTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_model.SetSize(2000, 2000);
        m_first = AddRect(CRect(10, 10, 110, 60));
        CODLineProperties blue;
        blue.SetColor(kBlue);
        m_first->AddProperty(blue);
        m_second = AddRect(CRect(10, 100, 110, 160));
        m_text = new CODTextComponent();
        m_text->Create(CRect(200, 10, 320, 40), nullptr);
        m_text->SetText("Name");
        m_model.AddChild(m_text);
        m_symbol = test_diagram::AddBox(CRect(400, 10, 480, 70), m_model);
        m_port = test_diagram::AddPort(m_symbol, CPoint(440, 10));
    }

    CODRectComponent* AddRect(const CRect& rect)
    {
        auto* shape = new CODRectComponent();
        shape->Create(rect.left, rect.top, rect.right, rect.bottom);
        m_model.AddChild(shape);
        return shape;
    }

    CQuorrelView m_view;
    CQuorrelController& m_controller = m_view.GetController();
    CODModel& m_model = m_view.GetDocument().GetModel();
    CODRectComponent* m_first = nullptr;
    CODRectComponent* m_second = nullptr;
    CODTextComponent* m_text = nullptr;
    CODSymbolComponent* m_symbol = nullptr;
    CODComponent* m_port = nullptr;
};

TEST_F(PropertyDialogsTest, ChangedFieldsReachEveryMemberAndUndoInOneStep)
{
    const Components selection = {m_first, m_second, m_text};
    const CPropertyValues before = CPropertyValues::Read(selection);
    // The first member that has each property shows it.
    EXPECT_EQ(before.line.color, kBlue);
    EXPECT_EQ(before.font.points, 10);
    CPropertyValues after = before;
    after.line.points = 3;
    after.font.points = 16;
    ASSERT_TRUE(m_controller.ApplyProperties(selection, before, after));

    // Only the width changed: each member keeps its own colour.
    EXPECT_EQ(LineOf(m_first).GetColor(), kBlue);
    EXPECT_EQ(LineOf(m_second).GetColor(), 0U);
    for (const CODComponent* member : selection)
        EXPECT_EQ(LineOf(member).GetWidthInPoints(), 3) << member->GetType();
    EXPECT_EQ(FontOf(m_text).GetPointSize(), 16);
    // A rectangle has no font and gets none.
    EXPECT_EQ(m_first->GetProperty(OD_PROP_FONT), nullptr);

    ASSERT_TRUE(m_controller.Undo());
    for (const CODComponent* member : selection)
        EXPECT_EQ(LineOf(member).GetWidthInPoints(), 1) << member->GetType();
    EXPECT_EQ(FontOf(m_text).GetPointSize(), 10);
    EXPECT_FALSE(m_model.GetHistory().CanUndo());

    // Nothing changed: nothing to do.
    EXPECT_FALSE(m_controller.ApplyProperties(selection, before, before));
}

TEST_F(PropertyDialogsTest, TextAndItsSwitchesChangeTogether)
{
    const CPropertyValues before = CPropertyValues::Read({m_text});
    ASSERT_TRUE(before.text.editable);
    CPropertyValues after = before;
    after.text.text = "Smith";
    after.text.horizontal = 2;
    after.text.wordWrap = true;
    ASSERT_TRUE(m_controller.ApplyProperties({m_text}, before, after));
    EXPECT_EQ(m_text->GetText(), "Smith");
    EXPECT_EQ(dynamic_cast<const CODIntProperty*>(m_text->GetProperty(OD_PROP_HORZ_ALIGNMENT))->GetInt(), 2);
    ASSERT_TRUE(m_controller.Undo());
    EXPECT_EQ(m_text->GetText(), "Name");
    EXPECT_EQ(CPropertyValues::Read({m_text}), before);

    // Of two texts the switches are edited, the text is not.
    EXPECT_FALSE(CPropertyValues::Read({m_text, m_text->Clone().get()}).text.editable);
}

TEST_F(PropertyDialogsTest, DetailCollectionHoldsChildrenAndPortsAndRecoloursTheBoxInside)
{
    m_controller.SetSelection({m_symbol});
    const Components detail = m_controller.GetDetailCollection();
    ASSERT_FALSE(detail.empty());
    EXPECT_EQ(detail.front(), m_symbol);
    CODComponent* shape = m_symbol->GetChild(0);
    for (const CODComponent* part : {shape, m_port})
        EXPECT_EQ(std::count(detail.begin(), detail.end(), part), 1);

    // The symbol itself has no line: its box takes the colour.
    EXPECT_FALSE(CPropertyValues::Read({m_symbol}).line.used);
    const CPropertyValues before = CPropertyValues::Read(detail);
    CPropertyValues after = before;
    after.line.color = kRed;
    ASSERT_TRUE(m_controller.ApplyProperties(detail, before, after));
    EXPECT_EQ(LineOf(shape).GetColor(), kRed);

    // Its plain property sheet would show nothing: it edits the parts instead.
    EXPECT_EQ(m_controller.GetPropertiesCollection(), detail);
    m_controller.SetSelection({m_first, m_symbol});
    EXPECT_EQ(m_controller.GetPropertiesCollection(), (Components{m_first, m_symbol}));

    m_controller.SetSelection({});
    EXPECT_TRUE(m_controller.GetDetailCollection().empty());
}

// Recolouring a box through its sheet changes the box, never its shadow.
TEST_F(PropertyDialogsTest, ABoxsSheetLeavesItsShadowAlone)
{
    CIndiBox* box = MakeInsertedBox(true, nullptr).release();
    m_model.AddChild(box);
    m_controller.SetSelection({box});
    const Components parts = m_controller.GetPropertiesCollection();
    std::vector<const CODComponent*> shadows;
    for (int i = 0; i < box->GetChildCount(); ++i)
        if (box->GetChild(i)->GetName() == CIndiBox::kVShadowName || box->GetChild(i)->GetName() == CIndiBox::kHShadowName)
            shadows.push_back(box->GetChild(i));
    ASSERT_EQ(shadows.size(), 2U);
    for (const CODComponent* shadow : shadows)
        EXPECT_EQ(std::count(parts.begin(), parts.end(), shadow), 0);

    const CPropertyValues before = CPropertyValues::Read(parts);
    ASSERT_TRUE(before.fill.used);
    CPropertyValues after = before;
    after.fill.color = kRed;
    ASSERT_TRUE(m_controller.ApplyProperties(parts, before, after));
    for (const CODComponent* shadow : shadows)
        EXPECT_EQ(dynamic_cast<const CODFillProperties*>(shadow->GetProperty(OD_PROP_FILL))->GetColor(), 0x808080U);
    EXPECT_EQ(CPropertyValues::Read(m_controller.GetPropertiesCollection()).fill.color, kRed);
}

TEST_F(PropertyDialogsTest, PagesShowOnlyWhatTheMembersUse)
{
    const struct {
        const char* name;
        Components members;
        bool line, fill, font, text;
    } cases[] = {
        {"rectangle", {m_first}, true, true, false, false},
        {"text", {m_text}, true, true, true, true},
        {"symbol", {m_symbol}, false, false, false, false},
        {"rectangle and text", {m_first, m_text}, true, true, true, true},
    };
    for (const auto& c : cases) {
        CComponentPropertiesDlg dialog(nullptr, "Properties", CPropertyValues::Read(c.members));
        const auto* tabs = dialog.findChild<QTabWidget*>();
        EXPECT_EQ(tabs->isTabVisible(0), c.line) << c.name;
        EXPECT_EQ(tabs->isTabVisible(1), c.fill) << c.name;
        EXPECT_EQ(tabs->isTabVisible(2), c.font) << c.name;
        EXPECT_EQ(tabs->isTabVisible(3), c.text) << c.name;
    }
}

TEST_F(PropertyDialogsTest, WidgetsSetByTheUserBecomeTheValuesApplied)
{
    const Components selection = {m_second, m_text};
    const CPropertyValues before = CPropertyValues::Read(selection);
    CComponentPropertiesDlg dialog(nullptr, "Properties", before);
    // Untouched, the dialog gives back what it was given, whatever its widgets could show.
    EXPECT_EQ(dialog.GetValues(), before);

    dialog.findChild<CColorButton*>(QStringLiteral("lineColor"))->SetColor(kRed);
    dialog.findChild<QSpinBox*>(QStringLiteral("lineWidth"))->setValue(5);
    dialog.findChild<QComboBox*>(QStringLiteral("lineStyle"))->setCurrentIndex(1);
    dialog.findChild<QComboBox*>(QStringLiteral("fillStyle"))->setCurrentIndex(1);
    dialog.findChild<QComboBox*>(QStringLiteral("hatch"))->setCurrentIndex(4);
    dialog.findChild<QSpinBox*>(QStringLiteral("fontSize"))->setValue(18);
    dialog.findChild<QCheckBox*>(QStringLiteral("bold"))->setChecked(true);
    dialog.findChild<QComboBox*>(QStringLiteral("vertical"))->setCurrentIndex(2);
    dialog.accept();
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_TRUE(m_controller.ApplyProperties(selection, before, dialog.GetValues()));

    for (const CODComponent* member : selection) {
        EXPECT_EQ(LineOf(member).GetColor(), kRed) << member->GetType();
        EXPECT_EQ(LineOf(member).GetWidthInPoints(), 5) << member->GetType();
        EXPECT_EQ(LineOf(member).GetStyle(), 1) << member->GetType();
        const auto* fill = dynamic_cast<const CODFillProperties*>(member->GetProperty(OD_PROP_FILL));
        EXPECT_EQ(fill->GetFillStyle(), CODFillProperties::kHatched) << member->GetType();
        EXPECT_EQ(fill->GetHatchStyle(), 4) << member->GetType();
    }
    EXPECT_EQ(FontOf(m_text).GetPointSize(), 18);
    EXPECT_EQ(FontOf(m_text).GetWeight(), CPropertyValues::kBoldWeight);
    EXPECT_EQ(FontOf(m_text).GetFaceName(), before.font.face);
    EXPECT_EQ(dynamic_cast<const CODIntProperty*>(m_text->GetProperty(OD_PROP_VERT_ALIGNMENT))->GetInt(), 8);
}

TEST_F(PropertyDialogsTest, DefaultPropertiesChangeWhatNewComponentsGet)
{
    CODDrawingViewport& viewport = m_view.GetViewport();
    const CPropertyValues before = CPropertyValues::ReadDefaults(viewport);
    EXPECT_FALSE(before.text.used);
    CPropertyValues after = before;
    after.fill.color = kRed;
    after.font.face = "Arial";
    after.font.italic = true;
    after.ApplyToDefaults(viewport, before);
    EXPECT_EQ(dynamic_cast<const CODFillProperties*>(viewport.GetDefaultProperty(OD_PROP_FILL))->GetColor(), kRed);
    // Components already there keep theirs.
    EXPECT_EQ(FontOf(m_text).GetFaceName(), "Times New Roman");
    const auto* font = dynamic_cast<const CODFontProperties*>(viewport.GetDefaultProperty(OD_PROP_FONT));
    EXPECT_EQ(font->GetFaceName(), "Arial");
    EXPECT_EQ(font->GetItalic(), 1);
    EXPECT_EQ(font->GetPointSize(), before.font.points);
    // Viewport settings: nothing to undo.
    EXPECT_FALSE(m_model.GetHistory().CanUndo());
}

TEST_F(PropertyDialogsTest, GridDialogReachesTheViewport)
{
    CODDrawingViewport& viewport = m_view.GetViewport();
    const double spacingY = viewport.m_fGridSpacingY;
    CGridPropertiesDlg dialog(nullptr, CGridPropertiesDlg::Values::Read(viewport), "Inches");
    dialog.findChild<QDoubleSpinBox*>(QStringLiteral("spacingX"))->setValue(0.25);
    dialog.findChild<CColorButton*>(QStringLiteral("color"))->SetColor(kBlue);
    dialog.findChild<QCheckBox*>(QStringLiteral("visible"))->setChecked(!viewport.m_bGridVisible);
    dialog.findChild<QCheckBox*>(QStringLiteral("snap"))->setChecked(!viewport.m_bSnapToGrid);
    const bool visible = !viewport.m_bGridVisible;
    const bool snap = !viewport.m_bSnapToGrid;
    dialog.accept();
    dialog.GetValues().ApplyTo(viewport);
    EXPECT_DOUBLE_EQ(viewport.m_fGridSpacingX, 0.25);
    EXPECT_DOUBLE_EQ(viewport.m_fGridSpacingY, spacingY);
    EXPECT_EQ(viewport.m_crGrid, kBlue);
    EXPECT_EQ(viewport.m_bGridVisible, visible);
    EXPECT_EQ(viewport.m_bSnapToGrid, snap);
}

TEST_F(PropertyDialogsTest, MeasurementsSetTheCanvasAndTheUnit)
{
    CODDrawingViewport& viewport = m_view.GetViewport();
    viewport.m_nUnitOfMeasure = 0;
    viewport.m_fGridSpacingX = 0.125;
    m_model.SetSize(1500, 900);
    CDiagramMeasurementsDlg dialog(nullptr, CDiagramMeasurementsDlg::Values::Read(m_model, viewport));
    auto* width = dialog.findChild<QDoubleSpinBox*>(QStringLiteral("width"));
    auto* height = dialog.findChild<QDoubleSpinBox*>(QStringLiteral("height"));
    EXPECT_DOUBLE_EQ(width->value(), 1500.0 / 96);
    width->setValue(20);
    auto* unit = dialog.findChild<QComboBox*>(QStringLiteral("unit"));
    EXPECT_EQ(unit->itemText(5), QStringLiteral("Centimeters"));
    unit->setCurrentIndex(5);
    // Shown again in centimetres; the untouched height keeps its exact size.
    EXPECT_NEAR(width->value(), 20 * 2.54, 0.001);
    EXPECT_NEAR(height->value(), 900 / 96.0 * 2.54, 0.001);
    dialog.accept();
    dialog.GetValues().ApplyTo(m_model, viewport);
    EXPECT_EQ(m_model.GetSize(), CSize(1920, 900));
    EXPECT_EQ(viewport.m_nUnitOfMeasure, 5);
    // The grid stays where it was.
    EXPECT_NEAR(viewport.m_fGridSpacingX, 0.3175, 1e-9);
}

TEST(PropertyDialogLimits, SizesAndSpacingsCannotBeZeroOrNegative)
{
    CGridPropertiesDlg grid(nullptr, {0.125, 0.125, 0, true, true}, "Inches");
    CDiagramMeasurementsDlg measurements(nullptr, {1000, 1000, 0});
    CZoomDlg zoom(nullptr, 100, 10, 1000);
    const struct {
        const char* name;
        QAbstractSpinBox* box;
        double wrong;
    } cases[] = {
        {"grid spacing", grid.findChild<QDoubleSpinBox*>(QStringLiteral("spacingY")), 0},
        {"canvas width", measurements.findChild<QDoubleSpinBox*>(QStringLiteral("width")), -3},
        {"canvas height", measurements.findChild<QDoubleSpinBox*>(QStringLiteral("height")), 0},
        {"zoom", zoom.findChild<QSpinBox*>(QStringLiteral("percent")), 0},
    };
    for (const auto& c : cases) {
        ASSERT_NE(c.box, nullptr) << c.name;
        if (auto* spin = dynamic_cast<QDoubleSpinBox*>(c.box)) {
            spin->setValue(c.wrong);
            EXPECT_GT(spin->value(), 0) << c.name;
        } else {
            auto* whole = dynamic_cast<QSpinBox*>(c.box);
            whole->setValue(static_cast<int>(c.wrong));
            EXPECT_EQ(whole->value(), 10) << c.name;
        }
    }
    EXPECT_GE(measurements.GetValues().cx, 1);
    EXPECT_GE(measurements.GetValues().cy, 1);
    EXPECT_GT(grid.GetValues().spacingY, 0);
    zoom.findChild<QSpinBox*>(QStringLiteral("percent"))->setValue(5000);
    EXPECT_EQ(zoom.GetPercent(), 1000);
}

// The menu items follow the controller: the selection's sheets want a selection, the others a chart.
TEST(PropertyDialogCommands, MenuItemsAreEnabledExactlyWhenTheCommandIs)
{
    CMainFrame frame;
    CChildFrame* chart = frame.OnFileNew();
    CQuorrelView* view = chart->GetActiveView();
    auto* shape = new CODRectComponent();
    shape->Create(CRect(10, 10, 50, 50));
    view->GetDocument().GetModel().AddChild(shape);
    const unsigned int selectionSheets[] = {44546, 32806, 32807};
    const unsigned int chartSheets[] = {44511, 44535, 44564, 44558};

    // A command done brings the states up to date: Select All is enabled now there is a box.
    frame.GetAction(CODDrawingController::ID_OD_ZOOM_100)->trigger();
    frame.GetAction(CQuorrelController::ID_SELECT_ALL)->trigger();
    for (const unsigned int id : selectionSheets)
        EXPECT_TRUE(frame.GetAction(id)->isEnabled()) << id;
    frame.GetAction(CODDrawingController::ID_EDIT_CLEAR)->trigger();
    for (const unsigned int id : selectionSheets) {
        EXPECT_FALSE(frame.GetAction(id)->isEnabled()) << id;
        EXPECT_FALSE(view->GetController().IsCommandEnabled(static_cast<int>(id))) << id;
    }
    for (const unsigned int id : chartSheets)
        EXPECT_TRUE(frame.GetAction(id)->isEnabled()) << id;
    view->GetDocument().SetModifiedFlag(false);
}

}  // namespace
