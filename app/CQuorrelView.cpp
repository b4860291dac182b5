#include "app/CQuorrelView.h"

#include "app/CInPlaceTextEdit.h"
#include "app/CMainFrame.h"
#include "app/CQuorrelController.h"
#include "app/CRulerBar.h"
#include "app/MenuResources.h"
#include "engine/CODIntProperty.h"
#include "engine/CODModel.h"
#include "engine/CODRulerComponent.h"
#include "engine/CODTextComponent.h"
#include "engine/PropertyIds.h"
#include "engine/TextEditRequest.h"
#include "platform/Arithmetic.h"
#include "platform/CFont.h"
#include "platform/CPaintDeviceDC.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/QtText.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace {

constexpr const char* kChartFilter = "Quorrel(*.qrd)|*.qrd||";
constexpr const char* kChartExtension = ".qrd";
constexpr QRgb kRulerCorner = 0xC0C0C0;
constexpr QRgb kRulerBackground = 0xFFFFFF;
// A numbered ruler tick at least this many pixels from the next.
constexpr int kRulerTickPixels = 60;
constexpr int kRulerSpacings[] = {1, 2, 5};
constexpr int kThousandthsPerInch = 1000;
constexpr int kHundredthsPerMillimetre = 100;
constexpr int kScrollStepPixels = 20;
constexpr int kRulerFontPixels = 9;
// The tools' own cursors, their hot spot the middle of the cross.
struct ToolCursor {
    int nResourceId;
    const char* image;
};
constexpr ToolCursor kToolCursors[] = {
    {CQuorrelController::kCurveTextCursor, ":/cursors/curve-text.svg"},
    {CQuorrelController::kImageCursor, ":/cursors/image.svg"},
    {CQuorrelController::kConnectionLineCursor, ":/cursors/connection-line.svg"},
};
constexpr int kCursorHotSpot = 8;
constexpr int kViewportPopup = 0;
constexpr int kComponentPopup = 1;
// The editor is never smaller than a few characters, whatever the zoom.
constexpr int kMinEditorWidth = 40;
constexpr int kEditorPadding = 6;

// The first of 1, 2, 5, 10, 20, 50 ... logical units that is wide enough at the zoom.
int RulerSpacing(double zoom)
{
    for (int decade = 1;; decade *= 10)
        for (int step : kRulerSpacings)
            if (step * decade / zoom >= kRulerTickPixels || step * decade >= CQuorrelDoc::kCanvasSize * 10)
                return step * decade;
}

CRect DeviceToLogical(const CQuorrelView& view, const QRect& rect)
{
    const CPoint topLeft = view.ClientToLogical(CPoint(rect.left(), rect.top()));
    const CPoint bottomRight = view.ClientToLogical(CPoint(rect.right() + 1, rect.bottom() + 1));
    // A unit more each side: the mapping rounds, and the damage must be covered.
    return CRect(topLeft.x - 1, topLeft.y - 1, bottomRight.x + 1, bottomRight.y + 1);
}

// The controller's key flags for Qt's modifiers.
unsigned KeyFlags(Qt::KeyboardModifiers modifiers)
{
    return ((modifiers & Qt::ShiftModifier) != 0 ? MK_SHIFT : 0U) | ((modifiers & Qt::ControlModifier) != 0 ? MK_CONTROL : 0U);
}

// The keys the controller takes, as virtual keys; 0 for the others.
unsigned VirtualKey(int nKey)
{
    switch (nKey) {
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Delete:
        return VK_DELETE;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    default:
        return 0;
    }
}

Qt::CursorShape CursorShape(CODDrawingController::Cursor cursor)
{
    switch (cursor) {
    case CODDrawingController::Cursor::Move:
        return Qt::SizeAllCursor;
    case CODDrawingController::Cursor::SizeNWSE:
        return Qt::SizeFDiagCursor;
    case CODDrawingController::Cursor::SizeNS:
        return Qt::SizeVerCursor;
    case CODDrawingController::Cursor::SizeNESW:
        return Qt::SizeBDiagCursor;
    case CODDrawingController::Cursor::SizeWE:
        return Qt::SizeHorCursor;
    case CODDrawingController::Cursor::Cross:
        return Qt::CrossCursor;
    case CODDrawingController::Cursor::Link:
        return Qt::PointingHandCursor;
    case CODDrawingController::Cursor::Resource:
    case CODDrawingController::Cursor::Arrow:
        break;
    }
    return Qt::ArrowCursor;
}

}  // namespace

CQuorrelView::CQuorrelView(QWidget* parent)
    : QAbstractScrollArea(parent)
    , m_pHorizontalRuler(new CRulerBar(this, true))
    , m_pVerticalRuler(new CRulerBar(this, false))
{
    m_viewport.SetModel(&m_document.GetModel());
    // The controller watches the model from the start, so it comes after it is set.
    m_pController = std::make_unique<CQuorrelController>(this);
    ConnectController();
    m_document.GetModel().AddObserver(this);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    horizontalScrollBar()->setSingleStep(kScrollStepPixels);
    verticalScrollBar()->setSingleStep(kScrollStepPixels);
    ScrollTo(CPoint(-kCanvasMargin, -kCanvasMargin));
    LayOutRulers();
}

CQuorrelView::~CQuorrelView()
{
    m_document.GetModel().RemoveObserver(this);
}

CQuorrelController& CQuorrelView::GetController()
{
    return *m_pController;
}

void CQuorrelView::ConnectController()
{
    CQuorrelController& controller = *m_pController;
    controller.m_onRepaint = [this](const CRect& rect) {
        if (rect.IsRectEmpty()) {
            UpdateScrollBars();
            Update();
        } else {
            InvalidateLogical(rect);
        }
        CommandStatesChanged();
    };
    controller.m_onSetCursor = [this](CODDrawingController::Cursor cursor) { SetCursor(cursor); };
    controller.m_onOpenTextEditor = [this](const TextEditRequest& request) { OpenTextEditor(request); };
    controller.m_onCloseTextEditor = [this] { return CloseTextEditor(); };
    controller.m_onOpenComponent = [this](CODComponent* pComponent) { m_pController->OnOpenComponent(pComponent); };
    controller.m_onStartTimer = [this](int, int nMilliseconds) { m_autoScrollTimer.start(nMilliseconds); };
    controller.m_onStopTimer = [this](int) { m_autoScrollTimer.stop(); };
    controller.m_onGetKeyFlags = [] { return KeyFlags(QGuiApplication::keyboardModifiers()); };
    connect(&m_autoScrollTimer, &QTimer::timeout, this, [this] {
        m_pController->OnTimer(CODDrawingController::kAutoScrollTimer);
        UpdateScrollBars();
    });
}

void CQuorrelView::SetCursor(CODDrawingController::Cursor cursor)
{
    if (cursor == CODDrawingController::Cursor::Resource) {
        const int nId = m_pController->GetCursorResource();
        for (const ToolCursor& tool : kToolCursors) {
            if (tool.nResourceId == nId) {
                viewport()->setCursor(QCursor(QPixmap(QString::fromLatin1(tool.image)), kCursorHotSpot, kCursorHotSpot));
                return;
            }
        }
    }
    viewport()->setCursor(QCursor(CursorShape(cursor)));
}

void CQuorrelView::OpenTextEditor(const TextEditRequest& request)
{
    CloseTextEditor();
    m_pTextEditor = new CInPlaceTextEdit(viewport(), request.bMultiLine);
    QFont font(QtText::Decode(request.logFont.lfFaceName));
    font.setPixelSize(std::max(1, std::abs(request.logFont.lfHeight)));
    font.setWeight(request.logFont.lfWeight >= FW_BOLD ? QFont::Bold : QFont::Normal);
    font.setItalic(request.logFont.lfItalic != 0);
    font.setUnderline(request.logFont.lfUnderline != 0);
    font.setStrikeOut(request.logFont.lfStrikeOut != 0);
    m_pTextEditor->setFont(font);
    QPalette palette = m_pTextEditor->palette();
    palette.setColor(QPalette::Text, QColor(GetRValue(request.crText), GetGValue(request.crText), GetBValue(request.crText)));
    m_pTextEditor->setPalette(palette);
    m_pTextEditor->setPlainText(QtText::Decode(request.strText));
    const bool bCentre = (request.nAlignment & CODTextComponent::kAlignCentre) != 0;
    const bool bRight = (request.nAlignment & CODTextComponent::kAlignRight) != 0;
    QTextOption option = m_pTextEditor->document()->defaultTextOption();
    option.setAlignment(bCentre ? Qt::AlignHCenter : bRight ? Qt::AlignRight : Qt::AlignLeft);
    m_pTextEditor->document()->setDefaultTextOption(option);
    // Room for one line of the font at least, however small the box is drawn;
    // a single line is edited in one line, where the text stands in its box.
    const int nLineHeight = QFontMetrics(font).height() + kEditorPadding;
    const CRect& box = request.rcDevice;
    int nTop = box.top;
    int nHeight = std::max(box.Height(), nLineHeight);
    if (!request.bMultiLine) {
        nHeight = nLineHeight;
        if ((request.nAlignment & CODTextComponent::kAlignVCentre) != 0)
            nTop = box.top + (box.Height() - nHeight) / 2;
        else if ((request.nAlignment & CODTextComponent::kAlignBottom) != 0)
            nTop = box.bottom - nHeight;
    }
    m_pTextEditor->setGeometry(box.left, nTop, std::max(box.Width(), kMinEditorWidth), nHeight);
    m_pTextEditor->selectAll();
    m_pTextEditor->m_onEnd = [this](bool bApply) {
        const std::string text = CloseTextEditor();
        m_pController->EndTextEdit(bApply, text);
        setFocus(Qt::OtherFocusReason);
        CommandStatesChanged();
    };
    // The text under the editor is drawn again as it is typed.
    connect(m_pTextEditor, &QPlainTextEdit::textChanged, this, [this] {
        if (const CODTextComponent* text = m_pController->GetEditedText())
            InvalidateLogical(text->GetBounds());
    });
    m_pTextEditor->show();
    m_pTextEditor->setFocus(Qt::OtherFocusReason);
}

std::string CQuorrelView::CloseTextEditor()
{
    if (m_pTextEditor == nullptr)
        return {};
    CInPlaceTextEdit* editor = std::exchange(m_pTextEditor, nullptr);
    editor->m_onEnd = nullptr;
    const std::string text = QtText::Encode(editor->toPlainText());
    editor->hide();
    // It may be closing from inside its own key or focus handler.
    editor->deleteLater();
    return text;
}

std::unique_ptr<QMenu> CQuorrelView::MakeContextMenu(const CPoint& point)
{
    auto* frame = dynamic_cast<CMainFrame*>(window());
    if (frame == nullptr)
        return nullptr;
    CODComponent* hit = m_pController->ComponentAt(ClientToLogical(point));
    if (hit != nullptr && !m_pController->IsSelected(hit)) {
        m_pController->SetSelection({hit});
        CommandStatesChanged();
    }
    const bool bSelected = !m_pController->GetSelection().empty();
    const MenuItem& popup = MenuResources::ContextMenu()[bSelected ? kComponentPopup : kViewportPopup];
    auto menu = std::make_unique<QMenu>(this);
    for (const MenuItem& item : popup.items) {
        if (item.id == 0) {
            menu->addSeparator();
            continue;
        }
        // The window's own command, so it is enabled and checked as in the menus.
        QAction* command = frame->GetAction(item.id);
        QAction* action = menu->addAction(QtText::Decode(item.text));
        action->setEnabled(command->isEnabled());
        action->setCheckable(command->isCheckable());
        action->setChecked(command->isChecked());
        connect(action, &QAction::triggered, command, &QAction::trigger);
    }
    return menu;
}

std::string CQuorrelView::GetTitle() const
{
    if (m_strPathName.empty())
        return m_strUntitled;
    return std::filesystem::path(m_strPathName).filename().string();
}

void CQuorrelView::SetUntitledName(const std::string& strName)
{
    m_strUntitled = strName;
    setWindowTitle(QtText::Decode(GetTitle()));
}

bool CQuorrelView::OpenDocument(const std::string& strPath)
{
    std::string error;
    const bool opened = m_document.OnOpenDocument(strPath, error);
    m_viewport.SetSelection({});
    // A failed open leaves an empty chart that must not be saved over the old file.
    m_strPathName = opened ? strPath : std::string();
    if (!opened)
        MessageBox::Show(error);
    setWindowTitle(QtText::Decode(GetTitle()));
    const CPoint origin = m_document.GetModel().GetOrigin();
    ScrollTo(CPoint(origin.x - kCanvasMargin, origin.y - kCanvasMargin));
    return opened;
}

bool CQuorrelView::SaveDocument(const std::string& strPath)
{
    std::string error;
    if (!m_document.OnSaveDocument(strPath, error)) {
        MessageBox::Show(error);
        return false;
    }
    m_strPathName = strPath;
    setWindowTitle(QtText::Decode(GetTitle()));
    return true;
}

bool CQuorrelView::OnFileSave()
{
    return m_strPathName.empty() ? OnFileSaveAs() : SaveDocument(m_strPathName);
}

bool CQuorrelView::OnFileSaveAs()
{
    const std::string initial = m_strPathName.empty() ? m_strUntitled + kChartExtension : m_strPathName;
    const std::optional<std::string> path
        = FileDialog::GetSaveFileName(this, "Save As", initial, kChartFilter, kChartExtension);
    return path && SaveDocument(*path);
}

bool CQuorrelView::SaveModified()
{
    if (!m_document.IsModified())
        return true;
    switch (MessageBox::Ask("Save changes to " + GetTitle() + "?")) {
    case MessageBox::Answer::Yes:
        return OnFileSave();
    case MessageBox::Answer::No:
        return true;
    case MessageBox::Answer::Cancel:
        break;
    }
    return false;
}

void CQuorrelView::Update(bool bNow)
{
    m_damage = QRegion(viewport()->rect());
    if (bNow)
        viewport()->repaint();
    else
        viewport()->update();
    if (AreRulersShown()) {
        m_pHorizontalRuler->update();
        m_pVerticalRuler->update();
    }
}

void CQuorrelView::InvalidateLogical(const CRect& rect)
{
    const CPoint topLeft = LogicalToClient(rect.TopLeft());
    const CPoint bottomRight = LogicalToClient(rect.BottomRight());
    // Handles reach beyond the bounds by their half size, whatever the zoom.
    const int reach = CODDrawingViewport::kHandleHalfSize + 1;
    const QRect damaged = QRect(QPoint(topLeft.x, topLeft.y), QPoint(bottomRight.x, bottomRight.y))
                              .normalized()
                              .adjusted(-reach, -reach, reach, reach)
                              .intersected(viewport()->rect());
    if (damaged.isEmpty())
        return;
    m_damage += damaged;
    viewport()->update(damaged);
}

void CQuorrelView::OnModelUpdate(CODModel*, int)
{
    // Every hint the model sends changes what the whole window shows.
    UpdateScrollBars();
    Update();
    CommandStatesChanged();
}

void CQuorrelView::CommandStatesChanged() const
{
    if (m_onCommandStatesChanged)
        m_onCommandStatesChanged();
}

CPoint CQuorrelView::ClientToLogical(const CPoint& point) const
{
    return Convert(point, true);
}

CPoint CQuorrelView::LogicalToClient(const CPoint& point) const
{
    return Convert(point, false);
}

CPoint CQuorrelView::Convert(const CPoint& point, bool bToLogical) const
{
    CDC dc;
    PrepareDC(dc);
    POINT converted = point;
    if (bToLogical)
        dc.DPtoLP(&converted, 1);
    else
        dc.LPtoDP(&converted, 1);
    return CPoint(converted.x, converted.y);
}

void CQuorrelView::PrepareDC(CDC& dc) const
{
    m_viewport.OnPrepareDC(&dc);
}

bool CQuorrelView::ZoomAbout(int nPercent, const CPoint& clientPoint)
{
    const CPoint fixed = ClientToLogical(clientPoint);
    if (!m_viewport.SetMagnification(nPercent, nPercent))
        return false;
    const CPoint moved = ClientToLogical(clientPoint);
    const CPoint scroll = m_viewport.GetScrollPosition();
    ScrollTo(CPoint(scroll.x + fixed.x - moved.x, scroll.y + fixed.y - moved.y));
    return true;
}

bool CQuorrelView::ZoomToFit(const std::vector<CODComponent*>& components)
{
    if (!m_viewport.ZoomToFit(components, GetClientSize()))
        return false;
    UpdateScrollBars();
    Update();
    return true;
}

bool CQuorrelView::SetZoom(int nPercent)
{
    const CSize client = GetClientSize();
    return ZoomAbout(nPercent, CPoint(client.cx / 2, client.cy / 2));
}

void CQuorrelView::ScrollTo(const CPoint& logical)
{
    m_viewport.SetScrollPosition(logical);
    UpdateScrollBars();
    Update();
}

CSize CQuorrelView::GetClientSize() const
{
    return CSize(viewport()->width(), viewport()->height());
}

void CQuorrelView::ShowRulers(bool bShow)
{
    m_viewport.m_bRulersVisible = bShow;
    LayOutRulers();
    UpdateScrollBars();
    Update();
}

void CQuorrelView::LayOutRulers()
{
    const bool shown = AreRulersShown();
    const int thickness = shown ? kRulerThickness : 0;
    setViewportMargins(thickness, thickness, 0, 0);
    const QRect area = contentsRect();
    m_pHorizontalRuler->setGeometry(area.left(), area.top(), area.width(), kRulerThickness);
    m_pVerticalRuler->setGeometry(area.left(), area.top() + kRulerThickness, kRulerThickness,
                                  area.height() - kRulerThickness);
    m_pHorizontalRuler->setVisible(shown);
    m_pVerticalRuler->setVisible(shown);
}

void CQuorrelView::DrawRuler(QPainter& painter, bool bHorizontal, const QSize& size) const
{
    painter.fillRect(QRect(QPoint(0, 0), size), QColor(kRulerBackground));
    const int corner = bHorizontal ? kRulerThickness : 0;
    const CPoint scroll = m_viewport.GetScrollPosition();
    CDC probe;
    PrepareDC(probe);
    const SIZE windowExt = probe.GetWindowExt();
    const SIZE viewportExt = probe.GetViewportExt();
    {
        CPaintDeviceDC dc(&painter, false);
        dc.SetMapMode(MM_ANISOTROPIC);
        // Along its axis the ruler maps as the chart does; across it, in pixels.
        dc.SetWindowExt(bHorizontal ? windowExt.cx : viewportExt.cx, bHorizontal ? viewportExt.cy : windowExt.cy);
        dc.SetViewportExt(viewportExt.cx, viewportExt.cy);
        dc.SetWindowOrg(bHorizontal ? scroll.x : 0, bHorizontal ? 0 : scroll.y);
        dc.SetViewportOrg(corner, 0);
        POINT far{size.width() - corner, size.height()};
        dc.DPtoLP(&far, 1);
        CODRulerComponent ruler;
        const CRect band = bHorizontal ? CRect(scroll.x, 0, far.x, kRulerThickness)
                                       : CRect(0, scroll.y, kRulerThickness, far.y);
        if (ruler.Create(band)) {
            const double zoom = static_cast<double>(windowExt.cx) / viewportExt.cx;
            // Numbers of a fixed pixel height, whatever the zoom along the vertical ruler.
            LOGFONT numbers;
            const double heightZoom = bHorizontal ? 1.0 : static_cast<double>(windowExt.cy) / viewportExt.cy;
            numbers.lfHeight = -RoundHalfAwayFromZero(kRulerFontPixels * heightZoom);
            dc.SelectObject(CFont::CreateFontIndirect(numbers));
            ruler.AddProperty(CODIntProperty(OD_PROP_RULER_ORIGIN, bHorizontal ? scroll.x : scroll.y));
            ruler.AddProperty(CODIntProperty(OD_PROP_RULER_SPACING, RulerSpacing(zoom)));
            ruler.Draw(&dc);
        }
    }
    if (bHorizontal)
        painter.fillRect(0, 0, kRulerThickness, kRulerThickness, QColor(kRulerCorner));
    if (const CPoint* tracked = GetTrackedPoint()) {
        // The tracking line inverts what it crosses, as an XOR line does.
        const CPoint client = LogicalToClient(*tracked);
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(Qt::white);
        if (bHorizontal)
            painter.drawLine(corner + client.x, 0, corner + client.x, size.height());
        else
            painter.drawLine(0, client.y, size.width(), client.y);
    }
}

void CQuorrelView::UpdateScrollBars()
{
    const CODModel& model = m_document.GetModel();
    const CPoint origin = model.GetOrigin();
    const CSize canvas = model.GetSize();
    const CPoint scroll = m_viewport.GetScrollPosition();
    const CPoint far = LogicalToClient(CPoint(origin.x + canvas.cx, origin.y + canvas.cy));
    const CPoint start = LogicalToClient(origin);
    const CSize client = GetClientSize();
    m_bSyncing = true;
    // Bar values are the pixels from the canvas origin to the client's top-left.
    const auto set = [](QScrollBar* bar, int nValue, int nCanvasPixels, int nClient) {
        const int minimum = std::min(-kCanvasMargin, nValue);
        const int maximum = std::max({minimum, nCanvasPixels + kCanvasMargin - nClient, nValue});
        bar->setRange(minimum, maximum);
        bar->setPageStep(std::max(nClient, 1));
        bar->setValue(nValue);
    };
    set(horizontalScrollBar(), -start.x, far.x - start.x, client.cx);
    set(verticalScrollBar(), -start.y, far.y - start.y, client.cy);
    m_bSyncing = false;
    m_viewport.SetScrollPosition(scroll);
}

void CQuorrelView::scrollContentsBy(int, int)
{
    if (m_bSyncing)
        return;
    const CPoint origin = m_document.GetModel().GetOrigin();
    // The logical point at the bar's pixel distance from the canvas origin.
    m_viewport.SetScrollPosition(origin);
    const CPoint scroll
        = ClientToLogical(CPoint(horizontalScrollBar()->value(), verticalScrollBar()->value()));
    m_viewport.SetScrollPosition(scroll);
    Update();
}

void CQuorrelView::DrawDamage()
{
    if (m_damage.isEmpty())
        return;
    QPainter painter(&m_buffer);
    for (const QRect& rect : m_damage) {
        CPaintDeviceDC dc(&painter, false);
        PrepareDC(dc);
        m_viewport.Draw(&dc, DeviceToLogical(*this, rect));
    }
    m_damage = QRegion();
}

void CQuorrelView::paintEvent(QPaintEvent* event)
{
    if (m_buffer.size() != viewport()->size()) {
        m_buffer = QImage(viewport()->size(), QImage::Format_RGB32);
        m_damage = QRegion(viewport()->rect());
    }
    DrawDamage();
    QPainter painter(viewport());
    painter.drawImage(event->rect(), m_buffer, event->rect());
    // A drag's outlines go over the chart, never into the buffer.
    if (m_pController->GetState() != CODDrawingController::Idle) {
        CPaintDeviceDC dc(&painter, false);
        PrepareDC(dc);
        m_pController->DrawTracking(&dc);
    }
}

void CQuorrelView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    m_pController->SetClientSize(CSize(viewport()->width(), viewport()->height()));
    LayOutRulers();
    UpdateScrollBars();
    Update();
}

void CQuorrelView::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    if (delta == 0) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    const double notches = static_cast<double>(delta) / kWheelNotch;
    if ((event->modifiers() & Qt::ControlModifier) != 0) {
        const int current = m_viewport.GetMagnification().cx;
        const int wanted = RoundHalfAwayFromZero(current * std::pow(kWheelZoomFactor, notches));
        const int percent = std::clamp(wanted, m_viewport.GetMinMagnification(), m_viewport.GetMaxMagnification());
        const QPointF at = event->position();
        ZoomAbout(percent, CPoint(static_cast<int>(at.x()), static_cast<int>(at.y())));
    } else {
        QScrollBar* bar = (event->modifiers() & Qt::ShiftModifier) != 0 ? horizontalScrollBar() : verticalScrollBar();
        bar->setValue(bar->value() - RoundHalfAwayFromZero(notches * kWheelScrollPixels));
    }
    event->accept();
}

void CQuorrelView::mousePressEvent(QMouseEvent* event)
{
    const CPoint point(static_cast<int>(event->position().x()), static_cast<int>(event->position().y()));
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(event->modifiers(), point);
    else if (event->button() == Qt::RightButton)
        OnRButtonDown(event->modifiers(), point);
}

void CQuorrelView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        OnLButtonUp(event->modifiers(),
                    CPoint(static_cast<int>(event->position().x()), static_cast<int>(event->position().y())));
}

void CQuorrelView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        OnLButtonDblClk(event->modifiers(),
                        CPoint(static_cast<int>(event->position().x()), static_cast<int>(event->position().y())));
}

void CQuorrelView::mouseMoveEvent(QMouseEvent* event)
{
    OnMouseMove(event->buttons(), event->modifiers(),
                CPoint(static_cast<int>(event->position().x()), static_cast<int>(event->position().y())));
}

void CQuorrelView::keyPressEvent(QKeyEvent* event)
{
    if (!OnKeyDown(event->key(), event->modifiers()))
        QAbstractScrollArea::keyPressEvent(event);
}

void CQuorrelView::leaveEvent(QEvent* event)
{
    m_bTracking = false;
    if (AreRulersShown()) {
        m_pHorizontalRuler->update();
        m_pVerticalRuler->update();
    }
    QAbstractScrollArea::leaveEvent(event);
}

void CQuorrelView::OnLButtonDown(Qt::KeyboardModifiers modifiers, const CPoint& point)
{
    setFocus(Qt::MouseFocusReason);
    m_pController->OnLButtonDown(KeyFlags(modifiers) | MK_LBUTTON, point);
}

void CQuorrelView::OnLButtonUp(Qt::KeyboardModifiers modifiers, const CPoint& point)
{
    m_pController->OnLButtonUp(KeyFlags(modifiers), point);
    // A click changes the selection, which the editing commands depend on.
    CommandStatesChanged();
}

void CQuorrelView::OnLButtonDblClk(Qt::KeyboardModifiers modifiers, const CPoint& point)
{
    m_pController->OnLButtonDblClk(KeyFlags(modifiers) | MK_LBUTTON, point);
}

void CQuorrelView::OnRButtonDown(Qt::KeyboardModifiers, const CPoint& point)
{
    if (const std::unique_ptr<QMenu> menu = MakeContextMenu(point))
        menu->exec(viewport()->mapToGlobal(QPoint(point.x, point.y)));
}

void CQuorrelView::OnMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, const CPoint& point)
{
    m_ptTracked = ClientToLogical(point);
    m_bTracking = true;
    if (AreRulersShown()) {
        m_pHorizontalRuler->update();
        m_pVerticalRuler->update();
    }
    m_pController->OnMouseMove(KeyFlags(modifiers) | ((buttons & Qt::LeftButton) != 0 ? MK_LBUTTON : 0U), point);
}

bool CQuorrelView::OnKeyDown(int nKey, Qt::KeyboardModifiers modifiers)
{
    const unsigned key = VirtualKey(nKey);
    return key != 0 && m_pController->OnKeyDown(key, KeyFlags(modifiers));
}

void CQuorrelView::ApplyPageSettings(QPrinter& printer) const
{
    const CODPageSettings& settings = m_document.GetModel().GetPageSettings();
    const bool inches = settings.GetUnits() == CODPageSettings::kThousandthsOfInches;
    const double perUnit = inches ? kThousandthsPerInch : kHundredthsPerMillimetre;
    const SIZE paper = settings.GetPaperSize();
    const QSizeF portrait(std::min(paper.cx, paper.cy) / perUnit, std::max(paper.cx, paper.cy) / perUnit);
    if (portrait.isEmpty())
        return;
    const QPageSize size(portrait, inches ? QPageSize::Inch : QPageSize::Millimeter, QString(),
                         QPageSize::ExactMatch);
    printer.setPageLayout(QPageLayout(size, paper.cx > paper.cy ? QPageLayout::Landscape : QPageLayout::Portrait,
                                      QMarginsF(), inches ? QPageLayout::Inch : QPageLayout::Millimeter));
    // The page is placed on the whole sheet: the margins are the drawing's own.
    printer.setFullPage(true);
}

void CQuorrelView::TakePageSettings(const QPrinter& printer)
{
    CODPageSettings& settings = m_document.GetModel().GetPageSettings();
    const bool inches = settings.GetUnits() == CODPageSettings::kThousandthsOfInches;
    const double perUnit = inches ? kThousandthsPerInch : kHundredthsPerMillimetre;
    const QPageLayout::Unit unit = inches ? QPageLayout::Inch : QPageLayout::Millimeter;
    const QPageLayout layout = printer.pageLayout();
    settings.SetOrientation(layout.orientation() == QPageLayout::Landscape ? CODPageSettings::kLandscape
                                                                           : CODPageSettings::kPortrait);
    const QRectF sheet = layout.fullRect(unit);
    settings.SetPaperSize(SIZE{RoundHalfAwayFromZero(sheet.width() * perUnit),
                               RoundHalfAwayFromZero(sheet.height() * perUnit)});
    const QMarginsF margins = layout.margins(unit);
    settings.SetMargins(RECT{RoundHalfAwayFromZero(margins.left() * perUnit),
                             RoundHalfAwayFromZero(margins.top() * perUnit),
                             RoundHalfAwayFromZero(margins.right() * perUnit),
                             RoundHalfAwayFromZero(margins.bottom() * perUnit)});
    m_document.SetModifiedFlag();
    Update();
}

bool CQuorrelView::PrintPages(QPrinter& printer)
{
    const int last = m_viewport.GetLastPageToPrint();
    if (last == 0)
        return false;
    ApplyPageSettings(printer);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    bool printed = true;
    for (int page = 1; printed && page <= last; ++page) {
        if (page > 1)
            printed = printer.newPage();
        if (printed) {
            CPaintDeviceDC dc(&painter, true);
            m_viewport.DrawPrintedPage(dc, page, printer.resolution());
        }
    }
    return painter.end() && printed;
}

void CQuorrelView::OnFilePrint()
{
    QPrinter printer(QPrinter::HighResolution);
    ApplyPageSettings(printer);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted && !PrintPages(printer))
        MessageBox::Show("There is nothing to print.");
}

void CQuorrelView::OnFilePrintPreview()
{
    QPrinter printer(QPrinter::HighResolution);
    ApplyPageSettings(printer);
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) { PrintPages(*target); });
    preview.exec();
}

void CQuorrelView::OnFilePageSetup()
{
    QPrinter printer(QPrinter::HighResolution);
    ApplyPageSettings(printer);
    // The dialog edits margins; the printer's own stay outside them.
    const CODPageSettings& settings = m_document.GetModel().GetPageSettings();
    const bool inches = settings.GetUnits() == CODPageSettings::kThousandthsOfInches;
    const double perUnit = inches ? kThousandthsPerInch : kHundredthsPerMillimetre;
    const RECT margins = settings.GetMargins();
    printer.setFullPage(false);
    printer.setPageMargins(QMarginsF(margins.left / perUnit, margins.top / perUnit, margins.right / perUnit,
                                     margins.bottom / perUnit),
                           inches ? QPageLayout::Inch : QPageLayout::Millimeter);
    QPageSetupDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        TakePageSettings(printer);
}
