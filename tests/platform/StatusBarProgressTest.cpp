#include "platform/ResourceStrings.h"
#include "platform/StatusBarProgress.h"
#include "platform/QtStatusBarHost.h"
#include "platform/WaitCursor.h"
#include "tests/support/RecordingStatusBarHost.h"

#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

TEST(StatusBarProgressTest, ShowsTextAndWaitCursorUntilDestroyed)
{
    RecordingStatusBarHost host;
    const int depth = WaitCursor::Depth();
    {
        StatusBarProgress progress(IDS_PLEASE_WAIT, true);
        EXPECT_TRUE(progress.IsShown());
        EXPECT_EQ(WaitCursor::Depth(), depth + 1);
        progress.SetText("Starting Chart");
        progress.Show();  // shown already: hidden first, so the cursor does not pile up
        EXPECT_EQ(WaitCursor::Depth(), depth + 1);
    }
    EXPECT_EQ(WaitCursor::Depth(), depth);
    EXPECT_EQ(host.texts,
        (Texts{"Please Wait....", "Starting Chart", "For Help, press F1", "Starting Chart", "For Help, press F1"}));
    EXPECT_TRUE(host.inserted.empty());
}

TEST(StatusBarProgressTest, NeverShownChangesNothing)
{
    RecordingStatusBarHost host;
    const int depth = WaitCursor::Depth();
    {
        StatusBarProgress progress(IDS_PLEASE_WAIT, false);
        progress.SetRange(5);
        progress.SetText("quiet");
        progress.Hide();
    }
    EXPECT_EQ(host.texts, Texts{"quiet"});  // SetText always reaches the pane
    EXPECT_EQ(WaitCursor::Depth(), depth);
    EXPECT_TRUE(host.inserted.empty());
    EXPECT_EQ(host.removed, 0);
}

TEST(StatusBarProgressTest, StepsWrapAfterTheRange)
{
    const struct {
        int range;
        std::vector<int> percents;
    } cases[] = {
        {3, {33, 66, 100, 0, 33}},
        {0, {1, 2, 3}},  // 0 stands for 100
        {100, {1, 2, 3}},
        {1, {100, 0, 100}},
        {-4, {0, 0}},  // a negative range never divides by zero: the count wraps at once
        {2000000000, {0, 0}},
    };
    for (const auto& c : cases) {
        RecordingStatusBarHost host;
        StatusBarProgress progress(IDS_PLEASE_WAIT, false);
        progress.SetRange(c.range);
        std::vector<int> seen;
        for (std::size_t i = 0; i < c.percents.size(); ++i) {
            progress.Step();
            seen.push_back(progress.GetPercent());
        }
        EXPECT_EQ(seen, c.percents) << "range " << c.range;
        EXPECT_EQ(host.positions, c.percents) << "range " << c.range;
        EXPECT_TRUE(progress.IsShown());  // the first step shows the indicator
    }
}

TEST(StatusBarProgressTest, SetRangeStartsAgain)
{
    RecordingStatusBarHost host;
    StatusBarProgress progress(IDS_PLEASE_WAIT, true);
    progress.SetRange(4);
    progress.Step();
    progress.Step();
    EXPECT_EQ(progress.GetPercent(), 50);
    progress.SetRange(4);
    EXPECT_EQ(progress.GetPercent(), 0);
    progress.Step();
    EXPECT_EQ(progress.GetPercent(), 25);
}

TEST(StatusBarProgressTest, NegativePositionShowsButCreatesNoBar)
{
    RecordingStatusBarHost host;
    const int depth = WaitCursor::Depth();
    StatusBarProgress progress(IDS_PLEASE_WAIT, false);
    progress.SetPos(-1);
    EXPECT_TRUE(progress.IsShown());
    EXPECT_EQ(WaitCursor::Depth(), depth + 1);
    EXPECT_EQ(host.texts, Texts{"Please Wait...."});
    EXPECT_TRUE(host.inserted.empty());
    EXPECT_TRUE(host.positions.empty());
}

TEST(StatusBarProgressTest, BarSitsAfterTheTextAndIsAtMost200Wide)
{
    // Pane 0..600; the text takes 7 pixels a character plus two average characters (12).
    const struct {
        std::string text;
        RECT bar;
    } cases[] = {
        {"", RECT{400, 0, 600, 20}},
        {"Building the boxes", RECT{400, 0, 600, 20}},
        {std::string(60, 'x'), RECT{432, 0, 600, 20}},
        {std::string(82, 'x'), RECT{586, 0, 600, 20}},  // 14 wide: too narrow
        {std::string(80, 'x'), RECT{572, 0, 600, 20}},
    };
    for (const auto& c : cases) {
        RecordingStatusBarHost host;
        StatusBarProgress progress(IDS_PLEASE_WAIT, false);
        progress.SetText(c.text);
        progress.SetPos(10);
        const bool tooNarrow = c.bar.right - c.bar.left < 20;
        ASSERT_EQ(host.inserted.size(), tooNarrow ? 0u : 1u) << c.text.size();
        if (tooNarrow) {
            EXPECT_TRUE(host.positions.empty());
            EXPECT_EQ(progress.GetPercent(), 10);  // the count is kept all the same
            continue;
        }
        EXPECT_EQ(host.inserted[0].left, c.bar.left) << c.text.size();
        EXPECT_EQ(host.inserted[0].right, c.bar.right);
        EXPECT_EQ(host.positions, std::vector<int>{10});
        progress.SetPos(20);  // the bar is made once
        EXPECT_EQ(host.inserted.size(), 1u);
        progress.Hide();
        EXPECT_EQ(host.removed, 1);
        EXPECT_EQ(host.texts.back(), "For Help, press F1");
    }
}

TEST(StatusBarProgressTest, WithoutAStatusBarStillCounts)
{
    StatusBarProgress progress(IDS_PLEASE_WAIT, true);
    progress.SetRange(4);
    progress.Step();
    EXPECT_EQ(progress.GetPercent(), 25);
}

TEST(StatusBarProgressTest, EchoesTextsWhenAskedTo)
{
    RecordingStatusBarHost host;
    StatusBarProgress::SetEcho(true);
    testing::internal::CaptureStderr();
    {
        StatusBarProgress progress(IDS_PLEASE_WAIT, true);
        progress.SetText("Sizing Chart");
    }
    StatusBarProgress::SetEcho(false);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Please Wait....\nSizing Chart\n");
}

TEST(StatusBarProgressTest, RealStatusBarPutsTheBarBesideTheText)
{
    QStatusBar bar;
    QtStatusBarHost host(&bar);
    StatusBarHost::SetCurrent(&host);
    bar.resize(800, 24);
    bar.show();
    const int paneRight = host.MessagePaneRect().right;
    ASSERT_GT(paneRight, 400);

    {
        StatusBarProgress progress(IDS_PLEASE_WAIT, true);
        progress.SetText("Building the boxes");
        progress.SetPos(40);
        QProgressBar* progressBar = host.ProgressBar();
        ASSERT_NE(progressBar, nullptr);
        EXPECT_EQ(progressBar->value(), 40);
        EXPECT_EQ(progressBar->width(), 200);
        EXPECT_EQ(progressBar->geometry().right() + 1, paneRight);
        EXPECT_GE(progressBar->geometry().left(), host.MessagePane()->geometry().left() + host.TextWidth("Building the boxes"));
        EXPECT_EQ(host.MessagePane()->text(), QStringLiteral("Building the boxes"));
        // Removing the bar gives the pane its width back.
        EXPECT_EQ(host.MessagePaneRect().right, paneRight);
    }
    EXPECT_EQ(host.ProgressBar(), nullptr);
    EXPECT_EQ(host.MessagePane()->text(), QStringLiteral("For Help, press F1"));
    EXPECT_EQ(host.MessagePaneRect().right, paneRight);
    StatusBarHost::SetCurrent(nullptr);
}

}  // namespace
