#include "app/CAboutDlg.h"
#include "app/CChildFrame.h"
#include "app/CMainFrame.h"
#include "app/CQuorrelController.h"
#include "app/CQuorrelView.h"
#include "engine/CODModel.h"
#include "engine/CODRectComponent.h"
#include "platform/AppSettings.h"
#include "platform/MessageBox.h"
#include "platform/QtStatusBarHost.h"
#include "tests/charts/PedigreeProject.h"
#include "tests/support/TestFiles.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QUrl>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

// Window ids of the eight bars, in the order they are created.
constexpr unsigned int kStandard = 22109;
constexpr unsigned int kZoomPan = 22113;
constexpr unsigned int kSymbols = 130;
constexpr unsigned int kDrawing = 22079;
constexpr unsigned int kAlignment = 22067;
constexpr unsigned int kNudge = 22100;
constexpr unsigned int kRotate = 22108;
constexpr unsigned int kStructure = 22110;
constexpr unsigned int kAllBars[] = {kStandard, kZoomPan, kSymbols, kDrawing, kAlignment, kNudge, kRotate, kStructure};
constexpr unsigned int kAllOff = 32790;
constexpr unsigned int kAllOn = 32799;

// A bar's buttons as their tool tips, "|" for a separator.
QStringList Buttons(QToolBar* bar)
{
    QStringList buttons;
    for (QAction* action : bar->actions())
        buttons << (action->isSeparator() ? QStringLiteral("|") : action->toolTip());
    return buttons;
}

QMenu* MenuNamed(QMainWindow& window, const QString& title)
{
    for (QAction* action : window.menuBar()->actions())
        if (action->text() == title)
            return action->menu();
    return nullptr;
}

TEST(MainFrameToolBarTest, BarsHoldTheirButtonsInOrderWithCaptionsAndImages)
{
    const struct {
        unsigned int windowId;
        QString caption;
        QStringList buttons;
    } bars[] = {
        {kStandard, "Standard", {"New", "Open", "Save", "|", "Cut", "Copy", "Paste", "|", "Print", "About", "Help"}},
        {kZoomPan, "Zoom/Pan", {"Undo", "Redo", "|", "Zoom", "Zoom to Fit", "Zoom to Selection", "Pan"}},
        {kSymbols, "Symbols",
            {"Link", "Link Orthogonal", "2 Arrow Link", "2 Arrow Link Orthogonal", "Arrow Link",
                "Arrow Link Orthogonal", "|", "Shadow Box", "Box", "Connection Line"}},
        {kDrawing, "Drawing",
            {"Select", "Edit Vertices", "Properties", "|", "Line", "Polyline", "Polygon", "Rectangle", "Polycurve",
                "Closed Curve", "Ellipse", "Text", "Curve Text", "New Image", "Port"}},
        {kAlignment, "Alignment",
            {"Align Top", "Align Middle", "Align Bottom", "|", "Align Left", "Align Center", "Align Right"}},
        {kNudge, "Nudge", {"Nudge Up", "Nudge Down", "Nudge Left", "Nudge Right"}},
        {kRotate, "Rotate", {"Rotate", "Rotate Left", "Rotate Right", "Flip Vertical", "Flip Horizontal"}},
        {kStructure, "Structure", {"Group", "Ungroup", "|", "Front", "Back", "Forward", "Backward"}},
    };
    CMainFrame frame;
    frame.show();
    for (const auto& expected : bars) {
        QToolBar* bar = frame.GetToolBar(expected.windowId);
        ASSERT_NE(bar, nullptr) << expected.windowId;
        EXPECT_EQ(bar->windowTitle(), expected.caption);
        EXPECT_EQ(Buttons(bar), expected.buttons) << expected.caption.toStdString();
        EXPECT_EQ(bar->iconSize(), QSize(16, 15));
        EXPECT_EQ(frame.toolBarArea(bar), Qt::TopToolBarArea);
        EXPECT_TRUE(bar->isVisible());
        for (QAction* action : bar->actions()) {
            if (action->isSeparator())
                continue;
            // The image is in the program's resources and draws at the button's size, on a dense screen too.
            const QPixmap image = action->icon().pixmap(QSize(16, 15), 2.0);
            EXPECT_FALSE(image.isNull()) << action->toolTip().toStdString();
            EXPECT_EQ(image.deviceIndependentSize().toSize(), QSize(16, 15)) << action->toolTip().toStdString();
        }
    }
    EXPECT_EQ(frame.GetToolBar(1), nullptr);

    // Two rows: Standard, Zoom/Pan, Rotate, Nudge; then Symbols, Drawing, Alignment, Structure.
    for (const auto& row : {std::vector<unsigned int>{kStandard, kZoomPan, kRotate, kNudge},
             std::vector<unsigned int>{kSymbols, kDrawing, kAlignment, kStructure}}) {
        for (std::size_t i = 1; i < row.size(); ++i) {
            EXPECT_EQ(frame.GetToolBar(row[i])->y(), frame.GetToolBar(row[0])->y()) << row[i];
            EXPECT_GT(frame.GetToolBar(row[i])->x(), frame.GetToolBar(row[i - 1])->x()) << row[i];
        }
    }
    EXPECT_GT(frame.GetToolBar(kSymbols)->y(), frame.GetToolBar(kStandard)->y());

    // Buttons of commands that exist work, the chart tools among them; the
    // mouse zoom, pan and free rotation are not built and stay disabled.
    const auto button = [&frame](unsigned int nID) { return frame.GetAction(nID); };
    for (const unsigned int id : {57600u, 57601u, 57664u, 57669u, kAllOff, kAllOn, 44538u, 32810u, 32777u, 32779u,
             32803u, 32801u, 32802u, 32780u, 44525u, 44518u})
        EXPECT_TRUE(button(id)->isEnabled()) << id;
    for (const unsigned int id : {44553u, 44545u, 44532u})
        EXPECT_FALSE(button(id)->isEnabled()) << id;

    // The status-bar prompt while the pointer is over a button, and the idle text after it.
    QLabel* pane = frame.GetStatusBarHost().MessagePane();
    EXPECT_EQ(button(44505)->statusTip(), QStringLiteral("Align the top edges of the selection"));
    QStatusTipEvent over(button(kAllOff)->statusTip());
    QApplication::sendEvent(&frame, &over);
    EXPECT_EQ(pane->text(), QStringLiteral("Toggle off all toolbars"));
    QStatusTipEvent away{QString()};
    QApplication::sendEvent(&frame, &away);
    EXPECT_EQ(pane->text(), QStringLiteral("For Help, press F1"));
}

TEST(MainFrameToolBarTest, AllOffSurvivesARestart)
{
    {
        CMainFrame frame;
        frame.show();
        frame.GetAction(kAllOff)->trigger();
        for (const unsigned int id : kAllBars)
            EXPECT_TRUE(frame.GetToolBar(id)->isHidden()) << id;
        EXPECT_TRUE(frame.statusBar()->isHidden());
        frame.close();
    }
    EXPECT_EQ(AppSettings::GetInt("ToolBar", "AllOff", 0), 1);
    for (const char* key : {"AlignBarVisible", "StatusBarVisible", "ToolBarVisible", "ZoomBarVisible",
             "GeneBarVisible", "DrawingBarVisible", "NudgeBarVisible", "RotateBarVisible", "StructureBarVisible"})
        EXPECT_EQ(AppSettings::GetInt("ToolBar", key, 1), 0) << key;
    {
        CMainFrame frame;
        frame.show();
        for (const unsigned int id : kAllBars)
            EXPECT_TRUE(frame.GetToolBar(id)->isHidden()) << id;
        EXPECT_TRUE(frame.statusBar()->isHidden());
        EXPECT_FALSE(frame.GetAction(32785)->isChecked());
        frame.GetAction(kAllOn)->trigger();
        for (const unsigned int id : kAllBars)
            EXPECT_TRUE(frame.GetToolBar(id)->isVisible()) << id;
        EXPECT_TRUE(frame.statusBar()->isVisible());
        EXPECT_TRUE(frame.GetAction(32785)->isChecked());
        frame.close();
    }
    EXPECT_EQ(AppSettings::GetInt("ToolBar", "AllOff", 1), 0);
    EXPECT_EQ(AppSettings::GetInt("ToolBar", "NudgeBarVisible", 0), 1);
}

TEST(MainFrameToolBarTest, EachToggleFlipsItsBarAndTheBarStateKeepsSideAndVisibility)
{
    const struct {
        unsigned int toggleId;
        unsigned int windowId;  // 0: the status bar
        const char* key;
    } toggles[] = {
        {32785, kAlignment, "AlignBarVisible"}, {32787, kDrawing, "DrawingBarVisible"},
        {32784, kNudge, "NudgeBarVisible"}, {32783, kRotate, "RotateBarVisible"},
        {59392, kStandard, "ToolBarVisible"}, {59393, 0, "StatusBarVisible"},
        {32786, kStructure, "StructureBarVisible"}, {32788, kSymbols, "GeneBarVisible"},
        {32782, kZoomPan, "ZoomBarVisible"},
    };
    for (const auto& toggle : toggles) {
        {
            CMainFrame frame;
            frame.show();
            QWidget* bar = toggle.windowId != 0 ? static_cast<QWidget*>(frame.GetToolBar(toggle.windowId))
                                                : frame.statusBar();
            QAction* action = frame.GetAction(toggle.toggleId);
            EXPECT_TRUE(action->isChecked()) << toggle.key;
            action->trigger();
            EXPECT_TRUE(bar->isHidden()) << toggle.key;
            EXPECT_FALSE(action->isChecked()) << toggle.key;
            action->trigger();
            EXPECT_TRUE(bar->isVisible()) << toggle.key;
            action->trigger();
            frame.close();
        }
        EXPECT_EQ(AppSettings::GetInt("ToolBar", toggle.key, 1), 0) << toggle.key;
        CMainFrame frame;
        frame.show();
        EXPECT_EQ(frame.statusBar()->isHidden(), toggle.windowId == 0) << toggle.key;
        for (const unsigned int id : kAllBars)
            EXPECT_EQ(frame.GetToolBar(id)->isHidden(), id == toggle.windowId) << toggle.key << " " << id;
        frame.GetAction(toggle.toggleId)->trigger();
        frame.close();
    }

    // A bar moved to another side, hidden by its own close button, comes back there and hidden.
    {
        CMainFrame frame;
        frame.show();
        frame.addToolBar(Qt::LeftToolBarArea, frame.GetToolBar(kRotate));
        frame.GetToolBar(kRotate)->hide();
        QApplication::processEvents();
        EXPECT_FALSE(frame.GetAction(32783)->isChecked());
        frame.close();
    }
    EXPECT_EQ(AppSettings::GetInt("ToolBar", "RotateBarVisible", 1), 0);
    CMainFrame frame;
    frame.show();
    EXPECT_EQ(frame.toolBarArea(frame.GetToolBar(kRotate)), Qt::LeftToolBarArea);
    EXPECT_TRUE(frame.GetToolBar(kRotate)->isHidden());
    frame.GetAction(32783)->trigger();
    EXPECT_TRUE(frame.GetToolBar(kRotate)->isVisible());

    // A bar state that cannot be read leaves the docking layout.
    frame.close();
    AppSettings::WriteString("QRDBarState", "State", "not a bar state");
    CMainFrame fresh;
    EXPECT_EQ(fresh.toolBarArea(fresh.GetToolBar(kRotate)), Qt::TopToolBarArea);
}

TEST(MainFrameTest, WindowMenuListsTheOpenCharts)
{
    CMainFrame frame;
    frame.show();
    CChildFrame* first = frame.OnFileNew();
    frame.OnFileNew();
    QMenu* window = MenuNamed(frame, QStringLiteral("&Window"));
    ASSERT_NE(window, nullptr);
    const auto charts = [window] {
        QStringList items;
        for (QAction* action : window->actions())
            if (action->isCheckable())
                items << (action->isChecked() ? QStringLiteral("*") : QString()) + action->text();
        return items;
    };
    for (int shown = 0; shown < 2; ++shown) {  // shown twice: the list is not repeated
        emit window->aboutToShow();
        EXPECT_EQ(charts(), (QStringList{"&1 Quorrel1", "*&2 Quorrel2"}));
    }
    for (QAction* action : window->actions())
        if (action->text() == QStringLiteral("&1 Quorrel1"))
            action->trigger();
    EXPECT_EQ(frame.GetActiveView(), first->GetActiveView());
    emit window->aboutToShow();
    EXPECT_EQ(charts(), (QStringList{"*&1 Quorrel1", "&2 Quorrel2"}));
}

TEST(MainFrameTest, DroppedChartsOpenAndDroppedCommandFilesRun)
{
    std::vector<std::string> messages;
    MessageBox::SetSink([&messages](const std::string& text) { messages.push_back(text); });
    // The event as the window system delivers it after the drag has entered.
    class DropTarget : public CMainFrame {
    public:
        void Drop(QDropEvent* event) { dropEvent(event); }
    } frame;
    {
        CChildFrame* chart = frame.OnFileNew();
        chart->GetActiveView()->GetDocument().GetModel().SetSize(300, 200);
        ASSERT_TRUE(chart->GetActiveView()->SaveDocument("dropped.qrd"));
        chart->GetActiveView()->GetDocument().SetModifiedFlag(false);
        chart->close();
        QApplication::processEvents();
    }
    quorrel_test::WriteFile("Run.QRC", "[CHART]\nTYPE=ANCESTOR\n[database]\nfile=" + pedigree::ProjectPath() +
                                           "\nstartperson=1\n[Ancestor]\ngenerations=2\n");
    quorrel_test::WriteFile("notes.txt", "not for the program");
    const auto url = [](const char* name) {
        return QUrl::fromLocalFile(QString::fromStdString((std::filesystem::current_path() / name).string()));
    };
    QMimeData data;
    data.setUrls({url("notes.txt"), url("dropped.qrd"), url("Run.QRC")});
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    frame.Drop(&drop);
    EXPECT_TRUE(drop.isAccepted());

    const QList<QMdiSubWindow*> windows = frame.GetMdiArea()->subWindowList();
    ASSERT_EQ(windows.size(), 2);
    EXPECT_EQ(windows[0]->windowTitle(), QStringLiteral("dropped.qrd"));
    auto* run = dynamic_cast<CChildFrame*>(windows[1]);
    ASSERT_NE(run, nullptr);
    EXPECT_GT(run->GetActiveView()->GetDocument().GetModel().GetChildCount(), 0);
    EXPECT_TRUE(messages.empty());

    // Nothing the program can open: the drop is refused.
    QMimeData other;
    other.setUrls({url("notes.txt")});
    QDropEvent refused(QPointF(10, 10), Qt::CopyAction, &other, Qt::LeftButton, Qt::NoModifier);
    refused.ignore();
    frame.Drop(&refused);
    EXPECT_FALSE(refused.isAccepted());
    EXPECT_EQ(frame.GetMdiArea()->subWindowList().size(), 2);
    MessageBox::SetSink(nullptr);
    for (QMdiSubWindow* window : frame.GetMdiArea()->subWindowList())
        dynamic_cast<CChildFrame*>(window)->GetActiveView()->GetDocument().SetModifiedFlag(false);
}

TEST(MainFrameTest, HelpOpensTheManualOfTheSourceTreeWhenNoneIsInstalled)
{
    const std::string manual = CMainFrame::UserManualPath();
    ASSERT_FALSE(manual.empty());
    EXPECT_EQ(std::filesystem::path(manual).filename(), "manual.md");
    EXPECT_EQ(std::filesystem::path(manual).parent_path().filename(), "docs");
    CMainFrame frame;
    for (const unsigned int id : {57667u, 57669u, 57670u})
        EXPECT_TRUE(frame.GetAction(id)->isEnabled()) << id;
}

QStringList Items(const QMenu& menu)
{
    QStringList items;
    for (QAction* action : menu.actions())
        items << (action->isSeparator() ? QStringLiteral("|") : action->text());
    return items;
}

// A right click on the canvas offers the view's commands; on a box, it
// selects the box and offers the commands on it, which act as the menus' do.
TEST(MainFrameTest, ContextMenuOffersTheViewportOrTheComponentCommands)
{
    CMainFrame frame;
    frame.show();
    CQuorrelView* view = frame.OnFileNew()->GetActiveView();
    CODModel& model = view->GetDocument().GetModel();
    auto* rect = new CODRectComponent();
    rect->Create(10, 10, 110, 60);
    model.AddChild(rect);

    const std::unique_ptr<QMenu> canvas = view->MakeContextMenu(view->LogicalToClient(CPoint(500, 500)));
    ASSERT_NE(canvas, nullptr);
    EXPECT_EQ(Items(*canvas).mid(0, 3), (QStringList{"&Paste", "Select &All", "|"}));
    EXPECT_TRUE(view->GetController().GetSelection().empty());

    const std::unique_ptr<QMenu> box = view->MakeContextMenu(view->LogicalToClient(CPoint(50, 30)));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(view->GetController().GetSelection(), std::vector<CODComponent*>{rect});
    const QStringList items = Items(*box);
    EXPECT_EQ(items.mid(0, 6), (QStringList{"Cu&t", "&Copy", "&Delete", "|", "Propertie&s...", "D&etail Properties..."}));
    QAction* erase = box->actions().at(static_cast<int>(items.indexOf(QStringLiteral("&Delete"))));
    EXPECT_TRUE(erase->isEnabled());
    erase->trigger();
    EXPECT_EQ(model.GetChildCount(), 0);

    // Outside a main window there are no commands to offer.
    CQuorrelView lone;
    EXPECT_EQ(lone.MakeContextMenu(CPoint(5, 5)), nullptr);
}

TEST(AboutDlgTest, ShowsTheLicenceAndTheQtVersion)
{
    EXPECT_EQ(CAboutDlg::QtVersionLine(), std::string("Qt ") + qVersion());
    CAboutDlg dialog(nullptr);
    auto* qt = dialog.findChild<QLabel*>(QStringLiteral("QtVersion"));
    ASSERT_NE(qt, nullptr);
    EXPECT_EQ(qt->text().toStdString(), CAboutDlg::QtVersionLine());
    auto* licence = dialog.findChild<QLabel*>(QStringLiteral("Licence"));
    ASSERT_NE(licence, nullptr);
    EXPECT_TRUE(licence->text().contains(QStringLiteral("License")));
}

}  // namespace
