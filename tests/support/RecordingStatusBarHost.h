#pragma once

#include "platform/StatusBarHost.h"

#include <string>
#include <vector>

// A status bar that records what it is told, registered as the current host
// for its lifetime. Texts are 7 pixels a character, 6 on average.
class RecordingStatusBarHost : public StatusBarHost {
public:
    explicit RecordingStatusBarHost(RECT pane = RECT{0, 0, 600, 20})
        : m_pane(pane)
    {
        SetCurrent(this);
    }

    void SetMessageText(const std::string& text) override { texts.push_back(text); }
    RECT MessagePaneRect() const override { return m_pane; }
    int TextWidth(const std::string& text) const override { return 7 * static_cast<int>(text.size()); }
    int AverageCharWidth() const override { return 6; }
    void InsertProgress(const RECT& rect) override { inserted.push_back(rect); hasProgress = true; }
    void SetProgressPos(int percent) override { positions.push_back(percent); }
    void RemoveProgress() override { ++removed; hasProgress = false; }

    std::vector<std::string> texts;
    std::vector<RECT> inserted;
    std::vector<int> positions;
    int removed = 0;
    bool hasProgress = false;

private:
    RECT m_pane;
};
