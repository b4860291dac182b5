#pragma once

#include <QMainWindow>

#include <map>
#include <memory>
#include <string>

class CChildFrame;
class CQuorrelView;
class QAction;
class QLabel;
class QMdiArea;
class QtStatusBarHost;

// The main window: chart windows in its middle, the menu bar above, the status
// bar (message pane, then the CAP, NUM and SCRL indicators) below.
class CMainFrame : public QMainWindow {
public:
    CMainFrame();
    ~CMainFrame() override;

    // The framework's File New: a new, empty, maximized chart window that becomes the active one.
    CChildFrame* OnFileNew();
    // The active chart window's view, or nullptr when no chart window is open.
    CQuorrelView* GetActiveView() const;
    QMdiArea* GetMdiArea() const;
    QtStatusBarHost& GetStatusBarHost() const;

    // The action of a menu command; disabled until a handler is connected.
    QAction* GetAction(unsigned int nID);

    // Shows the window as it was when it was last closed (maximized or not).
    void ShowAsPlaced();

protected:
    // Remembers the window's placement for the next start.
    void closeEvent(QCloseEvent* event) override;

private:
    // Settings "WindowPos": "flags,show,minX,minY,maxX,maxY,left,top,right,bottom".
    void RestoreWindowPlacement();
    void SaveWindowPlacement() const;
    void CreateStatusBar();
    void CreateActions();
    // The chart window menu when a chart is open, else the short main menu.
    void UpdateMenus();
    void Connect(unsigned int nID, void (CMainFrame::*handler)());

    void OnFileNewCommand();
    void OnFileClose();
    void OnRunCommandFile();
    void OnAppAbout();
    void OnAppExit();
    void OnViewStatusBar();

    QMdiArea* m_pMdiArea;
    std::unique_ptr<QtStatusBarHost> m_pStatusBarHost;
    std::map<unsigned int, QAction*> m_actions;
    bool m_bChartMenu = false;
    bool m_bPlacedMaximized = false;
    int m_nUntitled = 0;
};
