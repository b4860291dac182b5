#include "app/CMainFrame.h"

#include "app/CAboutDlg.h"
#include "app/CChildFrame.h"
#include "app/MenuResources.h"
#include "app/CQuorrelController.h"
#include "app/CQuorrelView.h"
#include "app/CommandLineInfo.h"
#include "app/GedcomImport.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/ResourceStrings.h"
#include "platform/AppSettings.h"
#include "platform/QtStatusBarHost.h"
#include "platform/QtText.h"

#include <QAction>
#include <QByteArray>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QIcon>
#include <QMimeData>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QUrl>
#include <QPointer>
#include <QTimer>
#include <QKeySequence>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>

namespace {

// The window-placement values the "WindowPos" setting is written with.
constexpr unsigned int kPlacementMaximized = 2;
constexpr unsigned int kShowNormal = 1;
constexpr unsigned int kShowMinimized = 2;
constexpr unsigned int kShowMaximized = 3;

constexpr const char* kRecentFileSection = "Recent File List";
// How often the commands' enabled and checked states follow the chart, as an idle-time update would.
constexpr int kCommandStateMilliseconds = 250;

using Controller = CODDrawingController;
// The chart controller's commands, and those of them that are switches shown checked.
constexpr int kControllerCommands[] = {
    Controller::ID_EDIT_UNDO, Controller::ID_EDIT_REDO, Controller::ID_EDIT_CUT, Controller::ID_EDIT_COPY,
    Controller::ID_EDIT_PASTE, CQuorrelController::ID_SELECT_ALL, Controller::ID_EDIT_CLEAR,
    Controller::ID_OD_ALIGN_TOP, Controller::ID_OD_ALIGN_MIDDLE, Controller::ID_OD_ALIGN_BOTTOM,
    Controller::ID_OD_ALIGN_LEFT, Controller::ID_OD_ALIGN_CENTER, Controller::ID_OD_ALIGN_RIGHT,
    Controller::ID_OD_NUDGE_UP, Controller::ID_OD_NUDGE_DOWN, Controller::ID_OD_NUDGE_LEFT, Controller::ID_OD_NUDGE_RIGHT,
    Controller::ID_OD_GROUP, Controller::ID_OD_UNGROUP, Controller::ID_OD_BRING_TO_FRONT, Controller::ID_OD_SEND_TO_BACK,
    Controller::ID_OD_BRING_FORWARD, Controller::ID_OD_SEND_BACKWARD, Controller::ID_OD_ROTATE_LEFT,
    Controller::ID_OD_ROTATE_RIGHT, Controller::ID_OD_FLIP_VERTICAL, Controller::ID_OD_FLIP_HORIZONTAL,
    Controller::ID_OD_SPACE_ACROSS, Controller::ID_OD_SPACE_DOWN, Controller::ID_OD_SAME_WIDTH,
    Controller::ID_OD_SAME_HEIGHT, Controller::ID_OD_SAME_SIZE, Controller::ID_OD_ZOOM_100, Controller::ID_OD_ZOOM_200,
    Controller::ID_OD_ZOOM_50, Controller::ID_OD_ZOOM_75, Controller::ID_OD_ZOOM_NORMAL, Controller::ID_OD_GRID,
    Controller::ID_OD_PAGE_BOUNDS, Controller::ID_OD_SNAP_TO_GRID, Controller::ID_OD_ANGLE_SNAP,
    Controller::ID_OD_PROPERTIES, CQuorrelController::ID_DETAIL_PROPERTIES,
    CQuorrelController::ID_CONTEXT_DETAIL_PROPERTIES, CQuorrelController::ID_DEFAULT_PROPERTIES,
    CQuorrelController::ID_GRID_PROPERTIES, CQuorrelController::ID_DIAGRAM_MEASUREMENTS,
    CQuorrelController::ID_ZOOM_CUSTOM, CQuorrelController::ID_LINK, CQuorrelController::ID_LINK_ORTHOGONAL,
    CQuorrelController::ID_ARROW_LINK, CQuorrelController::ID_ARROW_LINK_ORTHOGONAL,
    CQuorrelController::ID_TWO_ARROW_LINK, CQuorrelController::ID_TWO_ARROW_LINK_ORTHOGONAL,
    CQuorrelController::ID_INSERT_SHADOW_BOX, CQuorrelController::ID_INSERT_BOX, CQuorrelController::ID_INSERT_PORT,
    CQuorrelController::ID_CONNECTION_LINE, CQuorrelController::ID_CURVE_TEXT, CQuorrelController::ID_INSERT_IMAGE,
    Controller::ID_OD_SELECT, Controller::ID_OD_EDIT_VERTICES, Controller::ID_OD_LINE, Controller::ID_OD_POLYLINE,
    Controller::ID_OD_POLYGON, Controller::ID_OD_RECTANGLE, Controller::ID_OD_POLYCURVE, Controller::ID_OD_CLOSED_CURVE,
    Controller::ID_OD_ELLIPSE, Controller::ID_OD_TEXT,
};
constexpr int kCheckedCommands[] = {
    Controller::ID_OD_ZOOM_100, Controller::ID_OD_ZOOM_200, Controller::ID_OD_ZOOM_50, Controller::ID_OD_ZOOM_75,
    Controller::ID_OD_ZOOM_NORMAL, Controller::ID_OD_GRID, Controller::ID_OD_PAGE_BOUNDS, Controller::ID_OD_SNAP_TO_GRID,
    Controller::ID_OD_ANGLE_SNAP, CQuorrelController::ID_LINK, CQuorrelController::ID_LINK_ORTHOGONAL,
    CQuorrelController::ID_ARROW_LINK, CQuorrelController::ID_ARROW_LINK_ORTHOGONAL,
    CQuorrelController::ID_TWO_ARROW_LINK, CQuorrelController::ID_TWO_ARROW_LINK_ORTHOGONAL,
    CQuorrelController::ID_INSERT_SHADOW_BOX, CQuorrelController::ID_INSERT_BOX, CQuorrelController::ID_INSERT_PORT,
    CQuorrelController::ID_CONNECTION_LINE, CQuorrelController::ID_CURVE_TEXT, Controller::ID_OD_SELECT,
    Controller::ID_OD_LINE, Controller::ID_OD_POLYLINE, Controller::ID_OD_POLYGON, Controller::ID_OD_RECTANGLE,
    Controller::ID_OD_POLYCURVE, Controller::ID_OD_CLOSED_CURVE, Controller::ID_OD_ELLIPSE, Controller::ID_OD_TEXT,
};
constexpr const char* kChartFilter = "Quorrel(*.qrd)|*.qrd||";
constexpr const char* kChartExtension = "qrd";
constexpr QSize kButtonImageSize(16, 15);
constexpr const char* kToolBarSection = "ToolBar";
constexpr const char* kAllOffKey = "AllOff";
constexpr const char* kStatusBarKey = "StatusBarVisible";
// The framework's bar state, kept as one base64 value.
constexpr const char* kBarStateSection = "QRDBarState";
constexpr const char* kBarStateKey = "State";
// All Off and All On go through the bars in this order.
constexpr std::array<unsigned int, 9> kAllBarsOrder = {ID_VIEW_ALIGN_BAR, ID_VIEW_DRAWING_BAR, ID_VIEW_NUDGE_BAR,
    ID_VIEW_ROTATE_BAR, ID_VIEW_STATUS_BAR, ID_VIEW_STRUCTURE_BAR, ID_VIEW_GENE_BAR, ID_VIEW_TOOLBAR, ID_VIEW_ZOOM_BAR};
// The two dock rows at the top, each bar just after the one before it.
constexpr unsigned int kFirstRowBars[] = {IDW_STANDARD_BAR, IDW_ZOOM_BAR, IDW_ROTATE_BAR, IDW_NUDGE_BAR};
constexpr unsigned int kSecondRowBars[] = {IDW_SYMBOLS_BAR, IDW_DRAWING_BAR, IDW_ALIGN_BAR, IDW_STRUCTURE_BAR};
constexpr const char* kWindowMenuText = "&Window";
constexpr const char* kChartWindowItem = "chartWindowItem";

std::string RecentFileKey(int nIndex)
{
    return "File" + std::to_string(nIndex + 1);
}

void AddItems(QMenu* menu, const std::vector<MenuItem>& items, const std::function<void(QMenu*, const MenuItem&)>& add)
{
    for (const MenuItem& item : items) {
        if (!item.items.empty())
            AddItems(menu->addMenu(QtText::Decode(item.text)), item.items, add);
        else if (item.id == 0)
            menu->addSeparator();
        else
            add(menu, item);
    }
}

}  // namespace

CMainFrame::CMainFrame()
    : m_pMdiArea(new QMdiArea(this))
{
    setWindowTitle(QStringLiteral("Quorrel"));
    setCentralWidget(m_pMdiArea);
    resize(1024, 740);
    setAcceptDrops(true);
    RestoreWindowPlacement();
    CreateStatusBar();
    CreateActions();
    CreateToolBars();
    LoadBarState();
    connect(m_pMdiArea, &QMdiArea::subWindowActivated, this, [this] { UpdateMenus(); });
    UpdateMenus();
    auto* commandStates = new QTimer(this);
    connect(commandStates, &QTimer::timeout, this, [this] {
        UpdateCommandStates();
        UpdateBarStates();
    });
    commandStates->start(kCommandStateMilliseconds);
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
    // Each chart window asks about its own unsaved changes; one cancel keeps them all.
    m_pMdiArea->closeAllSubWindows();
    if (!m_pMdiArea->subWindowList().isEmpty()) {
        event->ignore();
        return;
    }
    SaveBarState();
    SaveWindowPlacement();
    QMainWindow::closeEvent(event);
}

bool CMainFrame::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        m_pStatusBarHost->SetMessageText(tip.isEmpty() ? ResourceStrings::Load(IDS_IDLE_MESSAGE) : QtText::Encode(tip));
        return true;
    }
    return QMainWindow::event(event);
}

void CMainFrame::CreateToolBars()
{
    for (const ToolBarResource& resource : MenuResources::ToolBars()) {
        const std::string caption = resource.caption != nullptr ? resource.caption : ResourceStrings::Load(resource.windowId);
        auto* bar = new QToolBar(QtText::Decode(caption), this);
        bar->setObjectName(QStringLiteral("ToolBar%1").arg(resource.windowId));
        bar->setIconSize(kButtonImageSize);
        bar->setAllowedAreas(Qt::AllToolBarAreas);
        for (const ToolBarButton& button : resource.buttons) {
            if (button.id == 0) {
                bar->addSeparator();
                continue;
            }
            QAction* action = GetAction(button.id);
            action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(button.icon))));
            action->setIconVisibleInMenu(false);
            bar->addAction(action);
        }
        m_toolBars.emplace(resource.windowId, bar);
        connect(bar, &QToolBar::visibilityChanged, this, [this] { UpdateBarStates(); });
    }
    for (const unsigned int id : kFirstRowBars)
        addToolBar(Qt::TopToolBarArea, m_toolBars.at(id));
    addToolBarBreak(Qt::TopToolBarArea);
    for (const unsigned int id : kSecondRowBars)
        addToolBar(Qt::TopToolBarArea, m_toolBars.at(id));

    const auto& resources = MenuResources::ToolBars();
    for (const unsigned int toggleId : kAllBarsOrder) {
        ControlBar bar{statusBar(), kStatusBarKey, toggleId, true};
        const auto resource = std::find_if(resources.begin(), resources.end(),
            [toggleId](const ToolBarResource& r) { return r.toggleId == toggleId; });
        if (resource != resources.end()) {
            bar.pBar = m_toolBars.at(resource->windowId);
            bar.key = resource->visibilityKey;
        }
        m_bars.push_back(bar);
        const std::size_t nBar = m_bars.size() - 1;
        QAction* toggle = GetAction(toggleId);
        toggle->setEnabled(true);
        toggle->setCheckable(true);
        connect(toggle, &QAction::triggered, this, [this, nBar] { OnToggleBar(nBar); });
    }
    Connect(ID_VIEW_ALL_OFF, [this] { ShowAllBars(false); });
    Connect(ID_VIEW_ALL_ON, [this] { ShowAllBars(true); });
}

QToolBar* CMainFrame::GetToolBar(unsigned int nWindowId) const
{
    const auto found = m_toolBars.find(nWindowId);
    return found != m_toolBars.end() ? found->second : nullptr;
}

void CMainFrame::LoadBarState()
{
    for (ControlBar& bar : m_bars) {
        bar.bVisible = AppSettings::GetInt(kToolBarSection, bar.key, 1) != 0;
        bar.pBar->setVisible(bar.bVisible);
    }
    m_bAllOff = AppSettings::GetInt(kToolBarSection, kAllOffKey, 0) != 0;
    const std::string state = AppSettings::GetString(kBarStateSection, kBarStateKey, "");
    if (!state.empty())
        restoreState(QByteArray::fromBase64(QByteArray::fromStdString(state)));
    UpdateBarStates();
}

void CMainFrame::SaveBarState() const
{
    AppSettings::WriteString(kBarStateSection, kBarStateKey, saveState().toBase64().toStdString());
    for (const ControlBar& bar : m_bars)
        AppSettings::WriteInt(kToolBarSection, bar.key, bar.bVisible ? 1 : 0);
    AppSettings::WriteInt(kToolBarSection, kAllOffKey, m_bAllOff ? 1 : 0);
}

void CMainFrame::OnToggleBar(std::size_t nBar)
{
    ControlBar& bar = m_bars[nBar];
    bar.pBar->setVisible(!bar.bVisible);
    bar.bVisible = !bar.bVisible;
    UpdateBarStates();
}

void CMainFrame::ShowAllBars(bool bShow)
{
    for (ControlBar& bar : m_bars) {
        bar.pBar->setVisible(bShow);
        bar.bVisible = bShow;
    }
    m_bAllOff = !bShow;
    UpdateBarStates();
}

void CMainFrame::UpdateBarStates()
{
    for (ControlBar& bar : m_bars) {
        // A floating bar closed by its own button is hidden too.
        bar.bVisible = !bar.pBar->isHidden();
        GetAction(bar.toggleId)->setChecked(bar.bVisible);
    }
}

void CMainFrame::CloseAfterBatchRun(CQuorrelView* pBatchView)
{
    QPointer<CQuorrelView> batchView(pBatchView);
    // Once the run has returned to the loop, as the quit message would.
    QTimer::singleShot(0, this, [this, batchView] {
        for (QMdiSubWindow* frame : m_pMdiArea->subWindowList()) {
            auto* chart = dynamic_cast<CChildFrame*>(frame);
            if (batchView && chart != nullptr && chart->GetActiveView() == batchView.data()) {
                // Its files are written; it was never shown to be edited.
                batchView->GetDocument().DeleteContents();
                chart->close();
            }
        }
        // The run minimized the window; the questions about the charts are asked in front of them.
        showNormal();
        if (!close()) {
            if (QMdiSubWindow* frame = m_pMdiArea->currentSubWindow())
                frame->showMaximized();
        }
    });
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
    // The prompt: the status-bar text, then after a line break the tool tip.
    const QString prompt = QtText::Decode(ResourceStrings::Load(nID));
    if (!prompt.isEmpty()) {
        action->setStatusTip(prompt.section(QLatin1Char('\n'), 0, 0));
        const QString tip = prompt.section(QLatin1Char('\n'), 1);
        if (!tip.isEmpty())
            action->setToolTip(tip);
    }
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
    Connect(ID_FILE_OPEN, &CMainFrame::OnFileOpen);
    Connect(ID_FILE_SAVE, &CMainFrame::OnFileSave);
    Connect(ID_FILE_SAVE_AS, &CMainFrame::OnFileSaveAs);
    for (int i = 0; i < kMaxRecentFiles; ++i) {
        QAction* recent = GetAction(ID_FILE_MRU_FILE1 + static_cast<unsigned int>(i));
        recent->setEnabled(true);
        connect(recent, &QAction::triggered, this, [this, i] { OnOpenRecentFile(i); });
    }
    ConnectView(ID_FILE_EXPORT, [](CQuorrelView& view) { view.GetController().OnExport(); });
    ConnectView(ID_FILE_PAGE_SETUP, [](CQuorrelView& view) { view.OnFilePageSetup(); });
    ConnectView(ID_FILE_PRINT, [](CQuorrelView& view) { view.OnFilePrint(); });
    ConnectView(ID_FILE_PRINT_PREVIEW, [](CQuorrelView& view) { view.OnFilePrintPreview(); });
    ConnectView(ID_PRINT_CUT_MARKS, [](CQuorrelView& view) {
        view.GetViewport().m_bCutMarksVisible = !view.GetViewport().m_bCutMarksVisible;
    }, true);
    ConnectView(ID_SIZE_TO_COMPONENTS, [](CQuorrelView& view) { view.GetController().OnSizeToComponents(); });
    ConnectView(ID_ZOOM_TO_FIT, [](CQuorrelView& view) { view.GetController().OnZoomToFit(); });
    ConnectView(ID_ZOOM_TO_SELECTION, [](CQuorrelView& view) { view.GetController().OnZoomToSelection(); });
    ConnectView(ID_VIEW_RULERS, [](CQuorrelView& view) { view.GetController().OnRulers(); }, true);
    ConnectView(ID_VIEW_PORTS, [](CQuorrelView& view) { view.GetController().OnPorts(); }, true);
    ConnectView(ID_SCALE_DRAWING_UP, [](CQuorrelView& view) { view.GetController().OnScaleDrawingUp(); });
    ConnectView(ID_SCALE_DRAWING_DOWN, [](CQuorrelView& view) { view.GetController().OnScaleDrawingDown(); });
    ConnectView(ID_RESIZE_DRAWING, [](CQuorrelView& view) { view.GetController().OnResizeDrawing(); });
    // The editing, zoom and display commands are the chart controller's.
    for (const int id : kControllerCommands) {
        const bool bCheckable = std::find(std::begin(kCheckedCommands), std::end(kCheckedCommands), id)
            != std::end(kCheckedCommands);
        ConnectView(static_cast<unsigned int>(id), [id](CQuorrelView& view) { view.GetController().OnCommand(id); },
                    bCheckable);
    }
    Connect(ID_FILE_CLOSE, &CMainFrame::OnFileClose);
    Connect(ID_RUN_COMMAND_FILE, &CMainFrame::OnRunCommandFile);
    Connect(ID_IMPORT_GEDCOM, &CMainFrame::OnImportGedcom);
    Connect(ID_APP_ABOUT, &CMainFrame::OnAppAbout);
    Connect(ID_APP_EXIT, &CMainFrame::OnAppExit);
    // Help Topics, the Help button and F1 all open the manual: there is no help file on this platform.
    for (const unsigned int id : {ID_HELP_FINDER, ID_CONTEXT_HELP, ID_HELP})
        Connect(id, &CMainFrame::OnHelpUserManual);
    Connect(ID_WINDOW_CASCADE, [this] { m_pMdiArea->cascadeSubWindows(); });
    Connect(ID_WINDOW_TILE_HORZ, [this] { m_pMdiArea->tileSubWindows(); });
}

void CMainFrame::Connect(unsigned int nID, void (CMainFrame::*handler)())
{
    Connect(nID, [this, handler] { (this->*handler)(); });
}

void CMainFrame::Connect(unsigned int nID, const std::function<void()>& handler)
{
    QAction* action = GetAction(nID);
    action->setEnabled(true);
    connect(action, &QAction::triggered, this, handler);
}

void CMainFrame::ConnectView(unsigned int nID, const std::function<void(CQuorrelView&)>& handler, bool bCheckable)
{
    QAction* action = GetAction(nID);
    action->setEnabled(true);
    action->setCheckable(bCheckable);
    connect(action, &QAction::triggered, this, [this, handler] {
        if (CQuorrelView* view = GetActiveView())
            handler(*view);
        UpdateCommandStates();
    });
}

void CMainFrame::UpdateCommandStates()
{
    CQuorrelView* view = GetActiveView();
    if (view == nullptr)
        return;
    const CQuorrelViewport& viewport = view->GetViewport();
    const auto check = [this](unsigned int nID, bool bChecked) { GetAction(nID)->setChecked(bChecked); };
    check(ID_PRINT_CUT_MARKS, viewport.m_bCutMarksVisible);
    check(ID_VIEW_RULERS, view->AreRulersShown());
    check(ID_VIEW_PORTS, view->GetController().ArePortsShown());
    const CQuorrelController& controller = view->GetController();
    for (const int id : kControllerCommands) {
        QAction* action = GetAction(static_cast<unsigned int>(id));
        action->setEnabled(controller.IsCommandEnabled(id));
        if (action->isCheckable())
            action->setChecked(controller.IsCommandChecked(id));
    }
}

void CMainFrame::UpdateMenus()
{
    UpdateCommandStates();
    const bool bChartMenu = !m_pMdiArea->subWindowList().isEmpty();
    if (bChartMenu == m_bChartMenu && !menuBar()->actions().isEmpty())
        return;
    m_bChartMenu = bChartMenu;
    menuBar()->clear();
    // The two menus share the actions of their commands; where a text differs
    // (View > Toolbar, View > ToolBars > Standard), the item gets its own action
    // that triggers the command's.
    const auto action = [this](QMenu* menu, const MenuItem& item) {
        if (item.id == ID_FILE_MRU_FILE1) {
            AddRecentFileItems(menu);
            return;
        }
        QAction* command = GetAction(item.id);
        const QString text = QtText::Decode(item.text);
        if (command->text().isEmpty())
            command->setText(text);
        if (command->text() == text) {
            menu->addAction(command);
            return;
        }
        auto* alias = new QAction(text, menuBar());
        alias->setEnabled(command->isEnabled());
        alias->setCheckable(command->isCheckable());
        alias->setChecked(command->isChecked());
        connect(alias, &QAction::triggered, command, &QAction::trigger);
        connect(command, &QAction::changed, alias, [alias, command] {
            alias->setEnabled(command->isEnabled());
            alias->setChecked(command->isChecked());
        });
        menu->addAction(alias);
    };
    const std::vector<MenuItem>& menu = bChartMenu ? MenuResources::ChartWindowMenu() : MenuResources::MainWindowMenu();
    for (const MenuItem& popup : menu) {
        QMenu* popupMenu = menuBar()->addMenu(QtText::Decode(popup.text));
        AddItems(popupMenu, popup.items, action);
        if (popup.text == kWindowMenuText)
            connect(popupMenu, &QMenu::aboutToShow, this, [this, popupMenu] { UpdateWindowMenu(popupMenu); });
    }
}

void CMainFrame::UpdateWindowMenu(QMenu* menu)
{
    for (QAction* item : menu->actions())
        if (item->property(kChartWindowItem).toBool())
            delete item;
    const QList<QMdiSubWindow*> frames = m_pMdiArea->subWindowList();
    if (frames.isEmpty())
        return;
    menu->addSeparator()->setProperty(kChartWindowItem, true);
    for (qsizetype i = 0; i < frames.size(); ++i) {
        QMdiSubWindow* frame = frames[i];
        QAction* item = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(frame->windowTitle()));
        item->setProperty(kChartWindowItem, true);
        item->setCheckable(true);
        item->setChecked(frame == m_pMdiArea->currentSubWindow());
        connect(item, &QAction::triggered, this, [this, frame] { m_pMdiArea->setActiveSubWindow(frame); });
    }
}

CChildFrame* CMainFrame::OnFileNew()
{
    auto* frame = new CChildFrame("Quorrel" + std::to_string(++m_nUntitled));
    // An edit changes what Undo and the others may do at once, not at the next update.
    frame->GetActiveView()->m_onCommandStatesChanged = [this] { UpdateCommandStates(); };
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

CChildFrame* CMainFrame::OpenDocumentFile(const std::string& strPath)
{
    CChildFrame* frame = OnFileNew();
    if (frame->GetActiveView()->OpenDocument(strPath))
        AddToRecentFileList(strPath);
    return frame;
}

void CMainFrame::OnFileOpen()
{
    if (const std::optional<std::string> path = FileDialog::GetOpenFileName(this, kChartFilter, kChartExtension))
        OpenDocumentFile(*path);
}

void CMainFrame::OnFileSave()
{
    CQuorrelView* view = GetActiveView();
    if (view != nullptr && view->OnFileSave())
        AddToRecentFileList(view->GetPathName());
}

void CMainFrame::OnFileSaveAs()
{
    CQuorrelView* view = GetActiveView();
    if (view != nullptr && view->OnFileSaveAs())
        AddToRecentFileList(view->GetPathName());
}

void CMainFrame::OnOpenRecentFile(int nIndex)
{
    const std::vector<std::string> recent = GetRecentFiles();
    if (nIndex >= 0 && static_cast<std::size_t>(nIndex) < recent.size())
        OpenDocumentFile(recent[static_cast<std::size_t>(nIndex)]);
}

std::vector<std::string> CMainFrame::GetRecentFiles() const
{
    std::vector<std::string> files;
    for (int i = 0; i < kMaxRecentFiles; ++i) {
        std::string file = AppSettings::GetString(kRecentFileSection, RecentFileKey(i), "");
        if (!file.empty())
            files.push_back(std::move(file));
    }
    return files;
}

void CMainFrame::AddToRecentFileList(const std::string& strPath)
{
    std::vector<std::string> files{strPath};
    for (std::string& file : GetRecentFiles())
        if (file != strPath && files.size() < static_cast<std::size_t>(kMaxRecentFiles))
            files.push_back(std::move(file));
    for (int i = 0; i < kMaxRecentFiles; ++i)
        AppSettings::WriteString(kRecentFileSection, RecentFileKey(i),
                                 static_cast<std::size_t>(i) < files.size() ? files[static_cast<std::size_t>(i)] : "");
    menuBar()->clear();  // the list is in the File menu
    UpdateMenus();
}

void CMainFrame::AddRecentFileItems(QMenu* menu)
{
    const std::vector<std::string> files = GetRecentFiles();
    if (files.empty()) {
        menu->addAction(QStringLiteral("Recent File"))->setEnabled(false);
        return;
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        QAction* recent = GetAction(ID_FILE_MRU_FILE1 + static_cast<unsigned int>(i));
        recent->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QtText::Decode(files[i])));
        menu->addAction(recent);
    }
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

void CMainFrame::OnImportGedcom()
{
    GedcomImport::Run(this);
}

void CMainFrame::OnAppAbout()
{
    CAboutDlg(this).exec();
}

void CMainFrame::OnAppExit()
{
    close();
}

std::string CMainFrame::UserManualPath()
{
    const QString installed = QCoreApplication::applicationDirPath() + QStringLiteral("/" QUORREL_INSTALLED_MANUAL);
    for (const QString& path : {installed, QStringLiteral(QUORREL_SOURCE_MANUAL)}) {
        if (QFileInfo(path).isFile())
            return QtText::EncodeUtf8(QFileInfo(path).canonicalFilePath());
    }
    return {};
}

void CMainFrame::OnHelpUserManual()
{
    const std::string path = UserManualPath();
    if (path.empty()) {
        MessageBox::Show("The user manual is not installed.");
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path))))
        MessageBox::Show("No program could be started to show " + path + ".");
}

void CMainFrame::OpenDroppedFile(const std::string& strPath)
{
    const CommandLineInfo info = CommandLineInfo::Parse({strPath});
    if (info.m_strCommandFile.empty()) {
        OpenDocumentFile(strPath);
        return;
    }
    OnFileNew()->GetActiveView()->GetController().RunCommandFile(strPath);
}

namespace {

// The local chart and command files among the dropped ones.
std::vector<std::string> DroppedFiles(const QMimeData* data)
{
    std::vector<std::string> files;
    for (const QUrl& url : data->urls()) {
        const QString suffix = QFileInfo(url.fileName()).suffix().toLower();
        if (url.isLocalFile() && (suffix == QStringLiteral("qrd") || suffix == QStringLiteral("qrc")
                                     || suffix == QStringLiteral("ini")))
            files.push_back(QtText::EncodeUtf8(url.toLocalFile()));
    }
    return files;
}

}  // namespace

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedFiles(event->mimeData()).empty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const std::vector<std::string> files = DroppedFiles(event->mimeData());
    if (files.empty())
        return;
    event->acceptProposedAction();
    for (const std::string& file : files)
        OpenDroppedFile(file);
}
