// Sessions on a real display (Xvfb): a generated chart opened from the
// command line, zoomed with Ctrl+wheel, rulers and zoom to fit from their
// keys, the drawing enlarged with Ctrl+Shift+Page Up, saved with Ctrl+S and
// reopened; and a box selected, dragged, the move undone and redone, saved
// and found again where it was left. Screenshots go to QUORREL_TEST_PNG_DIR
// when it is set.
#include "app/CMainFrame.h"
#include "app/CQuorrelApp.h"
#include "app/CQuorrelController.h"
#include "app/CQuorrelView.h"
#include "chartparts/CIndiBox.h"
#include "engine/CODModel.h"
#include "platform/MessageBox.h"
#include "tests/charts/PedigreeProject.h"

#include <QApplication>
#include <QMdiArea>
#include <QScreen>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <cstdlib>
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

}  // namespace
