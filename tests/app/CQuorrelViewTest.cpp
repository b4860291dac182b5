#include "app/CInPlaceTextEdit.h"
#include "app/CQuorrelController.h"
#include "app/CQuorrelView.h"
#include "app/CResizeDrawingDialog.h"
#include "engine/CODBoolProperty.h"
#include "engine/CODModel.h"
#include "engine/CODRectComponent.h"
#include "engine/CODTextComponent.h"
#include "engine/PropertyIds.h"
#include "platform/MessageBox.h"
#include "platform/QtText.h"
#include "tests/charts/PedigreeProject.h"
#include "tests/support/TestFiles.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QKeyEvent>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

CODRectComponent* AddBox(CODModel& model, const CRect& rect)
{
    auto* box = new CODRectComponent();
    box->Create(rect);
    model.AddChild(box);
    return box;
}

// A shown view of a known client size.
std::unique_ptr<CQuorrelView> ShownView(int width, int height)
{
    auto view = std::make_unique<CQuorrelView>();
    view->show();
    view->resize(width + view->width() - view->viewport()->width(), height + view->height() - view->viewport()->height());
    QApplication::processEvents();
    return view;
}

// The command's standard output, or empty when it cannot be run.
std::string Output(const std::string& command)
{
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
            output += buffer;
        pclose(pipe);
    }
    return output;
}

std::string PdfInfo(const std::string& path, const std::string& field)
{
    const std::string info = Output("pdfinfo '" + path + "' 2>/dev/null");
    const std::size_t at = info.find(field + ":");
    if (at == std::string::npos)
        return {};
    const std::size_t start = info.find_first_not_of(' ', at + field.size() + 1);
    return info.substr(start, info.find('\n', start) - start);
}

class ViewTest : public testing::Test {
protected:
    void SetUp() override
    {
        MessageBox::SetSink([this](const std::string& text) { messages.push_back(text); });
    }
    void TearDown() override
    {
        MessageBox::SetSink(nullptr);
        MessageBox::SetAnswerer(nullptr);
    }

    Texts messages;
};

TEST_F(ViewTest, ZoomKeepsThePointUnderThePointerWithinTenToAThousandPercent)
{
    const auto view = ShownView(400, 300);
    view->ScrollTo(CPoint(100, 50));
    const struct {
        int percent;
        CPoint pointer;
        bool applied;
    } cases[] = {
        {200, {100, 50}, true}, {1000, {0, 0}, true}, {10, {399, 299}, true}, {2000, {10, 10}, false},
        {9, {10, 10}, false}, {75, {123, 45}, true},
    };
    for (const auto& c : cases) {
        const CPoint before = view->ClientToLogical(c.pointer);
        const CSize zoom = view->GetViewport().GetMagnification();
        EXPECT_EQ(view->ZoomAbout(c.percent, c.pointer), c.applied) << c.percent;
        const CSize expected = c.applied ? CSize(c.percent, c.percent) : zoom;
        EXPECT_EQ(view->GetViewport().GetMagnification(), expected) << c.percent;
        const CPoint after = view->ClientToLogical(c.pointer);
        // Within a logical unit of where it was, whatever the rounding of the scroll.
        const double unit = 100.0 / std::min(c.percent, zoom.cx) + 1;
        EXPECT_LE(std::abs(after.x - before.x), unit) << c.percent;
        EXPECT_LE(std::abs(after.y - before.y), unit) << c.percent;
    }

    // Ctrl+wheel: a notch up zooms by a quarter about the pointer, stopping at the limit.
    view->ZoomAbout(100, CPoint(0, 0));
    const auto wheel = [&view](int notches, Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(QPointF(200, 150), view->viewport()->mapToGlobal(QPointF(200, 150)), QPoint(),
                          QPoint(0, notches * CQuorrelView::kWheelNotch), Qt::NoButton, modifiers, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(view->viewport(), &event);
    };
    const CPoint under = view->ClientToLogical(CPoint(200, 150));
    wheel(1, Qt::ControlModifier);
    EXPECT_EQ(view->GetViewport().GetMagnification(), CSize(125, 125));
    EXPECT_LE(std::abs(view->ClientToLogical(CPoint(200, 150)).x - under.x), 1);
    wheel(-20, Qt::ControlModifier);
    EXPECT_EQ(view->GetViewport().GetMagnification(), CSize(10, 10));
    // Without Ctrl the wheel scrolls down and leaves the zoom.
    const CPoint scroll = view->GetViewport().GetScrollPosition();
    wheel(-1, Qt::NoModifier);
    EXPECT_EQ(view->GetViewport().GetMagnification(), CSize(10, 10));
    EXPECT_GT(view->GetViewport().GetScrollPosition().y, scroll.y);
}

TEST_F(ViewTest, ZoomToFitShowsTheComponentsCentredAtOnePercentForBothAxes)
{
    const auto view = ShownView(420, 320);
    CODModel& model = view->GetDocument().GetModel();
    AddBox(model, CRect(0, 0, 100, 100));
    CODRectComponent* far = AddBox(model, CRect(900, 400, 1000, 500));

    view->GetViewport().SetMagnification(300, 300);
    view->GetController().OnZoomToFit();
    // (420 - 2 x 10) x 100 / 1000 = 40 across, (320 - 20) x 100 / 500 = 60 down: 40 for both.
    EXPECT_EQ(view->GetViewport().GetMagnification(), CSize(40, 40));
    // The centre (500, 250) in the client's middle.
    EXPECT_EQ(view->GetViewport().GetScrollPosition(), CPoint(500 - 525, 250 - 400));
    EXPECT_EQ(view->LogicalToClient(CPoint(500, 250)), CPoint(210, 160));

    // The selection alone: one small box is held to the largest zoom.
    view->GetViewport().SetSelection({far});
    view->GetController().OnZoomToSelection();
    EXPECT_EQ(view->GetViewport().GetMagnification(), CSize(300, 300));  // min(400, 300) percent
    // Nothing selected: the zoom goes back to 100 % and nothing more.
    view->GetViewport().SetSelection({});
    view->GetController().OnZoomToSelection();
    EXPECT_EQ(view->GetViewport().GetMagnification(), CSize(100, 100));
    EXPECT_FALSE(view->ZoomToFit({}));
}

TEST_F(ViewTest, PaintsTheCanvasTheComponentsAndTheGreyOutside)
{
    const auto view = ShownView(300, 200);
    CODModel& model = view->GetDocument().GetModel();
    view->GetViewport().m_bGridVisible = false;
    view->GetViewport().m_bPagesVisible = false;
    model.SetSize(200, 150);
    AddBox(model, CRect(40, 40, 120, 100));
    view->ScrollTo(CPoint(-20, -20));
    QImage shown = view->viewport()->grab().toImage();
    if (const char* dir = std::getenv("QUORREL_TEST_PNG_DIR"))
        shown.save(QString::fromStdString(std::string(dir) + "/view.png"));
    EXPECT_EQ(shown.pixel(5, 5) & 0xFFFFFF, 0x808080u);    // outside the canvas
    EXPECT_EQ(shown.pixel(30, 30) & 0xFFFFFF, 0xFFFFFFu);  // canvas
    EXPECT_EQ(shown.pixel(60, 60) & 0xFFFFFF, 0x000000u);  // the box's left edge
    EXPECT_EQ(shown.pixel(100, 90) & 0xFFFFFF, 0xFFFFFFu);

    // A moved box: only its old and new places are drawn again, and both are right.
    CODComponent* box = model.GetChild(0);
    const CRect old = box->GetBounds();
    box->MoveTo(140, 20);
    view->InvalidateLogical(old);
    view->InvalidateLogical(box->GetBounds());
    shown = view->viewport()->grab().toImage();
    EXPECT_EQ(shown.pixel(60, 60) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(shown.pixel(160, 60) & 0xFFFFFF, 0x000000u);

    // Rulers take a band on the top and the left; the chart moves right and down with them.
    view->ShowRulers(true);
    QApplication::processEvents();
    EXPECT_EQ(view->viewport()->geometry().topLeft() - view->contentsRect().topLeft(),
              QPoint(CQuorrelView::kRulerThickness, CQuorrelView::kRulerThickness));
}

TEST_F(ViewTest, SwitchesOfTheLastViewAreTheNextViewsStart)
{
    bool rulers = false;
    bool grid = false;
    bool cutMarks = false;
    {
        CQuorrelView view;
        rulers = !view.AreRulersShown();
        grid = !view.GetViewport().m_bGridVisible;
        cutMarks = !view.GetViewport().m_bCutMarksVisible;
        view.ShowRulers(rulers);
        view.GetViewport().m_bGridVisible = grid;
        view.GetViewport().m_bCutMarksVisible = cutMarks;
    }
    CQuorrelView next;
    EXPECT_EQ(next.AreRulersShown(), rulers);
    EXPECT_EQ(next.GetViewport().m_bGridVisible, grid);
    EXPECT_EQ(next.GetViewport().m_bCutMarksVisible, cutMarks);
}

TEST_F(ViewTest, SavedChartsReopenUnmodifiedAndDamagedOnesLeaveTheWindowEmpty)
{
    std::filesystem::create_directories("charts");
    {
        CQuorrelView view;
        EXPECT_FALSE(view.GetDocument().IsModified());
        AddBox(view.GetDocument().GetModel(), CRect(10, 20, 110, 70));
        EXPECT_TRUE(view.GetDocument().IsModified());
        ASSERT_TRUE(view.SaveDocument("charts/tree.qrd"));
        EXPECT_FALSE(view.GetDocument().IsModified());
        EXPECT_EQ(view.GetTitle(), "tree.qrd");
        EXPECT_TRUE(view.OnFileSave());  // a chart with a file saves without asking
    }
    CQuorrelView view;
    ASSERT_TRUE(view.OpenDocument("charts/tree.qrd"));
    EXPECT_FALSE(view.GetDocument().IsModified());
    ASSERT_EQ(view.GetDocument().GetModel().GetChildCount(), 1);
    EXPECT_EQ(view.GetDocument().GetModel().GetChild(0)->GetBounds(), CRect(10, 20, 110, 70));
    EXPECT_EQ(view.windowTitle(), QStringLiteral("tree.qrd"));

    quorrel_test::WriteFile("charts/bad.qrd", std::string("\x01\x00\x00\x00garbage", 11));
    EXPECT_FALSE(view.OpenDocument("charts/bad.qrd"));
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_NE(messages[0].find(CQuorrelDoc::kDamagedText), std::string::npos);
    EXPECT_EQ(view.GetDocument().GetModel().GetChildCount(), 0);
    EXPECT_EQ(view.GetDocument().GetModel().GetSize(), CSize(15000, 15000));
    EXPECT_EQ(view.GetPathName(), "");
    EXPECT_TRUE(view.GetTitle().empty() || view.GetTitle().find("bad") == std::string::npos);
}

TEST_F(ViewTest, ClosingAModifiedChartAsksAndCancelKeepsIt)
{
    std::filesystem::create_directories("ask");
    const struct {
        MessageBox::Answer answer;
        bool closes;
        bool written;
    } cases[] = {
        {MessageBox::Answer::Yes, true, true},
        {MessageBox::Answer::No, true, false},
        {MessageBox::Answer::Cancel, false, false},
    };
    int n = 0;
    for (const auto& c : cases) {
        const std::string path = "ask/chart" + std::to_string(++n) + ".qrd";
        CQuorrelView view;
        ASSERT_TRUE(view.SaveDocument(path));
        std::filesystem::remove(path);
        EXPECT_TRUE(view.SaveModified());  // nothing changed: nothing asked
        AddBox(view.GetDocument().GetModel(), CRect(0, 0, 10, 10));
        Texts questions;
        MessageBox::SetAnswerer([&questions, &c](const std::string& text) {
            questions.push_back(text);
            return c.answer;
        });
        EXPECT_EQ(view.SaveModified(), c.closes) << n;
        EXPECT_EQ(questions, Texts{"Save changes to chart" + std::to_string(n) + ".qrd?"});
        EXPECT_EQ(std::filesystem::exists(path), c.written) << n;
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(ViewTest, ExportWritesOnlyPictureTypesAndJpegIsNotOne)
{
    CQuorrelView view;
    CODModel& model = view.GetDocument().GetModel();
    model.SetSize(120, 80);
    AddBox(model, CRect(10, 10, 60, 40));
    std::filesystem::create_directories("export");
    const struct {
        const char* name;
        bool written;
    } cases[] = {
        {"export/a.jpg", true}, {"export/b.BMP", true}, {"export/c.Png", true}, {"export/d.pdf", true},
        {"export/e.svg", true}, {"export/f.jpeg", false}, {"export/g.qrd", false}, {"export/h", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(view.GetController().ExportTo(c.name), c.written) << c.name;
        EXPECT_EQ(std::filesystem::exists(c.name), c.written) << c.name;
    }
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(quorrel_test::ReadFile("export/b.BMP").substr(0, 2), "BM");
    EXPECT_EQ(quorrel_test::ReadFile("export/a.jpg").substr(0, 2), "\xFF\xD8");

    EXPECT_FALSE(view.GetController().ExportTo("export/missing/x.jpg"));
    EXPECT_EQ(messages, Texts{"Could not save file\nexport/missing/x.jpg"});
}

TEST_F(ViewTest, ResizeDrawingCutsTheFactorToTwoDecimals)
{
    const struct {
        bool vertical;
        const char* newSize;
        float factor;
    } cases[] = {
        {false, "10", 1.33F}, {false, "7.50", 1.0F}, {true, "10", 2.0F}, {false, "3.75", 0.5F}, {false, "0", 0.0F},
        {false, "2000000", 0.0F}, {true, "abc", 0.0F},
    };
    for (const auto& c : cases) {
        CResizeDrawingDialog dialog(nullptr, 7.5, 5.0, "Inches");
        EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("1006"))->text(), QStringLiteral("7.50"));
        dialog.findChild<QRadioButton*>(QString::fromLatin1(c.vertical ? "1005" : "1004"))->setChecked(true);
        dialog.findChild<QLineEdit*>(QStringLiteral("1006"))->setText(QString::fromLatin1(c.newSize));
        EXPECT_FLOAT_EQ(dialog.GetScaleFactor(), c.factor) << c.newSize;
    }
}

// Page setup: what the printer's layout holds goes into the chart's page
// settings, in their units, and back onto the next printer.
TEST_F(ViewTest, PageSetupGoesIntoThePageSettingsAndBack)
{
    const struct {
        std::uint32_t units;
        QPageSize page;
        QPageLayout::Orientation orientation;
        QMarginsF margins;  // millimetres
        SIZE paper;
        RECT stored;
    } cases[] = {
        {CODPageSettings::kHundredthsOfMillimeters, QPageSize(QPageSize::A4), QPageLayout::Landscape,
         QMarginsF(10, 20, 30, 40), SIZE{29700, 21000}, RECT{1000, 2000, 3000, 4000}},
        {CODPageSettings::kThousandthsOfInches, QPageSize(QPageSize::Letter), QPageLayout::Portrait,
         QMarginsF(25.4, 12.7, 25.4, 12.7), SIZE{8500, 11000}, RECT{1000, 500, 1000, 500}},
    };
    for (const auto& c : cases) {
        CQuorrelView view;
        CODPageSettings& settings = view.GetDocument().GetModel().GetPageSettings();
        settings.SetUnits(c.units);
        QPrinter chosen(QPrinter::HighResolution);
        chosen.setOutputFormat(QPrinter::PdfFormat);
        chosen.setPageLayout(QPageLayout(c.page, c.orientation, c.margins, QPageLayout::Millimeter));
        view.TakePageSettings(chosen);
        EXPECT_EQ(settings.GetPaperSize().cx, c.paper.cx);
        EXPECT_EQ(settings.GetPaperSize().cy, c.paper.cy);
        EXPECT_EQ(settings.GetOrientation(),
                  c.orientation == QPageLayout::Landscape ? CODPageSettings::kLandscape : CODPageSettings::kPortrait);
        const RECT margins = settings.GetMargins();
        EXPECT_EQ(CRect(margins), CRect(c.stored));
        EXPECT_TRUE(view.GetDocument().IsModified());

        // The drawing places itself inside its margins: the printer gets the whole sheet.
        QPrinter next(QPrinter::HighResolution);
        next.setOutputFormat(QPrinter::PdfFormat);
        view.ApplyPageSettings(next);
        EXPECT_EQ(next.pageLayout().orientation(), c.orientation);
        EXPECT_TRUE(next.pageLayout().pageSize().rect(QPageSize::Millimeter).size().toSize()
                    == c.page.rect(QPageSize::Millimeter).size().toSize());
        EXPECT_TRUE(next.fullPage());
    }
}

// A generated chart on small pages: each page that holds part of the chart,
// up to the last, is one page of the PDF, of the paper's size.
TEST_F(ViewTest, PrintingToPdfGivesThePagesUpToTheLastThatHoldsTheChart)
{
    const std::string path = pedigree::CommandFileWith(pedigree::Paul,
        "[CHART]\nTYPE=Ancestor\n[Ancestor]\ngenerations=4\nGenerationGap=40\nLeftGap=10\nTopGap=10\n");
    CQuorrelView view;
    view.GetController().RunCommandFile(path);
    ASSERT_TRUE(messages.empty()) << messages.front();
    CODPageSettings& settings = view.GetDocument().GetModel().GetPageSettings();
    settings.SetUnits(CODPageSettings::kThousandthsOfInches);
    // 4 x 3 inches with quarter-inch margins: a page of 336 x 240 units.
    settings.SetPaperSize(SIZE{4000, 3000});
    settings.SetMinMargins(RECT{0, 0, 0, 0});
    settings.SetMargins(RECT{250, 250, 250, 250});
    const CQuorrelViewport& viewport = view.GetViewport();
    ASSERT_EQ(viewport.GetPageSize(), CSize(336, 240));
    const int last = viewport.GetLastPageToPrint();
    ASSERT_GT(last, 1);
    EXPECT_LE(last, viewport.GetPageCount());

    std::filesystem::create_directories("print");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("print/tree.pdf"));
    ASSERT_TRUE(view.PrintPages(printer));
    if (Output("command -v pdfinfo").empty())
        GTEST_SKIP() << "pdfinfo is not installed";
    EXPECT_EQ(PdfInfo("print/tree.pdf", "Pages"), std::to_string(last));
    EXPECT_EQ(PdfInfo("print/tree.pdf", "Page size").substr(0, 13), "288 x 216 pts");
    if (const char* dir = std::getenv("QUORREL_TEST_PNG_DIR"))
        Output("pdftoppm -r 200 -png print/tree.pdf '" + std::string(dir) + "/printed'");

    // A chart with no component prints nothing.
    CQuorrelView empty;
    printer.setOutputFileName(QStringLiteral("print/empty.pdf"));
    EXPECT_FALSE(empty.PrintPages(printer));
}

}  // namespace

namespace {

void Press(QWidget* widget, int nKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, nKey, modifiers);
    QApplication::sendEvent(widget, &press);
}

// The editor opens over the text with the text selected and the font at the
// zoom; Escape leaves the text alone, Enter keeps what was typed as one
// undoable step.
TEST_F(ViewTest, InPlaceEditorEditsTheTextAtTheZoom)
{
    const auto view = ShownView(500, 300);
    auto* text = new CODTextComponent();
    text->Create(CRect(20, 20, 200, 60), nullptr);
    text->SetText("Smith");
    view->GetDocument().GetModel().AddChild(text);
    CQuorrelController& controller = view->GetController();

    int nPixels100 = 0;
    for (const int nZoom : {100, 200}) {
        ASSERT_TRUE(view->SetZoom(nZoom));
        ASSERT_TRUE(controller.BeginTextEdit(text));
        CInPlaceTextEdit* editor = view->GetTextEditor();
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->toPlainText(), QStringLiteral("Smith"));
        EXPECT_EQ(editor->textCursor().selectedText(), QStringLiteral("Smith"));
        EXPECT_TRUE(editor->isVisible());
        if (nZoom == 100)
            nPixels100 = editor->font().pixelSize();
        else
            EXPECT_NEAR(editor->font().pixelSize(), 2 * nPixels100, 1);
        editor->insertPlainText(QStringLiteral("Jones"));
        Press(editor, Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_EQ(view->GetTextEditor(), nullptr);
        EXPECT_FALSE(controller.IsTextEditing());
        EXPECT_EQ(text->GetText(), "Smith");
    }
    EXPECT_GT(nPixels100, 0);

    ASSERT_TRUE(controller.BeginTextEdit(text));
    view->GetTextEditor()->insertPlainText(QStringLiteral("M\u00fcller"));
    Press(view->GetTextEditor(), Qt::Key_Return);
    EXPECT_EQ(view->GetTextEditor(), nullptr);
    EXPECT_EQ(QtText::Decode(text->GetText()), QStringLiteral("M\u00fcller"));
    ASSERT_TRUE(controller.Undo());
    EXPECT_EQ(text->GetText(), "Smith");

    // Undo with the editor open first keeps what was typed, then takes it back.
    ASSERT_TRUE(controller.BeginTextEdit(text));
    view->GetTextEditor()->insertPlainText(QStringLiteral("Brown"));
    ASSERT_TRUE(controller.OnCommand(CODDrawingController::ID_EDIT_UNDO));
    EXPECT_EQ(view->GetTextEditor(), nullptr);
    EXPECT_EQ(text->GetText(), "Smith");
    ASSERT_TRUE(controller.Redo());
    EXPECT_EQ(text->GetText(), "Brown");

    // In a text of several lines Shift+Enter breaks the line and Enter still ends the edit.
    text->AddProperty(CODBoolProperty(OD_PROP_MULTILINE, 1));
    ASSERT_TRUE(controller.BeginTextEdit(text));
    CInPlaceTextEdit* editor = view->GetTextEditor();
    editor->moveCursor(QTextCursor::End);
    Press(editor, Qt::Key_Return, Qt::ShiftModifier);
    editor->insertPlainText(QStringLiteral("Smith"));
    Press(editor, Qt::Key_Return);
    EXPECT_EQ(view->GetTextEditor(), nullptr);
    EXPECT_EQ(text->GetText(), "Brown\nSmith");
}

// The chart tools show cursors of their own; the others the system's.
TEST_F(ViewTest, ToolsShowTheirOwnCursors)
{
    const auto view = ShownView(300, 200);
    CQuorrelController& controller = view->GetController();
    for (const int nTool : {CQuorrelController::ID_CURVE_TEXT, CQuorrelController::ID_CONNECTION_LINE}) {
        ASSERT_TRUE(controller.OnCommand(nTool));
        const QCursor cursor = view->viewport()->cursor();
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor) << nTool;
        EXPECT_FALSE(cursor.pixmap().isNull()) << nTool;
    }
    ASSERT_TRUE(controller.OnCommand(CQuorrelController::ID_LINK));
    EXPECT_NE(view->viewport()->cursor().shape(), Qt::BitmapCursor);
}

}  // namespace

