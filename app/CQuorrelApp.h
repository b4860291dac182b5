#pragma once

#include "app/CommandLineInfo.h"

#include <memory>
#include <string>

class CMainFrame;

// The application: start-up, the main window, and the command file to run next.
// One exists while the program runs; it needs the QApplication to exist first.
class CQuorrelApp {
public:
    explicit CQuorrelApp(CommandLineInfo cmdInfo);
    ~CQuorrelApp();
    CQuorrelApp(const CQuorrelApp&) = delete;
    CQuorrelApp& operator=(const CQuorrelApp&) = delete;

    static CQuorrelApp& Instance();
    // The running application, or none (the chart view's tests run without one).
    static CQuorrelApp* Running();

    // Creates the main window, opens the chart window the command line asks for and
    // runs its command file. False when the program should end at once.
    bool InitInstance();

    // Opens a new, empty chart window and runs m_strCommandFile in it.
    void RunCommandFileInNewChart();

    CMainFrame* GetMainFrame() const;

    // The command file to run next; set from the command line or "Run Command File...".
    std::string m_strCommandFile;

private:
    // Runs m_strCommandFile in the active chart view, if there is one.
    void RunInActiveView();

    CommandLineInfo m_cmdInfo;
    std::unique_ptr<CMainFrame> m_pMainFrame;
};
