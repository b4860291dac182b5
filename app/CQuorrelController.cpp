#include "app/CQuorrelController.h"

#include "app/CComponentPropertiesDlg.h"
#include "app/CDiagramMeasurementsDlg.h"
#include "app/CExportImageDlg.h"
#include "app/CGridPropertiesDlg.h"
#include "app/CInformationDlg.h"
#include "app/CMainFrame.h"
#include "app/CPropertyValues.h"
#include "app/CResizeDrawingDialog.h"
#include "app/CZoomDlg.h"
#include "app/CQuorrelApp.h"
#include "app/CQuorrelView.h"
#include "chartparts/CBoxLayoutCommand.h"
#include "chartparts/CCurveText.h"
#include "chartparts/CIndiBox.h"
#include "chartparts/ChartOutput.h"
#include "chartparts/Connectors.h"
#include "charts/AncestorChart.h"
#include "charts/ChartDecorations.h"
#include "charts/DescendantChart.h"
#include "charts/FanChart.h"
#include "charts/HourglassChart.h"
#include "platform/CDC.h"
#include "platform/CommandFile.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/QuitMessage.h"
#include "platform/ResourceStrings.h"
#include "platform/StatusBarProgress.h"
#include "platform/TextCodec.h"
#include "platform/WaitCursor.h"
#include "engine/CODAddLabelCommand.h"
#include "engine/CODBoolProperty.h"
#include "engine/CODImageComponent.h"
#include "engine/CODInsertCommand.h"
#include "engine/CODLabelComponent.h"
#include "engine/CODLinkComponent.h"
#include "engine/CODOrientationProperties.h"
#include "engine/CODPortComponent.h"
#include "engine/CODSymbolComponent.h"
#include "engine/ODHelpers.h"
#include "engine/PropertyIds.h"
#include "images/PictureReaders.h"
#include "platform/CBrush.h"
#include "platform/CPen.h"

#include <QMdiArea>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {

constexpr const char* kExportFilter = "JPeg Images (*.jpg)|*.jpg|Bitmaps (*.bmp)|*.bmp|PNG Images (*.png)|*.png|"
                                      "PDF Documents (*.pdf)|*.pdf|SVG Drawings (*.svg)|*.svg|All Files (*.*)|*.*||";
// What Export writes: the picture types, never the chart file.
constexpr const char* kExportTypes[] = {"JPG", "BMP", "PNG", "PDF", "SVG"};

using InsertionKind = CQuorrelController::InsertionKind;

constexpr struct {
    int id;
    LinkToolKind kind;
} kLinkTools[] = {
    {CQuorrelController::ID_LINK, LinkToolKind::Link},
    {CQuorrelController::ID_LINK_ORTHOGONAL, LinkToolKind::Orthogonal},
    {CQuorrelController::ID_ARROW_LINK, LinkToolKind::Arrow},
    {CQuorrelController::ID_ARROW_LINK_ORTHOGONAL, LinkToolKind::OrthogonalArrow},
    {CQuorrelController::ID_TWO_ARROW_LINK, LinkToolKind::TwoWayArrow},
    {CQuorrelController::ID_TWO_ARROW_LINK_ORTHOGONAL, LinkToolKind::OrthogonalTwoWayArrow},
};

constexpr struct {
    int id;
    InsertionKind kind;
} kInsertions[] = {
    {CQuorrelController::ID_INSERT_PORT, InsertionKind::Port},
    {CQuorrelController::ID_INSERT_BOX, InsertionKind::PlainBox},
    {CQuorrelController::ID_INSERT_SHADOW_BOX, InsertionKind::ShadowBox},
};

LinkToolKind LinkToolOf(int nId)
{
    for (const auto& tool : kLinkTools)
        if (tool.id == nId)
            return tool.kind;
    return LinkToolKind::None;
}

InsertionKind InsertionOf(int nId)
{
    for (const auto& insertion : kInsertions)
        if (insertion.id == nId)
            return insertion.kind;
    return InsertionKind::None;
}

// Holds the wait cursor for one command.
class WaitCursorScope {
public:
    WaitCursorScope() { WaitCursor::Begin(); }
    ~WaitCursorScope() { WaitCursor::End(); }
    WaitCursorScope(const WaitCursorScope&) = delete;
    WaitCursorScope& operator=(const WaitCursorScope&) = delete;
};

}  // namespace

CQuorrelController::CQuorrelController(CQuorrelView* pView)
    : CODDrawingController(pView != nullptr ? &pView->GetViewport() : nullptr)
    , m_pView(pView)
{
}

bool CQuorrelController::OnCommand(int nId)
{
    if (OnToolCommand(nId))
        return true;
    switch (nId) {
    case ID_OD_PROPERTIES:
        OnProperties(GetPropertiesCollection());
        return true;
    case ID_DETAIL_PROPERTIES:
    case ID_CONTEXT_DETAIL_PROPERTIES:
        OnProperties(GetDetailCollection());
        return true;
    case ID_DEFAULT_PROPERTIES:
        OnDefaultProperties();
        return true;
    case ID_GRID_PROPERTIES:
        OnGridProperties();
        return true;
    case ID_DIAGRAM_MEASUREMENTS:
        OnDiagramMeasurements();
        return true;
    case ID_ZOOM_CUSTOM:
        OnZoomCustom();
        return true;
    default:
        return CODDrawingController::OnCommand(nId == ID_SELECT_ALL ? ID_EDIT_SELECT_ALL : nId);
    }
}

bool CQuorrelController::Execute(std::unique_ptr<CODCommand> pCommand)
{
    return CODDrawingController::Execute(CBoxLayoutCommand::Around(std::move(pCommand)));
}

bool CQuorrelController::Zoom(int nPercent)
{
    if (m_pView == nullptr)
        return CODDrawingController::Zoom(nPercent);
    return m_pView->SetZoom(nPercent);
}

bool CQuorrelController::IsCommandEnabled(int nId) const
{
    switch (nId) {
    case ID_SELECT_ALL:
        return CODDrawingController::IsCommandEnabled(ID_EDIT_SELECT_ALL);
    case ID_DETAIL_PROPERTIES:
    case ID_CONTEXT_DETAIL_PROPERTIES:
        return CODDrawingController::IsCommandEnabled(ID_OD_PROPERTIES);
    default:
        return CODDrawingController::IsCommandEnabled(nId);
    }
}

bool CQuorrelController::IsCommandChecked(int nId) const
{
    if (const LinkToolKind kind = LinkToolOf(nId); kind != LinkToolKind::None)
        return kind == m_linkToolKind && (GetState() == LinkArmed || GetState() == LinkDrawing);
    if (const InsertionKind kind = InsertionOf(nId); kind != InsertionKind::None)
        return kind == m_insertionKind && GetState() == PlacingComponent;
    if (nId == ID_CONNECTION_LINE)
        return IsConnectionLineState();
    if (nId == ID_CURVE_TEXT)
        return IsCurveTextState();
    return CODDrawingController::IsCommandChecked(nId);
}

CQuorrelController::~CQuorrelController() = default;

// The chart window's tools

bool CQuorrelController::OnToolCommand(int nId)
{
    if (!GetModel())
        return false;
    if (const LinkToolKind kind = LinkToolOf(nId); kind != LinkToolKind::None) {
        BeginLinkTool(kind);
        return true;
    }
    if (const InsertionKind kind = InsertionOf(nId); kind != InsertionKind::None) {
        BeginInsertion(kind);
        return true;
    }
    switch (nId) {
    case ID_CONNECTION_LINE:
        ArmTool(ConnectionLineArmed, kConnectionLineCursor);
        return true;
    case ID_CURVE_TEXT:
        ArmTool(CurveTextArmed, kCurveTextCursor);
        return true;
    case ID_INSERT_IMAGE:
        OnInsertImage();
        return true;
    default:
        return false;
    }
}

void CQuorrelController::BeginLinkTool(LinkToolKind kind)
{
    BeginLink(MakeLinkPrototype(kind));
    m_linkToolKind = kind;
}

void CQuorrelController::BeginInsertion(InsertionKind kind)
{
    std::unique_ptr<CODComponent> component;
    if (kind == InsertionKind::Port)
        component = MakePortSymbol();
    else
        component = MakeInsertedBox(kind == InsertionKind::ShadowBox, GetViewport());
    BeginInsert(std::move(component));
    m_insertionKind = kind;
}

void CQuorrelController::OnComponentPlaced(CODComponent* pComponent)
{
    if (auto* symbol = dynamic_cast<CODSymbolComponent*>(pComponent)) {
        const CRect bounds = symbol->GetBounds();
        for (int i = 0; i < symbol->GetLabelCount(); ++i) {
            CODLabelComponent* label = symbol->GetLabel(i);
            const auto* found = dynamic_cast<const CODOrientationProperties*>(label->GetProperty(OD_PROP_ORIENTATION));
            const CODOrientationProperties offsets = found ? *found : CODOrientationProperties();
            const CRect before = label->GetBounds();
            label->MoveTo(bounds.left + offsets.GetOffsetX(), bounds.top - offsets.GetOffsetY());
            Repaint(Enclosing(before, label->GetBounds()));
        }
    }
    m_insertionKind = InsertionKind::None;
}

void CQuorrelController::OnInsertImage()
{
    const std::optional<std::string> path = FileDialog::GetOpenFileName(m_pView,
        ResourceStrings::Load(IDS_IMAGE_FILE_FILTER), ResourceStrings::Load(IDS_IMAGE_FILE_EXTENSION));
    if (path)
        InsertImageFile(*path);
}

bool CQuorrelController::InsertImageFile(const std::string& strPath)
{
    if (!GetModel())
        return false;
    const std::unique_ptr<SECImage> image = LoadPicture(strPath);
    if (!image) {
        MessageBox::Show("Could not Load Image");
        return false;
    }
    CDC dc;
    const HPALETTE palette = image->GetPalette();
    const HPALETTE previous = palette ? dc.SelectPalette(palette, false) : HPALETTE();
    const HBITMAP bitmap = image->MakeBitmap(&dc);
    auto component = std::make_unique<CODImageComponent>();
    const bool bMade = bitmap && component->Create(bitmap, 0, 0, &dc);
    if (palette)
        dc.SelectPalette(previous, false);
    if (!bMade) {
        MessageBox::Show("Could not Convert Image");
        return false;
    }
    BeginPlaceImage(std::move(component));
    SetCursorResource(kImageCursor);
    return true;
}

void CQuorrelController::ArmTool(int nState, int nCursor)
{
    SetTool(Tool::Select);
    SetState(nState);
    SetCursorResource(nCursor);
}

bool CQuorrelController::IsCurveTextState() const
{
    return GetState() >= CurveTextArmed && GetState() <= CurveTextDragging;
}

bool CQuorrelController::IsConnectionLineState() const
{
    return GetState() >= ConnectionLineArmed && GetState() <= ConnectionLineDragging;
}

void CQuorrelController::OnLButtonDown(unsigned nFlags, const CPoint& ptDevice)
{
    if (GetState() == CurveTextArmed || GetState() == ConnectionLineArmed) {
        m_ptToolPressDevice = ptDevice;
        m_ptToolPress = DeviceToLogical(ptDevice);
        m_ptToolCurrent = m_ptToolPress;
        // Armed to pressed: the next state of either tool.
        SetState(GetState() + 1);
        return;
    }
    if (!IsCurveTextState() && !IsConnectionLineState())
        CODDrawingController::OnLButtonDown(nFlags, ptDevice);
}

void CQuorrelController::OnMouseMove(unsigned nFlags, const CPoint& ptDevice)
{
    switch (GetState()) {
    case CurveTextArmed:
    case ConnectionLineArmed:
        return;
    case CurveTextPressed:
        // A hand that shakes a little still clicks.
        if (std::abs(ptDevice.x - m_ptToolPressDevice.x) <= kClickSlop
            && std::abs(ptDevice.y - m_ptToolPressDevice.y) <= kClickSlop)
            return;
        m_ptToolPress = Snapped(m_ptToolPress);
        SetState(CurveTextDragging);
        DragTo(ptDevice);
        return;
    case ConnectionLinePressed:
        m_ptToolPress = Snapped(m_ptToolPress);
        SetState(ConnectionLineDragging);
        DragTo(ptDevice);
        return;
    case CurveTextDragging:
    case ConnectionLineDragging:
        DragTo(ptDevice);
        return;
    default:
        CODDrawingController::OnMouseMove(nFlags, ptDevice);
    }
}

void CQuorrelController::OnLButtonUp(unsigned nFlags, const CPoint& ptDevice)
{
    switch (GetState()) {
    case CurveTextArmed:
    case ConnectionLineArmed:
        return;
    case CurveTextPressed:
        SetState(CurveTextArmed);
        return;
    case ConnectionLinePressed:
        SetState(ConnectionLineArmed);
        return;
    case CurveTextDragging:
        DragTo(ptDevice);
        FinishCurveText();
        return;
    case ConnectionLineDragging:
        DragTo(ptDevice);
        FinishConnectionLine();
        return;
    default:
        CODDrawingController::OnLButtonUp(nFlags, ptDevice);
    }
}

void CQuorrelController::OnLButtonDblClk(unsigned nFlags, const CPoint& ptDevice)
{
    // The press and release before it did the tool's work.
    if (!IsCurveTextState() && !IsConnectionLineState())
        CODDrawingController::OnLButtonDblClk(nFlags, ptDevice);
}

void CQuorrelController::DragTo(const CPoint& ptDevice)
{
    const std::vector<CRect> before = GetTrackingRects();
    m_ptToolCurrent = Snapped(DeviceToLogical(ptDevice));
    for (const CRect& rect : before)
        Repaint(rect);
    for (const CRect& rect : GetTrackingRects())
        Repaint(rect);
}

std::vector<CRect> CQuorrelController::GetTrackingRects() const
{
    if (GetState() == CurveTextDragging || GetState() == ConnectionLineDragging)
        return {Normalized(m_ptToolPress, m_ptToolCurrent)};
    return CODDrawingController::GetTrackingRects();
}

void CQuorrelController::DrawTracking(CDC* pDC) const
{
    if (pDC == nullptr)
        return;
    if (GetState() == ConnectionLineDragging) {
        DrawRubberBandLine(pDC, m_ptToolPress, m_ptToolCurrent);
        return;
    }
    if (GetState() != CurveTextDragging) {
        CODDrawingController::DrawTracking(pDC);
        return;
    }
    const CRect ellipse = Normalized(m_ptToolPress, m_ptToolCurrent);
    const int saved = pDC->SaveDC();
    ClipToClientArea(pDC);
    pDC->SetROP2(R2_NOTXORPEN);
    pDC->SelectObject(CPen::CreatePen(PS_SOLID, 0, 0));
    pDC->SelectObject(CBrush::GetStockBrush(NULL_BRUSH));
    pDC->Ellipse(ellipse.left, ellipse.top, ellipse.right, ellipse.bottom);
    pDC->RestoreDC(saved);
}

CODComponent* CQuorrelController::FinishTool(std::unique_ptr<CODComponent> pComponent)
{
    SetState(Idle);
    SetCursor(Cursor::Arrow);
    pComponent->UpdateBounds();
    CODComponent* added = pComponent.get();
    // The insert command holds it from here.
    if (!Execute(std::make_unique<CODInsertCommand>(GetModel(), std::vector<CODComponent*>{pComponent.release()})))
        return nullptr;
    SetSelection({added});
    return added;
}

void CQuorrelController::FinishCurveText()
{
    const CRect rect = Normalized(m_ptToolPress, m_ptToolCurrent);
    for (const CRect& tracked : GetTrackingRects())
        Repaint(tracked);
    // Dragged back onto a line: no ellipse to set a text on.
    if (rect.IsRectEmpty()) {
        SetState(CurveTextArmed);
        return;
    }
    CDC dc;
    if (CQuorrelViewport* viewport = GetViewport())
        viewport->OnPrepareDC(&dc);
    auto text = std::make_unique<CCurveText>();
    text->Create(rect, &dc);
    if (const CQuorrelViewport* viewport = GetViewport())
        text->ApplyProperties(viewport->GetDefaultProperties());
    FinishTool(std::move(text));
}

void CQuorrelController::FinishConnectionLine()
{
    for (const CRect& tracked : GetTrackingRects())
        Repaint(tracked);
    CODComponent* line = FinishTool(MakeConnectionLine(m_ptToolPress, m_ptToolCurrent, GetViewport()));
    if (line == nullptr)
        return;
    const CRect before = line->GetBounds();
    line->MoveTo(m_ptToolPress.x, m_ptToolPress.y);
    Repaint(Enclosing(before, line->GetBounds()));
}

bool CQuorrelController::BeginTextEditAt(const CPoint& ptLogical)
{
    CODComponent* hit = ComponentAt(ptLogical);
    if (auto* box = dynamic_cast<CIndiBox*>(hit)) {
        CODTextComponent* line = box->TextLineAt(ptLogical.x, ptLogical.y);
        return line != nullptr && BeginTextEdit(line);
    }
    if (auto* symbol = dynamic_cast<CODSymbolComponent*>(hit); symbol != nullptr && symbol->GetLabelCount() == 0)
        return AddLabelAndEdit(symbol);
    return CODDrawingController::BeginTextEditAt(ptLogical);
}

bool CQuorrelController::AddLabelAndEdit(CODSymbolComponent* pSymbol)
{
    if (!IsEditable(pSymbol) || IsTextEditing())
        return false;
    CQuorrelViewport* viewport = GetViewport();
    CDC dc;
    if (viewport != nullptr)
        viewport->OnPrepareDC(&dc);
    auto label = std::make_unique<CODLabelComponent>();
    label->Create(pSymbol->GetBounds().CenterPoint(), &dc);
    if (viewport != nullptr)
        label->ApplyProperties(viewport->GetDefaultProperties());
    label->SizeToText(CODTextComponent::kSizeGrow, &dc, true);
    // Centred on the symbol and kept there when the symbol moves.
    label->AddProperty(CODOrientationProperties(OD_PROP_ORIENTATION, kCentredLabel));
    label->AddProperty(CODBoolProperty(OD_PROP_LABEL_SWITCH, 1));
    CODLabelComponent* added = label.get();
    // The command holds it from here.
    if (!Execute(std::make_unique<CODAddLabelCommand>(GetModel(), pSymbol, label.release())))
        return false;
    SetSelection({added});
    return BeginTextEdit(added);
}

void CQuorrelController::AdjustResizeFactors(CODComponent* pResized, unsigned nFlags, float& sx, float& sy) const
{
    if (dynamic_cast<const CCurveText*>(pResized) == nullptr && (nFlags & MK_SHIFT) == 0)
        return;
    const float size = std::max(std::abs(sx), std::abs(sy));
    sx = std::copysign(size, sx);
    sy = std::copysign(size, sy);
}

void CQuorrelController::OnRunCommandFile()
{
    const std::optional<std::string> path = FileDialog::GetOpenFileName(m_pView,
        ResourceStrings::Load(IDS_COMMAND_FILE_FILTER), ResourceStrings::Load(IDS_COMMAND_FILE_EXTENSION));
    if (!path)
        return;
    CQuorrelApp& app = CQuorrelApp::Instance();
    app.m_strCommandFile = *path;
    app.RunCommandFileInNewChart();
}

void CQuorrelController::RunCommandFile(const std::string& strCommandFile)
{
    CommandFile commandFile(strCommandFile);
    // Unread, every key would be missing and the run would pass for a success.
    if (!commandFile.CanRead()) {
        MessageBox::Show("Cannot open the command file " + strCommandFile);
        return;
    }
    CInformationDlg information(m_pView != nullptr ? m_pView->window() : nullptr);
    StatusBarProgress progress(IDS_PLEASE_WAIT, true);
    progress.SetText("Starting Chart");

    const bool bHideWindows = commandFile.GetBool("CHART", "HideWindows");
    RepaintView();
    if (bHideWindows) {
        HideWindows();
    } else {
        information.ShowNormalNow();
        RepaintView();
    }

    const std::string strType = TextCodec::ToUpper(commandFile.GetString("CHART", "TYPE"));
    const std::string strOutput = commandFile.GetString("CHART", "OUTPUT");

    if (strType == "FANCHART")
        BuildFanChart(commandFile);
    else if (strType == "ANCESTOR")
        BuildAncestorChart(commandFile);
    else if (strType == "HOURGLASS")
        BuildHourglassChart(commandFile);
    else if (strType == "DESCENDANT")
        BuildDescendantChart(commandFile);
    else if (bHideWindows && !strType.empty())
        // A script's misspelt type would otherwise write an empty chart and succeed.
        MessageBox::Show("TYPE " + strType
            + " names no chart type (FANCHART, ANCESTOR, HOURGLASS or DESCENDANT): no chart is built");

    progress.SetText("Sizing Chart");
    FitCanvasToChart();
    progress.SetText("Setting the title");
    BuildTitle(commandFile);
    progress.SetText("Building Researcher Box");
    BuildResearcherBox(commandFile);
    progress.SetText("Setting Background");
    BuildBackground(commandFile);
    if (!strOutput.empty()) {
        progress.SetText("Outputting Files as Requested");
        WriteOutputFiles(commandFile);
    }

    CQuorrelApp* app = CQuorrelApp::Running();
    if (bHideWindows && app != nullptr && app->GetMainFrame() != nullptr
        && app->GetMainFrame()->GetMdiArea()->subWindowList().size() > 1) {
        // Run from the menu beside other charts: they must not be lost unasked.
        app->GetMainFrame()->CloseAfterBatchRun(m_pView);
    } else if (bHideWindows) {
        QuitMessage::Post(BatchExitStatus());
    } else {
        progress.SetText("Repainting Screen");
        RepaintView();
    }
    information.close();
}

void CQuorrelController::BuildFanChart(CommandFile& commandFile)
{
    CODModel* model = Model();
    CQuorrelViewport* viewport = GetViewport();
    if (model == nullptr || viewport == nullptr)
        return;
    // The view's context as the viewport prepares it, for this run only.
    CDC dc;
    viewport->OnPrepareDC(&dc);
    ::BuildFanChart(commandFile, *model, viewport, &dc);
}

void CQuorrelController::BuildHourglassChart(CommandFile& commandFile)
{
    if (CODModel* model = Model())
        ::BuildHourglassChart(commandFile, *model, GetViewport());
}

void CQuorrelController::BuildDescendantChart(CommandFile& commandFile)
{
    if (CODModel* model = Model())
        ::BuildDescendantChart(commandFile, *model, GetViewport());
}

void CQuorrelController::BuildAncestorChart(CommandFile& commandFile)
{
    if (CODModel* model = Model())
        ::BuildAncestorChart(commandFile, *model, GetViewport());
}

void CQuorrelController::FitCanvasToChart()
{
    if (CODModel* model = Model())
        ChartDecorations::FitCanvasToChart(*model);
}

void CQuorrelController::BuildTitle(CommandFile& commandFile)
{
    if (CODModel* model = Model())
        ChartDecorations::BuildTitle(commandFile, *model);
}

void CQuorrelController::BuildResearcherBox(CommandFile& commandFile)
{
    if (CODModel* model = Model())
        ChartDecorations::BuildResearcherBox(commandFile, *model);
}

void CQuorrelController::BuildBackground(CommandFile& commandFile)
{
    if (CODModel* model = Model())
        ChartDecorations::BuildBackground(commandFile, *model);
}

void CQuorrelController::WriteOutputFiles(CommandFile& commandFile)
{
    ChartOutput(GetViewport()).WriteOutputFiles(commandFile);
}

bool CQuorrelController::SaveAs(const std::string& strPath, const std::string& strType)
{
    return ChartOutput(GetViewport()).SaveAs(strPath, strType);
}

bool CQuorrelController::SaveBMP(const std::string& strPath)
{
    return ChartOutput(GetViewport()).SaveBMP(strPath);
}

bool CQuorrelController::SaveJPG(const std::string& strPath)
{
    return ChartOutput(GetViewport()).SaveJPG(strPath);
}

bool CQuorrelController::SaveQRD(const std::string& strPath)
{
    return ChartOutput(GetViewport()).SaveQRD(strPath);
}

void CQuorrelController::ScaleDrawing(float fFactor)
{
    CQuorrelViewport* viewport = GetViewport();
    if (!viewport || !viewport->GetModel() || viewport->GetModel()->GetChildCount() == 0)
        return;
    ChartOutput(viewport).ScaleDrawing(fFactor);
    FitCanvasToChart();
    RepaintView();
}

void CQuorrelController::OnExport()
{
    const std::optional<std::string> path
        = FileDialog::GetSaveFileName(m_pView, "Save As", "Untitled.jpg", kExportFilter, "*.jpg");
    if (path)
        ExportTo(*path);
}

bool CQuorrelController::ExportTo(const std::string& strPath)
{
    CExportImageDlg note(m_pView != nullptr ? m_pView->window() : nullptr);
    note.ShowCentredNow();
    std::string type = std::filesystem::path(strPath).extension().string();
    if (!type.empty())
        type.erase(0, 1);
    type = TextCodec::ToUpper(type);
    bool saved = false;
    for (const char* known : kExportTypes) {
        if (type != known)
            continue;
        saved = SaveAs(strPath, type);
        if (!saved)
            MessageBox::Show("Could not save file\n" + strPath);
    }
    note.showMinimized();
    return saved;
}

void CQuorrelController::OnSizeToComponents()
{
    const WaitCursorScope wait;
    FitCanvasToChart();
    RepaintView();
}

void CQuorrelController::OnZoomToFit()
{
    CODModel* model = Model();
    if (model == nullptr)
        return;
    const WaitCursorScope wait;
    m_pView->GetViewport().SetMagnification(CODDrawingViewport::kPercent, CODDrawingViewport::kPercent);
    m_pView->ZoomToFit(model->GetChildren());
}

void CQuorrelController::OnZoomToSelection()
{
    if (m_pView == nullptr)
        return;
    const WaitCursorScope wait;
    m_pView->GetViewport().SetMagnification(CODDrawingViewport::kPercent, CODDrawingViewport::kPercent);
    const std::vector<CODComponent*> selection = m_pView->GetViewport().GetSelection();
    m_pView->ZoomToFit(selection);
}

void CQuorrelController::OnRulers()
{
    if (m_pView != nullptr)
        m_pView->ShowRulers(!m_pView->AreRulersShown());
}

void CQuorrelController::OnPorts()
{
    m_bShowPorts = !m_bShowPorts;
    if (CODModel* model = Model())
        for (CODComponent* component : model->GetChildren())
            if (auto* symbol = dynamic_cast<CODSymbolComponent*>(component))
                symbol->SetPortsVisible(m_bShowPorts ? 1 : 0);
    RepaintView();
}

void CQuorrelController::OnScaleDrawingUp()
{
    const WaitCursorScope wait;
    ScaleDrawing(kScaleUpFactor);
}

void CQuorrelController::OnScaleDrawingDown()
{
    const WaitCursorScope wait;
    ScaleDrawing(kScaleDownFactor);
}

void CQuorrelController::OnResizeDrawing()
{
    CODModel* model = Model();
    if (model == nullptr)
        return;
    const CQuorrelViewport& viewport = m_pView->GetViewport();
    const double perUnit = CODDrawingViewport::LogicalUnitsPerUnit(viewport.m_nUnitOfMeasure);
    const CSize canvas = model->GetSize();
    CResizeDrawingDialog dialog(m_pView, canvas.cx / perUnit, canvas.cy / perUnit,
        CDiagramMeasurementsDlg::UnitName(viewport.m_nUnitOfMeasure));
    if (dialog.exec() != QDialog::Accepted)
        return;
    // A factor cut to nothing would fold the drawing into a point that no scale brings back.
    const float factor = dialog.GetScaleFactor();
    if (factor <= 0)
        return;
    const WaitCursorScope wait;
    ScaleDrawing(factor);
}

std::vector<CODComponent*> CQuorrelController::GetDetailCollection() const
{
    std::vector<CODComponent*> collection;
    const auto add = [&collection](CODComponent* pComponent) {
        if (pComponent != nullptr && std::find(collection.begin(), collection.end(), pComponent) == collection.end())
            collection.push_back(pComponent);
    };
    for (CODComponent* component : SelectionInModel()) {
        add(component);
        for (int i = 0; i < component->GetChildCount(); ++i)
            add(component->GetChild(i));
        if (const auto* symbol = dynamic_cast<const CODSymbolComponent*>(component))
            for (int i = 0; i < symbol->GetPortCount(); ++i)
                add(symbol->GetPort(i));
    }
    return collection;
}

void CQuorrelController::OnOpenComponent(CODComponent* pComponent)
{
    if (IsEditable(pComponent))
        OnCommand(ID_OD_PROPERTIES);
}

std::vector<CODComponent*> CQuorrelController::GetPropertiesCollection() const
{
    // A box or another symbol carries its look in its parts: its sheet is theirs.
    std::vector<CODComponent*> selection = SelectionInModel();
    if (CPropertyValues::Read(selection).IsAnyUsed())
        return selection;
    std::vector<CODComponent*> parts = GetDetailCollection();
    // A box's shadow keeps its own colour when the box is recoloured.
    std::erase_if(parts, [](const CODComponent* part) {
        return part->GetName() == CIndiBox::kVShadowName || part->GetName() == CIndiBox::kHShadowName;
    });
    return parts;
}

void CQuorrelController::OnProperties(const std::vector<CODComponent*>& components)
{
    if (components.empty())
        return;
    const CPropertyValues before = CPropertyValues::Read(components);
    CComponentPropertiesDlg dialog(m_pView, "Properties", before);
    if (dialog.exec() == QDialog::Accepted)
        ApplyProperties(components, before, dialog.GetValues());
}

bool CQuorrelController::ApplyProperties(
    const std::vector<CODComponent*>& components, const CPropertyValues& before, const CPropertyValues& after)
{
    std::unique_ptr<CODCommand> command = after.MakeCommand(GetModel(), components, before);
    return command != nullptr && Execute(std::move(command));
}

void CQuorrelController::OnDefaultProperties()
{
    CQuorrelViewport* viewport = GetViewport();
    if (viewport == nullptr)
        return;
    const CPropertyValues before = CPropertyValues::ReadDefaults(*viewport);
    CComponentPropertiesDlg dialog(m_pView, "Default Properties", before);
    if (dialog.exec() == QDialog::Accepted)
        dialog.GetValues().ApplyToDefaults(*viewport, before);
}

void CQuorrelController::OnGridProperties()
{
    CQuorrelViewport* viewport = GetViewport();
    if (viewport == nullptr)
        return;
    CGridPropertiesDlg dialog(m_pView, CGridPropertiesDlg::Values::Read(*viewport),
        CDiagramMeasurementsDlg::UnitName(viewport->m_nUnitOfMeasure));
    if (dialog.exec() != QDialog::Accepted)
        return;
    dialog.GetValues().ApplyTo(*viewport);
    RepaintView();
}

void CQuorrelController::OnDiagramMeasurements()
{
    CODModel* model = Model();
    if (model == nullptr)
        return;
    CQuorrelViewport& viewport = m_pView->GetViewport();
    CDiagramMeasurementsDlg dialog(m_pView, CDiagramMeasurementsDlg::Values::Read(*model, viewport));
    if (dialog.exec() != QDialog::Accepted)
        return;
    dialog.GetValues().ApplyTo(*model, viewport);
    RepaintView();
}

void CQuorrelController::OnZoomCustom()
{
    const CODDrawingViewport* viewport = CODDrawingController::GetViewport();
    if (viewport == nullptr)
        return;
    CZoomDlg dialog(m_pView, viewport->GetMagnification().cx, viewport->GetMinMagnification(),
        viewport->GetMaxMagnification());
    if (dialog.exec() == QDialog::Accepted)
        Zoom(dialog.GetPercent());
}

CQuorrelViewport* CQuorrelController::GetViewport() const
{
    return m_pView != nullptr ? &m_pView->GetViewport() : nullptr;
}

int CQuorrelController::BatchExitStatus()
{
    // Every message box reports an error; a script must be able to tell a failed chart.
    return MessageBox::ShownCount() == 0 ? 0 : 1;
}

CODModel* CQuorrelController::Model()
{
    return m_pView != nullptr ? &m_pView->GetDocument().GetModel() : nullptr;
}

void CQuorrelController::RepaintView()
{
    if (m_pView != nullptr)
        m_pView->Update(true);
}

void CQuorrelController::HideWindows()
{
    if (m_pView == nullptr)
        return;
    m_pView->hide();
    m_pView->window()->showMinimized();
}
