#include "app/CMainFrame.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

namespace {

// Takes the shortcut events of the frame's actions, so that no command runs and
// each key shows which command it reached.
class ShortcutRecorder : public QObject {
public:
    explicit ShortcutRecorder(CMainFrame& frame, const std::map<unsigned int, QAction*>& actions)
        : m_frame(frame)
    {
        for (const auto& [id, action] : actions) {
            action->setEnabled(true);  // a disabled command's key reaches nothing
            action->installEventFilter(this);
            m_ids.emplace(action, id);
        }
    }

    unsigned int Reached(const QKeySequence& keys)
    {
        m_nReached = 0;
        QTest::keySequence(&m_frame, keys);
        return m_nReached;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Shortcut)
            return false;
        m_nReached = m_ids.at(static_cast<QAction*>(watched));
        return true;
    }

private:
    CMainFrame& m_frame;
    std::map<QAction*, unsigned int> m_ids;
    unsigned int m_nReached = 0;
};

TEST(AcceleratorTest, EachKeyReachesItsCommand)
{
    const struct {
        const char* keys;
        unsigned int id;
    } accelerators[] = {
        {"Ctrl+A", 32809}, {"Ctrl+C", 57634}, {"Ctrl+M", 32815}, {"Ctrl+N", 57600}, {"Ctrl+O", 57601},
        {"Ctrl+Alt+O", 32820}, {"Ctrl+P", 57607}, {"Ctrl+R", 32813}, {"Ctrl+S", 57603}, {"Ctrl+T", 32790},
        {"Ctrl+Shift+T", 32799}, {"Ctrl+V", 57637}, {"Ctrl+X", 57635}, {"Ctrl+Z", 57643}, {"Alt+Backspace", 57643},
        {"Del", 57632}, {"Shift+Del", 57635}, {"Ctrl+Ins", 57634}, {"Shift+Ins", 57637}, {"Up", 44543},
        {"Down", 44540}, {"Left", 44541}, {"Right", 44542}, {"F1", 57670}, {"Shift+F1", 57669}, {"F6", 57680},
        {"Shift+F6", 57681}, {"Ctrl+Alt+PgUp", 32817}, {"Ctrl+Alt+PgDown", 32818},
        // Additions: Redo as the Edit menu shows it and as Linux desktops have it, and Quit.
        {"Ctrl+Y", 57644}, {"Ctrl+Shift+Z", 57644}, {"Ctrl+Q", 57665},
    };
    CMainFrame frame;
    frame.show();
    QApplication::setActiveWindow(&frame);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    std::map<unsigned int, QAction*> actions;
    for (const auto& accelerator : accelerators)
        actions.emplace(accelerator.id, frame.GetAction(accelerator.id));
    ShortcutRecorder recorder(frame, actions);
    for (const auto& accelerator : accelerators)
        EXPECT_EQ(recorder.Reached(QKeySequence(QString::fromLatin1(accelerator.keys))), accelerator.id)
            << accelerator.keys;
    EXPECT_EQ(recorder.Reached(QKeySequence(QStringLiteral("Ctrl+K"))), 0u);
}

}  // namespace
