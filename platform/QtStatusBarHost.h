#pragma once

#include "platform/StatusBarHost.h"

class QLabel;
class QProgressBar;
class QStatusBar;

// The status-bar host over a QStatusBar: the message pane is a label that takes
// the free width; the progress bar is put right after it. The caller adds the
// other panes (as permanent widgets) after constructing this.
class QtStatusBarHost : public StatusBarHost {
public:
    explicit QtStatusBarHost(QStatusBar* statusBar);
    ~QtStatusBarHost() override;

    void SetMessageText(const std::string& text) override;
    RECT MessagePaneRect() const override;
    int TextWidth(const std::string& text) const override;
    int AverageCharWidth() const override;
    void InsertProgress(const RECT& rect) override;
    void SetProgressPos(int percent) override;
    void RemoveProgress() override;

    QLabel* MessagePane() const;
    QProgressBar* ProgressBar() const;

private:
    QStatusBar* m_pStatusBar;
    QLabel* m_pMessagePane;
    QProgressBar* m_pProgress = nullptr;
};
