#pragma once

#include <QMainWindow>

#include <functional>
#include <map>
#include <memory>
#include <cstddef>
#include <string>
#include <vector>

class CChildFrame;
class CQuorrelView;
class QAction;
class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QMenu;
class QMdiArea;
class QToolBar;
class QtStatusBarHost;

// The main window: chart windows in its middle, the menu bar and eight dockable
// toolbars above, the status bar (message pane, then the CAP, NUM and SCRL
// indicators) below.
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

    // The toolbar with that window id, or nullptr.
    QToolBar* GetToolBar(unsigned int nWindowId) const;
    // The installed manual beside the program, else the one in the source tree; empty when neither is there.
    static std::string UserManualPath();
    // Opens a dropped file: a command file runs in a new chart window, any other file opens as a chart.
    void OpenDroppedFile(const std::string& strPath);

protected:
    // Remembers the window's placement and its bars for the next start.
    void closeEvent(QCloseEvent* event) override;
    // Fly-by prompts go to the message pane.
    bool event(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Settings "WindowPos": "flags,show,minX,minY,maxX,maxY,left,top,right,bottom".
    void RestoreWindowPlacement();
    void SaveWindowPlacement() const;
    void CreateStatusBar();
    // The eight toolbars, docked in two rows at the top.
    void CreateToolBars();
    // The visibility flags, then the saved bar state over them.
    void LoadBarState();
    void SaveBarState() const;
    void OnToggleBar(std::size_t nBar);
    void ShowAllBars(bool bShow);
    // Each bar's flag and check mark follow whether it is shown.
    void UpdateBarStates();
    // The open charts at the end of the Window menu.
    void UpdateWindowMenu(QMenu* menu);
    void CreateActions();
    // The chart window menu when a chart is open, else the short main menu.
    void UpdateMenus();
    void Connect(unsigned int nID, void (CMainFrame::*handler)());
    void Connect(unsigned int nID, const std::function<void()>& handler);
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
    void OnHelpUserManual();

    QMdiArea* m_pMdiArea;
    std::unique_ptr<QtStatusBarHost> m_pStatusBarHost;
    std::map<unsigned int, QAction*> m_actions;
    // A toolbar or the status bar, with its visibility key and toggle command.
    struct ControlBar {
        QWidget* pBar;
        const char* key;
        unsigned int toggleId;
        bool bVisible;
    };
    std::vector<ControlBar> m_bars;  // in the order All Off hides them
    std::map<unsigned int, QToolBar*> m_toolBars;
    bool m_bAllOff = false;
    bool m_bChartMenu = false;
    bool m_bPlacedMaximized = false;
    int m_nUntitled = 0;
};
