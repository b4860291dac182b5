#pragma once

#include <string>

// What a long piece of work shows while it holds the user-interface thread: a
// text in the main window's status bar, a progress bar beside it once a position
// is set, and the wait cursor. Lives on the stack of the work it reports on.
class StatusBarProgress {
public:
    StatusBarProgress(unsigned int nIDText, bool bShow);
    ~StatusBarProgress();
    StatusBarProgress(const StatusBarProgress&) = delete;
    StatusBarProgress& operator=(const StatusBarProgress&) = delete;

    void Show();
    void Hide();
    void SetText(const std::string& text);
    // Steps that make 100 percent; 0 means 100.
    void SetRange(int nRange);
    // One step further; after the last step the count starts again at 0.
    void Step();
    // Shows the indicator if needed; a negative percent shows no progress bar.
    void SetPos(int nPercent);

    bool IsShown() const;
    int GetPercent() const;

    // With echo on, every text shown is also written to standard error (--verbose).
    static void SetEcho(bool bEcho);

private:
    void PutText(const std::string& text) const;
    void CreateProgressControl();

    std::string m_strText;
    bool m_bShown = false;
    bool m_bHasControl = false;
    int m_nRange = 100;
    int m_nCount = 0;
    int m_nPercent = 0;
};
