#include "app/CMainFrame.h"

#include "app/CAboutDlg.h"
#include "app/CChildFrame.h"
#include "app/MenuResources.h"
#include "app/CQuorrelController.h"
#include "app/CQuorrelView.h"
#include "platform/ResourceStrings.h"
#include "platform/AppSettings.h"
#include "platform/QtStatusBarHost.h"
#include "platform/QtText.h"

#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include <cstdio>
#include <functional>

namespace {

// The window-placement values the "WindowPos" setting is written with.
constexpr unsigned int kPlacementMaximized = 2;
constexpr unsigned int kShowNormal = 1;
constexpr unsigned int kShowMinimized = 2;
constexpr unsigned int kShowMaximized = 3;

void AddItems(QMenu* menu, const std::vector<MenuItem>& items, const std::function<QAction*(const MenuItem&)>& action)
{
    for (const MenuItem& item : items) {
        if (!item.items.empty())
            AddItems(menu->addMenu(QtText::Decode(item.text)), item.items, action);
        else if (item.id == 0)
            menu->addSeparator();
        else
            menu->addAction(action(item));
    }
}

}  // namespace

CMainFrame::CMainFrame()
    : m_pMdiArea(new QMdiArea(this))
{
    setWindowTitle(QStringLiteral("Quorrel"));
    setCentralWidget(m_pMdiArea);
    resize(1024, 740);
    RestoreWindowPlacement();
    CreateStatusBar();
    CreateActions();
    connect(m_pMdiArea, &QMdiArea::subWindowActivated, this, [this] { UpdateMenus(); });
    UpdateMenus();
}

CMainFrame::~CMainFrame()
{
    // The chart windows go after this body has run; they must not update the menus of a half-destroyed frame.
    disconnect(m_pMdiArea, nullptr, this, nullptr);
    for (QMdiSubWindow* frame : m_pMdiArea->subWindowList())
        disconnect(frame, nullptr, this, nullptr);
    if (StatusBarHost::Current() == m_pStatusBarHost.get())
        StatusBarHost::SetCurrent(nullptr);
}

void CMainFrame::RestoreWindowPlacement()
{
    const std::string placement = AppSettings::GetString("Settings", "WindowPos", "");
    unsigned int flags = 0;
    unsigned int showCmd = 0;
    int numbers[8] = {};
    if (std::sscanf(placement.c_str(), "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d", &flags, &showCmd, &numbers[0], &numbers[1],
            &numbers[2], &numbers[3], &numbers[4], &numbers[5], &numbers[6], &numbers[7])
        != 10)
        return;
    const QRect normal(QPoint(numbers[4], numbers[5]), QPoint(numbers[6] - 1, numbers[7] - 1));
    if (normal.isValid())  // an empty rectangle would make the window vanish
        setGeometry(normal);
    m_bPlacedMaximized = (flags & kPlacementMaximized) != 0 || showCmd == kShowMaximized;
}

void CMainFrame::SaveWindowPlacement() const
{
    const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    char placement[160];
    std::snprintf(placement, sizeof placement, "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d", isMaximized() ? kPlacementMaximized : 0u,
        isMaximized() ? kShowMaximized : (isMinimized() ? kShowMinimized : kShowNormal), -1, -1, -1, -1, normal.left(),
        normal.top(), normal.right() + 1, normal.bottom() + 1);
    AppSettings::WriteString("Settings", "WindowPos", placement);
}

void CMainFrame::ShowAsPlaced()
{
    if (m_bPlacedMaximized)
        showMaximized();
    else
        show();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    SaveWindowPlacement();
    QMainWindow::closeEvent(event);
}

void CMainFrame::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar%1").arg(ID_VIEW_STATUS_BAR));
    m_pStatusBarHost = std::make_unique<QtStatusBarHost>(bar);
    for (const unsigned int id : {IDS_INDICATOR_CAPS, IDS_INDICATOR_NUM, IDS_INDICATOR_SCRL}) {
        auto* indicator = new QLabel(QtText::Decode(ResourceStrings::Load(id)), bar);
        indicator->setAlignment(Qt::AlignCenter);
        indicator->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        indicator->setMinimumWidth(indicator->sizeHint().width() + 8);
        // The lock keys' state cannot be read portably, so the indicators stay greyed.
        indicator->setEnabled(false);
        bar->addPermanentWidget(indicator);
    }
    m_pStatusBarHost->SetMessageText(ResourceStrings::Load(IDS_IDLE_MESSAGE));
    StatusBarHost::SetCurrent(m_pStatusBarHost.get());
}

QAction* CMainFrame::GetAction(unsigned int nID)
{
    const auto found = m_actions.find(nID);
    if (found != m_actions.end())
        return found->second;
    auto* action = new QAction(this);
    action->setEnabled(false);  // as a command without a handler is
    m_actions.emplace(nID, action);
    return action;
}

void CMainFrame::CreateActions()
{
    for (const auto& [id, keys] : MenuResources::Accelerators()) {
        QAction* action = GetAction(id);
        QList<QKeySequence> shortcuts = action->shortcuts();
        shortcuts << QKeySequence(QString::fromLatin1(keys));
        action->setShortcuts(shortcuts);
        addAction(action);  // active whichever menu is shown
    }
    Connect(ID_FILE_NEW, &CMainFrame::OnFileNewCommand);
    Connect(ID_FILE_CLOSE, &CMainFrame::OnFileClose);
    Connect(ID_RUN_COMMAND_FILE, &CMainFrame::OnRunCommandFile);
    Connect(ID_APP_ABOUT, &CMainFrame::OnAppAbout);
    Connect(ID_APP_EXIT, &CMainFrame::OnAppExit);
    Connect(ID_VIEW_STATUS_BAR, &CMainFrame::OnViewStatusBar);
    connect(GetAction(ID_WINDOW_CASCADE), &QAction::triggered, m_pMdiArea, &QMdiArea::cascadeSubWindows);
    connect(GetAction(ID_WINDOW_TILE_HORZ), &QAction::triggered, m_pMdiArea, &QMdiArea::tileSubWindows);
    GetAction(ID_WINDOW_CASCADE)->setEnabled(true);
    GetAction(ID_WINDOW_TILE_HORZ)->setEnabled(true);
    GetAction(ID_VIEW_STATUS_BAR)->setCheckable(true);
    GetAction(ID_VIEW_STATUS_BAR)->setChecked(true);
}

void CMainFrame::Connect(unsigned int nID, void (CMainFrame::*handler)())
{
    QAction* action = GetAction(nID);
    action->setEnabled(true);
    connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
}

void CMainFrame::UpdateMenus()
{
    const bool bChartMenu = !m_pMdiArea->subWindowList().isEmpty();
    if (bChartMenu == m_bChartMenu && !menuBar()->actions().isEmpty())
        return;
    m_bChartMenu = bChartMenu;
    menuBar()->clear();
    // The two menus share the actions of their commands; where a text differs
    // (View > Toolbar, View > ToolBars > Standard), the item gets its own action
    // that triggers the command's.
    const auto action = [this](const MenuItem& item) {
        QAction* command = GetAction(item.id);
        const QString text = QtText::Decode(item.text);
        if (command->text().isEmpty())
            command->setText(text);
        if (command->text() == text)
            return command;
        auto* alias = new QAction(text, menuBar());
        alias->setEnabled(command->isEnabled());
        alias->setCheckable(command->isCheckable());
        alias->setChecked(command->isChecked());
        connect(alias, &QAction::triggered, command, &QAction::trigger);
        connect(command, &QAction::changed, alias, [alias, command] {
            alias->setEnabled(command->isEnabled());
            alias->setChecked(command->isChecked());
        });
        return alias;
    };
    const std::vector<MenuItem>& menu = bChartMenu ? MenuResources::ChartWindowMenu() : MenuResources::MainWindowMenu();
    for (const MenuItem& popup : menu)
        AddItems(menuBar()->addMenu(QtText::Decode(popup.text)), popup.items, action);
}

CChildFrame* CMainFrame::OnFileNew()
{
    auto* frame = new CChildFrame("Quorrel" + std::to_string(++m_nUntitled));
    m_pMdiArea->addSubWindow(frame);
    // Queued: while the frame is being destroyed the area may still list it.
    connect(frame, &QObject::destroyed, this, [this] { UpdateMenus(); }, Qt::QueuedConnection);
    frame->showMaximized();
    m_pMdiArea->setActiveSubWindow(frame);
    UpdateMenus();
    return frame;
}

void CMainFrame::OnFileNewCommand()
{
    OnFileNew();
}

CQuorrelView* CMainFrame::GetActiveView() const
{
    auto* frame = dynamic_cast<CChildFrame*>(m_pMdiArea->currentSubWindow());
    return frame != nullptr ? frame->GetActiveView() : nullptr;
}

QMdiArea* CMainFrame::GetMdiArea() const
{
    return m_pMdiArea;
}

QtStatusBarHost& CMainFrame::GetStatusBarHost() const
{
    return *m_pStatusBarHost;
}

void CMainFrame::OnFileClose()
{
    m_pMdiArea->closeActiveSubWindow();
}

void CMainFrame::OnRunCommandFile()
{
    if (CQuorrelView* view = GetActiveView())
        view->GetController().OnRunCommandFile();
}

void CMainFrame::OnAppAbout()
{
    CAboutDlg(this).exec();
}

void CMainFrame::OnAppExit()
{
    close();
}

void CMainFrame::OnViewStatusBar()
{
    const bool bShow = statusBar()->isHidden();
    statusBar()->setVisible(bShow);
    GetAction(ID_VIEW_STATUS_BAR)->setChecked(bShow);
}
