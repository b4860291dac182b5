// Sessions on a real display (Xvfb): a generated chart opened from the
// command line, zoomed with Ctrl+wheel, rulers and zoom to fit from their
// keys, the drawing enlarged with Ctrl+Shift+Page Up, saved with Ctrl+S and
// reopened; a box selected, dragged, the move undone and redone, saved and
// found again where it was left; and a chart drawn with the toolbar's tools,
// edited by double click, undone to nothing and redone. Screenshots go to
// QUORREL_TEST_PNG_DIR when it is set.
#include "app/CInPlaceTextEdit.h"
#include "app/CMainFrame.h"
#include "app/CQuorrelApp.h"
#include "app/CQuorrelController.h"
#include "app/CQuorrelView.h"
#include "app/MenuResources.h"
#include "chartparts/ArrowEndpoint.h"
#include "chartparts/CCurveText.h"
#include "chartparts/CIndiBox.h"
#include "engine/CODImageComponent.h"
#include "engine/CODLineComponent.h"
#include "engine/CODLinkComponent.h"
#include "engine/CODModel.h"
#include "engine/CODPortComponent.h"
#include "engine/CODTextComponent.h"
#include "platform/MessageBox.h"
#include "tests/charts/PedigreeProject.h"

#include <QApplication>
#include <QFileDialog>
#include <QImage>
#include <QMdiArea>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

void Shoot(QWidget& window, const std::string& name)
{
    QApplication::processEvents();
    if (const char* dir = std::getenv("QUORREL_TEST_PNG_DIR"))
        window.grab().save(QString::fromStdString(std::string(dir) + "/session-" + name + ".png"));
}

std::vector<CRect> TopLevelBounds(const CODModel& model)
{
    std::vector<CRect> bounds;
    for (int i = 0; i < model.GetChildCount(); ++i)
        bounds.push_back(model.GetChild(i)->GetBounds());
    return bounds;
}

// An ancestor chart of Paul run into a view and saved as a chart file.
bool SaveGeneratedChart(const char* path, int generations)
{
    CQuorrelView generator;
    generator.GetController().RunCommandFile(pedigree::CommandFileWith(pedigree::Paul,
        "[CHART]\nTYPE=Ancestor\n[Ancestor]\ngenerations=" + std::to_string(generations)
            + "\nGenerationGap=40\nLeftGap=10\nTopGap=10\n"));
    return generator.SaveDocument(path);
}

TEST(GuiSession, OpensZoomsScalesSavesAndReopensAGeneratedChart)
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        GTEST_SKIP() << "no display";
    std::vector<std::string> messages;
    MessageBox::SetSink([&messages](const std::string& text) { messages.push_back(text); });
    ASSERT_TRUE(SaveGeneratedChart("tree.qrd", 4));
    std::vector<CRect> saved;
    {
        CQuorrelApp app(CommandLineInfo::Parse({"tree.qrd"}));
        ASSERT_TRUE(app.InitInstance());
        CMainFrame& frame = *app.GetMainFrame();
        frame.resize(1000, 700);
        frame.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
        CQuorrelView* view = frame.GetActiveView();
        ASSERT_NE(view, nullptr);
        Shoot(frame, "1-opened");

        // Ctrl+wheel over the chart: 100 % -> 125 % -> 156 %.
        const QPoint at(200, 150);
        for (int notch = 0; notch < 2; ++notch) {
            QWheelEvent wheel(at, view->viewport()->mapToGlobal(QPointF(at)), QPoint(), QPoint(0, CQuorrelView::kWheelNotch),
                              Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(view->viewport(), &wheel);
        }
        EXPECT_EQ(view->GetViewport().GetMagnification(), CSize(156, 156));
        QTest::mouseMove(view->viewport(), QPoint(300, 200));
        QTest::keyClick(&frame, Qt::Key_R, Qt::ControlModifier);
        EXPECT_TRUE(view->AreRulersShown());
        Shoot(frame, "2-zoomed-rulers");

        view->GetController().OnZoomToFit();
        EXPECT_LT(view->GetViewport().GetMagnification().cx, 1000);
        Shoot(frame, "3-fitted");

        const std::vector<CRect> before = TopLevelBounds(view->GetDocument().GetModel());
        QTest::keyClick(&frame, Qt::Key_PageUp, Qt::ControlModifier | Qt::ShiftModifier);
        saved = TopLevelBounds(view->GetDocument().GetModel());
        ASSERT_EQ(saved.size(), before.size());
        EXPECT_NE(saved, before);
        EXPECT_TRUE(view->GetDocument().IsModified());
        view->GetController().OnZoomToFit();
        Shoot(frame, "4-scaled");

        QTest::keyClick(&frame, Qt::Key_S, Qt::ControlModifier);
        EXPECT_FALSE(view->GetDocument().IsModified());
        QTest::keyClick(&frame, Qt::Key_R, Qt::ControlModifier);
        EXPECT_FALSE(view->AreRulersShown());
        frame.close();  // nothing to ask: the chart is saved
        EXPECT_TRUE(frame.GetMdiArea()->subWindowList().isEmpty());
    }
    CQuorrelApp app(CommandLineInfo::Parse({"tree.qrd"}));
    ASSERT_TRUE(app.InitInstance());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(app.GetMainFrame()));
    EXPECT_EQ(TopLevelBounds(app.GetMainFrame()->GetActiveView()->GetDocument().GetModel()), saved);
    Shoot(*app.GetMainFrame(), "5-reopened");
    EXPECT_TRUE(messages.empty());
    MessageBox::SetSink(nullptr);
}

// The client point at the middle of a component.
QPoint Middle(CQuorrelView& view, const CODComponent& component)
{
    const CRect bounds = component.GetBounds();
    const CPoint client = view.LogicalToClient(CPoint((bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2));
    return QPoint(client.x, client.y);
}

TEST(GuiSession, SelectsDragsUndoesRedoesAndSavesABox)
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        GTEST_SKIP() << "no display";
    std::vector<std::string> messages;
    MessageBox::SetSink([&messages](const std::string& text) { messages.push_back(text); });
    ASSERT_TRUE(SaveGeneratedChart("edit.qrd", 3));
    int index = -1;
    CRect moved;
    {
        CQuorrelApp app(CommandLineInfo::Parse({"edit.qrd"}));
        ASSERT_TRUE(app.InitInstance());
        CMainFrame& frame = *app.GetMainFrame();
        frame.resize(1000, 700);
        frame.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
        CQuorrelView& view = *frame.GetActiveView();
        CODModel& model = view.GetDocument().GetModel();
        for (int i = 0; i < model.GetChildCount() && index < 0; ++i)
            if (dynamic_cast<CIndiBox*>(model.GetChild(i)) != nullptr)
                index = i;
        ASSERT_GE(index, 0);
        CODComponent& box = *model.GetChild(index);
        const CRect original = box.GetBounds();

        QWidget* canvas = view.viewport();
        const QPoint from = Middle(view, box);
        QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, from);
        ASSERT_EQ(view.GetController().GetSelection(), std::vector<CODComponent*>{&box});
        Shoot(frame, "edit-1-selected");

        // Dragged in steps, as a hand drags: one move on release.
        const QPoint to = from + QPoint(60, 45);
        QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, from);
        for (int step = 1; step <= 4; ++step) {
            QMouseEvent drag(QEvent::MouseMove, from + (to - from) * step / 4, canvas->mapToGlobal(from + (to - from) * step / 4),
                             Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(canvas, &drag);
        }
        Shoot(frame, "edit-2-dragging");
        QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, to);
        moved = box.GetBounds();
        EXPECT_GT(moved.left, original.left);
        EXPECT_GT(moved.top, original.top);
        EXPECT_EQ(moved.Size(), original.Size());
        EXPECT_TRUE(view.GetDocument().IsModified());
        Shoot(frame, "edit-3-moved");

        QTest::keyClick(&frame, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(box.GetBounds(), original);
        Shoot(frame, "edit-4-undone");
        QTest::keyClick(&frame, Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(box.GetBounds(), moved);
        // Shift and an arrow nudge by 5, and the nudge is undone on its own.
        QTest::keyClick(canvas, Qt::Key_Right, Qt::ShiftModifier);
        EXPECT_EQ(box.GetBounds().left, moved.left + CODDrawingController::kShiftNudge);
        QTest::keyClick(&frame, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(box.GetBounds(), moved);

        QTest::keyClick(&frame, Qt::Key_S, Qt::ControlModifier);
        EXPECT_FALSE(view.GetDocument().IsModified());
        frame.close();
        EXPECT_TRUE(frame.GetMdiArea()->subWindowList().isEmpty());
    }
    CQuorrelApp app(CommandLineInfo::Parse({"edit.qrd"}));
    ASSERT_TRUE(app.InitInstance());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(app.GetMainFrame()));
    const CODModel& reopened = app.GetMainFrame()->GetActiveView()->GetDocument().GetModel();
    ASSERT_GT(reopened.GetChildCount(), index);
    EXPECT_EQ(reopened.GetChild(index)->GetBounds(), moved);
    Shoot(*app.GetMainFrame(), "edit-5-reopened");
    EXPECT_TRUE(messages.empty());
    MessageBox::SetSink(nullptr);
}

// Presses the toolbar button of the command, as the user does.
void ClickButton(CMainFrame& frame, unsigned int nId)
{
    QAction* action = frame.GetAction(nId);
    ASSERT_TRUE(action->isEnabled()) << nId;
    for (QToolBar* bar : frame.findChildren<QToolBar*>()) {
        if (QWidget* button = bar->widgetForAction(action)) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }
    FAIL() << "no button for " << nId;
}

QPoint Client(CQuorrelView& view, const CPoint& logical)
{
    const CPoint client = view.LogicalToClient(logical);
    return QPoint(client.x, client.y);
}

// A press, four moves with the button held and a release.
void Drag(QWidget* canvas, const QPoint& from, const QPoint& to)
{
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, from);
    for (int step = 1; step <= 4; ++step) {
        const QPoint at = from + (to - from) * step / 4;
        QMouseEvent drag(QEvent::MouseMove, at, canvas->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(canvas, &drag);
    }
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, to);
}

// A click on the canvas after the mouse has come there.
void ClickAt(QWidget* canvas, const QPoint& at)
{
    QTest::mouseMove(canvas, at);
    QMouseEvent move(QEvent::MouseMove, at, canvas->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(canvas, &move);
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, at);
}

template <class T>
int CountOf(const CODModel& model)
{
    int count = 0;
    for (int i = 0; i < model.GetChildCount(); ++i)
        count += dynamic_cast<const T*>(model.GetChild(i)) != nullptr ? 1 : 0;
    return count;
}

// The port of the box nearest to the point.
CODPortComponent* PortNear(CODSymbolComponent& box, const CPoint& point)
{
    CODPortComponent* nearest = nullptr;
    long best = 0;
    for (int i = 0; i < box.GetPortCount(); ++i) {
        const CPoint at = box.GetPort(i)->GetPosition();
        const long distance = std::labs(at.x - point.x) + std::labs(at.y - point.y);
        if (nearest == nullptr || distance < best) {
            nearest = box.GetPort(i);
            best = distance;
        }
    }
    return nearest;
}

TEST(GuiSession, DrawsWithTheToolsEditsByDoubleClickAndUndoesAndRedoesTheLot)
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        GTEST_SKIP() << "no display";
    std::vector<std::string> messages;
    MessageBox::SetSink([&messages](const std::string& text) { messages.push_back(text); });
    const std::string picture = (std::filesystem::current_path() / "picture.bmp").string();
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(QColor(40, 120, 200));
    ASSERT_TRUE(image.save(QString::fromStdString(picture), "BMP"));

    CQuorrelApp app(CommandLineInfo::Parse({}));
    ASSERT_TRUE(app.InitInstance());
    CMainFrame& frame = *app.GetMainFrame();
    frame.showNormal();
    frame.resize(1200, 900);
    frame.GetAction(ID_VIEW_ALL_ON)->trigger();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    CQuorrelView& view = *frame.GetActiveView();
    CODModel& model = view.GetDocument().GetModel();
    QWidget* canvas = view.viewport();
    Shoot(frame, "tools-1-empty");

    // A shadow box, a plain box and a port, each placed by a click.
    ClickButton(frame, 32777);
    ClickAt(canvas, Client(view, CPoint(40, 40)));
    ClickButton(frame, 32779);
    ClickAt(canvas, Client(view, CPoint(420, 40)));
    ClickButton(frame, 32802);
    ClickAt(canvas, Client(view, CPoint(300, 330)));
    ASSERT_EQ(CountOf<CIndiBox>(model), 2);
    ASSERT_EQ(model.GetChildCount(), 3);
    auto* shadow = dynamic_cast<CIndiBox*>(model.GetChild(0));
    auto* plain = dynamic_cast<CIndiBox*>(model.GetChild(1));
    ASSERT_NE(shadow, nullptr);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(shadow->GetName(), "Shadow Box");
    EXPECT_EQ(plain->GetName(), "Plain Box");
    EXPECT_EQ(shadow->GetBounds().TopLeft(), CPoint(40, 40));
    Shoot(frame, "tools-2-boxes");

    // An orthogonal arrow link from the shadow box's right side to the plain box's left.
    ClickButton(frame, 32812);
    const CRect a = shadow->GetBounds();
    const CRect b = plain->GetBounds();
    CODPortComponent* source = PortNear(*shadow, CPoint(a.right, (a.top + a.bottom) / 2));
    CODPortComponent* target = PortNear(*plain, CPoint(b.left, (b.top + b.bottom) / 2));
    ASSERT_NE(source, nullptr);
    ASSERT_NE(target, nullptr);
    Drag(canvas, Client(view, source->GetPosition()), Client(view, target->GetPosition()));
    ASSERT_EQ(CountOf<CODLinkComponent>(model), 1);
    const CODLinkComponent* link = nullptr;
    for (int i = 0; i < model.GetChildCount() && link == nullptr; ++i)
        link = dynamic_cast<const CODLinkComponent*>(model.GetChild(i));
    EXPECT_EQ(link->GetSourcePort(), source);
    EXPECT_EQ(link->GetTargetPort(), target);
    EXPECT_NE(dynamic_cast<const ArrowEndpoint*>(link->GetLine()->GetTargetEndpoint()), nullptr);

    // A connection line and a curve text, each dragged out.
    ClickButton(frame, 32803);
    Drag(canvas, Client(view, CPoint(40, 420)), Client(view, CPoint(280, 470)));
    ClickButton(frame, 32801);
    Drag(canvas, Client(view, CPoint(480, 260)), Client(view, CPoint(680, 460)));
    ASSERT_EQ(model.GetChildCount(), 6);
    EXPECT_EQ(model.GetChild(4)->GetName(), "Connection Line");
    EXPECT_EQ(CountOf<CCurveText>(model), 1);

    // A picture chosen in the file dialog and placed by a click.
    QTimer::singleShot(0, [&picture] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(QString::fromStdString(picture));
        static_cast<QDialog*>(dialog)->accept();
    });
    ClickButton(frame, 32780);
    ClickAt(canvas, Client(view, CPoint(760, 40)));
    ASSERT_EQ(CountOf<CODImageComponent>(model), 1);
    EXPECT_EQ(model.GetChildCount(), 7);
    Shoot(frame, "tools-3-drawn");

    // A double click on the box's first line edits it in place.
    CODComponent* line = nullptr;
    for (int i = 0; i < shadow->GetChildCount() && line == nullptr; ++i)
        if (dynamic_cast<CODTextComponent*>(shadow->GetChild(i)) != nullptr)
            line = shadow->GetChild(i);
    ASSERT_NE(line, nullptr);
    const CRect lineBounds = line->GetBounds();
    const QPoint inLine = Client(view, CPoint((lineBounds.left + lineBounds.right) / 2, (lineBounds.top + lineBounds.bottom) / 2));
    QTest::mouseDClick(canvas, Qt::LeftButton, Qt::NoModifier, inLine);
    CInPlaceTextEdit* editor = view.GetTextEditor();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "Anna Smith");
    Shoot(frame, "tools-4-editing");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(view.GetTextEditor(), nullptr);
    EXPECT_EQ(dynamic_cast<CODTextComponent*>(line)->GetText(), "Anna Smith");
    Shoot(frame, "tools-5-edited");

    // The curve text opens its editor too; Escape leaves it as it was.
    const CODComponent* curve = nullptr;
    for (int i = 0; i < model.GetChildCount() && curve == nullptr; ++i)
        curve = dynamic_cast<const CCurveText*>(model.GetChild(i));
    const CRect curveBounds = curve->GetBounds();
    QTest::mouseDClick(canvas, Qt::LeftButton, Qt::NoModifier,
                       Client(view, CPoint(curveBounds.left + curveBounds.Width() / 2, curveBounds.top + curveBounds.Height() / 2)));
    ASSERT_NE(view.GetTextEditor(), nullptr);
    EXPECT_EQ(view.GetTextEditor()->toPlainText(), QStringLiteral("Curve Text"));
    Shoot(frame, "tools-5-curve-editing");
    QTest::keyClick(view.GetTextEditor(), Qt::Key_Escape);
    EXPECT_EQ(view.GetTextEditor(), nullptr);

    // Undone step by step to the empty chart, then redone to the whole of it.
    int steps = 0;
    while (model.GetHistory().CanUndo() && steps < 20) {
        QTest::keyClick(&frame, Qt::Key_Z, Qt::ControlModifier);
        ++steps;
    }
    EXPECT_EQ(steps, 8);
    EXPECT_EQ(model.GetChildCount(), 0);
    Shoot(frame, "tools-6-undone");
    for (int i = 0; i < steps; ++i)
        QTest::keyClick(&frame, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(model.GetChildCount(), 7);
    EXPECT_EQ(dynamic_cast<CODTextComponent*>(line)->GetText(), "Anna Smith");
    EXPECT_EQ(link->GetSourcePort(), source);
    Shoot(frame, "tools-7-redone");

    // Saved and opened again, every piece is there and the link still joins the boxes.
    ASSERT_TRUE(view.SaveDocument("tools.qrd"));
    frame.close();
    CQuorrelView reopened;
    ASSERT_TRUE(reopened.OpenDocument("tools.qrd"));
    const CODModel& loaded = reopened.GetDocument().GetModel();
    EXPECT_EQ(loaded.GetChildCount(), 7);
    EXPECT_EQ(CountOf<CIndiBox>(loaded), 2);
    EXPECT_EQ(CountOf<CCurveText>(loaded), 1);
    EXPECT_EQ(CountOf<CODImageComponent>(loaded), 1);
    for (int i = 0; i < loaded.GetChildCount(); ++i) {
        if (const auto* joined = dynamic_cast<const CODLinkComponent*>(loaded.GetChild(i))) {
            EXPECT_NE(joined->GetSourceSymbol(), nullptr);
            EXPECT_NE(joined->GetTargetSymbol(), nullptr);
        }
    }
    EXPECT_TRUE(messages.empty());
    MessageBox::SetSink(nullptr);
}

}  // namespace

