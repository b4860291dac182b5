#include "app/CAboutDlg.h"
#include "app/CChildFrame.h"
#include "app/CommandLineInfo.h"
#include "app/CMainFrame.h"
#include "app/CQuorrelApp.h"
#include "app/CQuorrelView.h"
#include "platform/AppSettings.h"
#include "platform/MessageBox.h"
#include "platform/QtStatusBarHost.h"
#include "platform/QuitMessage.h"
#include "tests/charts/PedigreeProject.h"
#include "tests/support/TestFiles.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

QStringList MenuTitles(QMainWindow& window)
{
    QStringList titles;
    for (QAction* action : window.menuBar()->actions())
        titles << action->text();
    return titles;
}

QAction* FindItem(QMenu* menu, const QString& text)
{
    for (QAction* action : menu->actions()) {
        if (action->text() == text)
            return action;
        if (action->menu() != nullptr) {
            if (QAction* found = FindItem(action->menu(), text))
                return found;
        }
    }
    return nullptr;
}

QAction* FindItem(QMainWindow& window, const QString& text)
{
    for (QAction* action : window.menuBar()->actions()) {
        if (QAction* found = FindItem(action->menu(), text))
            return found;
    }
    return nullptr;
}

TEST(CommandLineInfoTest, TellsCommandFilesFromDocuments)
{
    const struct {
        std::vector<std::string> arguments;
        std::string commandFile;
        std::string document;
    } cases[] = {
        {{}, "", ""},
        {{"tree.qrc"}, "tree.qrc", ""},
        {{"dir/TREE.QRC"}, "dir/TREE.QRC", ""},
        {{"x.ini"}, "x.ini", ""},
        {{"x.Ini"}, "x.Ini", ""},
        {{"--verbose", "X.INI"}, "X.INI", ""},
        {{"chart.qrd"}, "", "chart.qrd"},
        {{"ini"}, "", "ini"},
        {{"x.qrc.bak"}, "", "x.qrc.bak"},
        {{"--", "-odd.qrc"}, "-odd.qrc", ""},
    };
    for (const auto& c : cases) {
        const CommandLineInfo info = CommandLineInfo::Parse(c.arguments);
        EXPECT_EQ(info.m_strError, "");
        EXPECT_EQ(info.m_strCommandFile, c.commandFile);
        EXPECT_EQ(info.m_strFileName, c.document);
        EXPECT_EQ(info.m_nShellCommand,
            c.document.empty() ? CommandLineInfo::ShellCommand::FileNew : CommandLineInfo::ShellCommand::FileOpen);
    }
    EXPECT_TRUE(CommandLineInfo::Parse({"--help"}).m_bShowHelp);
    EXPECT_TRUE(CommandLineInfo::Parse({"--version"}).m_bShowVersion);
    EXPECT_TRUE(CommandLineInfo::Parse({"--verbose"}).m_bVerbose);
    EXPECT_NE(CommandLineInfo::Parse({"--bogus"}).m_strError, "");
    EXPECT_NE(CommandLineInfo::Parse({"a.qrc", "b.qrc"}).m_strError, "");
}

TEST(MainFrameTest, StatusBarAndMenusFollowTheOpenCharts)
{
    CMainFrame frame;
    frame.show();

    // Message pane first, then the three key indicators.
    QStatusBar* bar = frame.statusBar();
    QList<QLabel*> panes = bar->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(panes.size(), 4);
    EXPECT_EQ(panes[0], frame.GetStatusBarHost().MessagePane());
    EXPECT_EQ(panes[0]->text(), QStringLiteral("For Help, press F1"));
    QStringList indicators;
    for (int i = 1; i < 4; ++i) {
        EXPECT_GT(panes[i]->x(), panes[0]->x());
        indicators << panes[i]->text();
    }
    EXPECT_EQ(indicators, (QStringList{"CAP", "NUM", "SCRL"}));
    EXPECT_EQ(StatusBarHost::Current(), &frame.GetStatusBarHost());

    EXPECT_EQ(MenuTitles(frame), (QStringList{"&File", "&View", "&Help"}));
    EXPECT_EQ(frame.GetActiveView(), nullptr);

    CChildFrame* first = frame.OnFileNew();
    EXPECT_EQ(MenuTitles(frame), (QStringList{"&File", "&Edit", "&View", "&Tools", "&Window", "&Help"}));
    EXPECT_TRUE(first->isMaximized());
    EXPECT_EQ(first->windowTitle(), QStringLiteral("Quorrel1"));
    EXPECT_EQ(frame.GetActiveView(), first->GetActiveView());
    QAction* run = FindItem(frame, QStringLiteral("Run Command File..."));
    ASSERT_NE(run, nullptr);
    EXPECT_TRUE(run->isEnabled());
    EXPECT_EQ(run->shortcut(), QKeySequence(QStringLiteral("Ctrl+Alt+O")));
    ASSERT_NE(FindItem(frame, QStringLiteral("&Undo\tCtrl+Z")), nullptr);
    EXPECT_FALSE(FindItem(frame, QStringLiteral("&Undo\tCtrl+Z"))->isEnabled());  // no handler yet

    CChildFrame* second = frame.OnFileNew();
    EXPECT_EQ(second->windowTitle(), QStringLiteral("Quorrel2"));
    EXPECT_EQ(frame.GetActiveView(), second->GetActiveView());

    // The status bar toggles from either menu's item.
    FindItem(frame, QStringLiteral("&Status Bar"))->trigger();
    EXPECT_TRUE(bar->isHidden());

    first->close();
    second->close();
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(frame.GetActiveView(), nullptr);
    EXPECT_EQ(MenuTitles(frame), (QStringList{"&File", "&View", "&Help"}));
    QAction* statusBarItem = FindItem(frame, QStringLiteral("&Status Bar"));
    EXPECT_FALSE(statusBarItem->isChecked());
    statusBarItem->trigger();
    EXPECT_FALSE(bar->isHidden());
}

TEST(MainFrameTest, WindowPlacementSurvivesARestart)
{
    // Nothing stored, or not exactly ten numbers: the default placement.
    for (const char* stored : {"", "2,3,-1,-1", "2,3,-1,-1,-1,-1,10,20,x,400", "0,1,-1,-1,-1,-1,500,500,500,500"}) {
        AppSettings::WriteString("Settings", "WindowPos", stored);
        CMainFrame frame;
        EXPECT_EQ(frame.size(), QSize(1024, 740)) << stored;
    }

    AppSettings::WriteString("Settings", "WindowPos", "0,1,-1,-1,-1,-1,40,30,840,630");
    {
        CMainFrame frame;
        EXPECT_EQ(frame.geometry(), QRect(40, 30, 800, 600));
        frame.ShowAsPlaced();
        EXPECT_FALSE(frame.isMaximized());
        frame.showMaximized();
        frame.close();
    }
    const std::string maximized = AppSettings::GetString("Settings", "WindowPos", "");
    EXPECT_EQ(maximized.rfind("2,3,", 0), 0u) << maximized;
    {
        CMainFrame frame;
        frame.ShowAsPlaced();
        EXPECT_TRUE(frame.isMaximized());
        frame.showNormal();
        frame.setGeometry(50, 60, 700, 500);
        frame.close();
    }
    EXPECT_EQ(AppSettings::GetString("Settings", "WindowPos", ""), "0,1,-1,-1,-1,-1,50,60,750,560");
}

class QuorrelAppTest : public testing::Test {
protected:
    void SetUp() override
    {
        MessageBox::SetSink([this](const std::string& text) { messages.push_back(text); });
        QuitMessage::Clear();
    }
    void TearDown() override
    {
        MessageBox::SetSink(nullptr);
        QuitMessage::Clear();
    }

    static CommandLineInfo CommandLine(const std::vector<std::string>& arguments)
    {
        return CommandLineInfo::Parse(arguments);
    }

    Texts messages;
};

TEST_F(QuorrelAppTest, NoFileOpensOneEmptyChartWindow)
{
    CQuorrelApp app(CommandLine({}));
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(app.GetMainFrame()->GetMdiArea()->subWindowList().size(), 1);
    EXPECT_NE(app.GetMainFrame()->GetActiveView(), nullptr);
    EXPECT_EQ(app.m_strCommandFile, "");
    EXPECT_EQ(app.GetMainFrame()->GetStatusBarHost().MessagePane()->text(), QStringLiteral("For Help, press F1"));
    EXPECT_FALSE(QuitMessage::Posted());
}

TEST_F(QuorrelAppTest, CommandFileRunsInTheNewChartWindow)
{
    // A real chart, so the run reports nothing.
    quorrel_test::WriteFile("Tree.QRC", "[CHART]\nTYPE=ANCESTOR\n[database]\nfile=" + pedigree::ProjectPath() +
                                            "\nstartperson=1\n[Ancestor]\ngenerations=2\n");
    CQuorrelApp app(CommandLine({"Tree.QRC"}));
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(app.m_strCommandFile, "Tree.QRC");
    EXPECT_EQ(app.GetMainFrame()->GetMdiArea()->subWindowList().size(), 1);
    // The run is over: the idle text is back, and the program goes on.
    EXPECT_EQ(app.GetMainFrame()->GetStatusBarHost().MessagePane()->text(), QStringLiteral("For Help, press F1"));
    EXPECT_FALSE(QuitMessage::Posted());

    // A second run opens a second window and leaves the first as it was.
    quorrel_test::WriteFile("batch.ini", "[chart]\nhidewindows=TRUE\n");
    app.m_strCommandFile = "batch.ini";
    app.RunCommandFileInNewChart();
    EXPECT_EQ(app.GetMainFrame()->GetMdiArea()->subWindowList().size(), 2);
    // Batch mode ends the program also from the menu, but through the closing
    // of the windows: the first chart asks to be saved, and a cancel keeps it.
    EXPECT_FALSE(QuitMessage::Posted());
    Texts questions;
    MessageBox::SetAnswerer([&questions](const std::string& text) {
        questions.push_back(text);
        return MessageBox::Answer::Cancel;
    });
    QApplication::sendPostedEvents();
    QApplication::processEvents();
    MessageBox::SetAnswerer(nullptr);
    EXPECT_EQ(questions, Texts{"Save changes to Quorrel1?"});
    ASSERT_EQ(app.GetMainFrame()->GetMdiArea()->subWindowList().size(), 1);
    EXPECT_TRUE(app.GetMainFrame()->GetActiveView()->GetDocument().IsModified());
    EXPECT_TRUE(app.GetMainFrame()->isVisible());
    EXPECT_FALSE(QuitMessage::Posted());
    EXPECT_TRUE(messages.empty());
}

TEST_F(QuorrelAppTest, ChartFilesOpenFromTheCommandLineAndJoinTheRecentFiles)
{
    {
        CQuorrelApp app(CommandLine({}));
        ASSERT_TRUE(app.InitInstance());
        CQuorrelView* view = app.GetMainFrame()->GetActiveView();
        view->GetDocument().GetModel().SetSize(300, 200);
        ASSERT_TRUE(view->SaveDocument("chart.qrd"));
        for (const char* name : {"a.qrd", "b.qrd", "c.qrd", "d.qrd"})
            ASSERT_TRUE(view->SaveDocument(name));
        view->GetDocument().SetModifiedFlag(false);
    }
    CQuorrelApp app(CommandLine({"chart.qrd"}));
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(app.GetMainFrame()->GetMdiArea()->subWindowList().size(), 1);
    EXPECT_EQ(app.GetMainFrame()->GetActiveView()->GetDocument().GetModel().GetSize(), CSize(300, 200));
    EXPECT_EQ(app.GetMainFrame()->GetMdiArea()->currentSubWindow()->windowTitle(), QStringLiteral("chart.qrd"));
    EXPECT_TRUE(messages.empty());
    // The four newest first; saving alone does not add a file, opening does.
    app.GetMainFrame()->OpenDocumentFile("d.qrd");
    app.GetMainFrame()->OpenDocumentFile("c.qrd");
    app.GetMainFrame()->OpenDocumentFile("b.qrd");
    app.GetMainFrame()->OpenDocumentFile("a.qrd");
    app.GetMainFrame()->OpenDocumentFile("c.qrd");
    EXPECT_EQ(app.GetMainFrame()->GetRecentFiles(), (Texts{"c.qrd", "a.qrd", "b.qrd", "d.qrd"}));
    ASSERT_NE(FindItem(*app.GetMainFrame(), QStringLiteral("&1 c.qrd")), nullptr);

    // A file that is no chart: the message, and the window stays, empty.
    quorrel_test::WriteFile("bad.qrd", "not a chart");
    CChildFrame* frame = app.GetMainFrame()->OpenDocumentFile("bad.qrd");
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_EQ(messages[0].rfind("bad.qrd: ", 0), 0U);
    EXPECT_EQ(frame->GetActiveView()->GetDocument().GetModel().GetChildCount(), 0);
    EXPECT_EQ(app.GetMainFrame()->GetRecentFiles().front(), "c.qrd");
}

TEST(AboutDlgTest, ShowsTheBuildDate)
{
    const QString line = QString::fromStdString(CAboutDlg::BuildDateLine());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Build Date [A-Z][a-z]{2} [ 0-9][0-9] [0-9]{4} [0-9]{2}:[0-9]{2}:[0-9]{2}$"))
                    .match(line)
                    .hasMatch())
        << line.toStdString();
    CAboutDlg dialog(nullptr);
    auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("BuildDate"));
    ASSERT_NE(field, nullptr);
    EXPECT_TRUE(field->isReadOnly());
    EXPECT_EQ(field->text(), line);
}

}  // namespace
