#pragma once

#include <QMainWindow>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class CChildFrame;
class CQuorrelView;
class QAction;
class QLabel;
class QMenu;
class QMdiArea;
class QtStatusBarHost;

// The main window: chart windows in its middle, the menu bar above, the status
// bar (message pane, then the CAP, NUM and SCRL indicators) below.
class CMainFrame : public QMainWindow {
public:
    CMainFrame();
    ~CMainFrame() override;

    static constexpr int kMaxRecentFiles = 4;

    // The framework's File New: a new, empty, maximized chart window that becomes the active one.
    CChildFrame* OnFileNew();
    // A new chart window with the chart file; a file that cannot be read is
    // reported and leaves the window empty. The file joins the recent files when read.
    CChildFrame* OpenDocumentFile(const std::string& strPath);
    // The recent files, newest first, as kept in the settings.
    std::vector<std::string> GetRecentFiles() const;
    void AddToRecentFileList(const std::string& strPath);
    // After a batch run started from the menu: closes the run's hidden chart,
    // then quits through the normal close path, so each modified chart asks to
    // be saved; a cancel keeps the program and its windows.
    void CloseAfterBatchRun(CQuorrelView* pBatchView);
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
    // Connects the command to a handler of the active chart view.
    void ConnectView(unsigned int nID, const std::function<void(CQuorrelView&)>& handler, bool bCheckable = false);
    // Check marks of the view's switches and zoom, from the active view.
    void UpdateCommandStates();
    void AddRecentFileItems(QMenu* menu);

    void OnFileNewCommand();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnOpenRecentFile(int nIndex);
    void OnFileClose();
    void OnRunCommandFile();
    void OnImportGedcom();
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
