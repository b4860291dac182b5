#include "engine/CODDrawingController.h"

#include "engine/CArchive.h"
#include "engine/CArchiveException.h"
#include "engine/CODAlignCommand.h"
#include "engine/CODCirclePort.h"
#include "engine/CODClosedCurveComponent.h"
#include "engine/CODComponent.h"
#include "engine/CODDeleteCommand.h"
#include "engine/CODDrawingViewport.h"
#include "engine/CODEditProperties.h"
#include "engine/CODEllipseComponent.h"
#include "engine/CODFontProperties.h"
#include "engine/CODGroupCommand.h"
#include "engine/CODInsertCommand.h"
#include "engine/CODLineComponent.h"
#include "engine/CODLinkCommand.h"
#include "engine/CODLinkComponent.h"
#include "engine/CODMacroCommand.h"
#include "engine/CODModel.h"
#include "engine/CODMoveCommand.h"
#include "engine/CODMoveVertexCommand.h"
#include "engine/CODOrderCommand.h"
#include "engine/CODPolygonComponent.h"
#include "engine/CODPortComponent.h"
#include "engine/CODRectComponent.h"
#include "engine/CODRotateCommand.h"
#include "engine/CODScaleCommand.h"
#include "engine/CODSymbolComponent.h"
#include "engine/CODTextCommand.h"
#include "engine/CODTextComponent.h"
#include "engine/CODUngroupCommand.h"
#include "engine/ODHelpers.h"
#include "engine/ODShapes.h"
#include "engine/PropertyIds.h"
#include "platform/CBrush.h"
#include "platform/CDC.h"
#include "platform/CFont.h"
#include "platform/CPen.h"
#include "platform/Clipboard.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kAnchorCount = 8;
constexpr int kHalfTurn = 4;
constexpr int kZoomHalf = 50;
constexpr int kZoomThreeQuarters = 75;
constexpr int kZoomDouble = 200;
constexpr int kPercent = 100;
// The smallest archive item: one object tag.
constexpr std::size_t kMinObjectBytes = 2;

bool IsSelectable(const CODComponent* pComponent)
{
    const auto* edit = dynamic_cast<const CODEditProperties*>(pComponent->GetProperty(OD_PROP_EDIT));
    return pComponent->IsVisible() && (!edit || edit->IsSelectable());
}

bool IsReadOnly(const CODComponent* pComponent, bool bThroughParents)
{
    const auto* edit =
        dynamic_cast<const CODEditProperties*>(pComponent->GetProperty(OD_PROP_EDIT, bThroughParents));
    return edit && edit->IsReadOnly();
}

void TurnAboutCentre(CODComponent* pComponent, int nAngle)
{
    if (nAngle == 0)
        return;
    const CPoint centre = pComponent->GetBounds().CenterPoint();
    pComponent->Rotate(static_cast<float>(nAngle), static_cast<float>(centre.x), static_cast<float>(centre.y), 1, 1);
}

constexpr unsigned kAlignmentBits = CODTextComponent::kAlignCentre | CODTextComponent::kAlignRight
    | CODTextComponent::kAlignVCentre | CODTextComponent::kAlignBottom;

bool Contains(const CRect& outer, const CRect& inner)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right
        && inner.bottom <= outer.bottom;
}

// Every handle but the top and bottom centres moves a side, every one but
// the side centres the top or the bottom.
bool MovesX(int nHandle)
{
    return nHandle != 1 && nHandle != 5;
}

bool MovesY(int nHandle)
{
    return nHandle != 3 && nHandle != 7;
}

CODDrawingController::Cursor HandleCursor(int nHandle)
{
    switch (nHandle % kHalfTurn) {
    case 0:
        return CODDrawingController::Cursor::SizeNWSE;
    case 1:
        return CODDrawingController::Cursor::SizeNS;
    case 2:
        return CODDrawingController::Cursor::SizeNESW;
    default:
        return CODDrawingController::Cursor::SizeWE;
    }
}

}  // namespace

CODDrawingController::CODDrawingController(CODDrawingViewport* pViewport) : m_pViewport(pViewport)
{
    WatchModel();
}

CODDrawingController::~CODDrawingController()
{
    DropTextEdit();
    if (m_pWatched)
        m_pWatched->RemoveObserver(this);
}

void CODDrawingController::WatchModel()
{
    CODModel* model = GetModel();
    if (model == m_pWatched)
        return;
    if (m_pWatched)
        m_pWatched->RemoveObserver(this);
    m_pWatched = model;
    if (model)
        model->AddObserver(this);
}

void CODDrawingController::OnModelUpdate(CODModel* pModel, int nHint)
{
    if (pModel != GetModel() || nHint != kHintReset)
        return;
    // Forgotten without a look: the components are deleted.
    m_pViewport->SetSelection({});
    if (m_pEditedText && m_onCloseTextEditor)
        m_onCloseTextEditor();
    DropTextEdit();
    EndDrag(false);
    Repaint(CRect());
}

CODModel* CODDrawingController::GetModel() const
{
    return m_pViewport ? m_pViewport->GetModel() : nullptr;
}

const std::vector<CODComponent*>& CODDrawingController::GetSelection() const
{
    return m_pViewport->GetSelection();
}

void CODDrawingController::SetSelection(const std::vector<CODComponent*>& selection)
{
    WatchModel();
    // Handles are drawn around the old and the new members.
    const CRect before = BoundsUnion(GetSelection());
    const bool hadSelection = !GetSelection().empty();
    m_pViewport->SetSelection(selection);
    if (hadSelection)
        Repaint(before);
    if (!selection.empty())
        Repaint(BoundsUnion(selection));
}

void CODDrawingController::SelectAll()
{
    std::vector<CODComponent*> all;
    if (CODModel* model = GetModel())
        for (CODComponent* child : model->GetChildren())
            if (IsSelectable(child))
                all.push_back(child);
    SetSelection(all);
}

bool CODDrawingController::IsSelected(const CODComponent* pComponent) const
{
    const auto& selection = GetSelection();
    return std::find(selection.begin(), selection.end(), pComponent) != selection.end();
}

CODComponent* CODDrawingController::ComponentAt(const CPoint& ptLogical) const
{
    CODModel* model = GetModel();
    if (!model)
        return nullptr;
    const std::vector<CODComponent*> hits = model->ComponentsAt(ptLogical, LogicalTolerance());
    for (auto it = hits.rbegin(); it != hits.rend(); ++it)
        if (IsSelectable(*it))
            return *it;
    return nullptr;
}

std::vector<CODComponent*> CODDrawingController::SelectionInModel() const
{
    std::vector<CODComponent*> members;
    CODModel* model = GetModel();
    for (CODComponent* component : GetSelection())
        if (model && component->GetParent() == model)
            members.push_back(component);
    return members;
}

void CODDrawingController::PruneSelection()
{
    const std::vector<CODComponent*> members = SelectionInModel();
    if (members.size() != GetSelection().size())
        m_pViewport->SetSelection(members);
}

// Commands

bool CODDrawingController::Execute(std::unique_ptr<CODCommand> pCommand)
{
    CODModel* model = GetModel();
    if (!pCommand || !model)
        return false;
    const CRect before = pCommand->GetComponentsBounds();
    const CODCommand* command = pCommand.get();
    if (!model->GetHistory().Do(std::move(pCommand)))
        return false;
    Repaint(Enclosing(before, command->GetComponentsBounds()));
    PruneSelection();
    return true;
}

bool CODDrawingController::Undo()
{
    return Step(true);
}

bool CODDrawingController::Redo()
{
    return Step(false);
}

bool CODDrawingController::Step(bool bUndo)
{
    CODModel* model = GetModel();
    if (!model)
        return false;
    FinishTextEdit();
    CODCommandHistory& history = model->GetHistory();
    const CODCommand* next = bUndo ? history.GetUndoCommand() : history.GetRedoCommand();
    const CRect before = next ? next->GetComponentsBounds() : CRect();
    if (!(bUndo ? history.Undo() : history.Redo()))
        return false;
    PruneSelection();
    // The step went to the other ring; when it was not the one expected (an
    // undo skipped steps that could not be undone), everything is repainted.
    const CODCommand* done = bUndo ? history.GetRedoCommand() : history.GetUndoCommand();
    Repaint(done == next ? Enclosing(before, done->GetComponentsBounds()) : CRect());
    return true;
}

bool CODDrawingController::MoveComponents(const std::vector<CODComponent*>& components, int dx, int dy)
{
    if (components.empty() || (dx == 0 && dy == 0))
        return false;
    return Execute(std::make_unique<CODMoveCommand>(GetModel(), components, dx, dy));
}

bool CODDrawingController::RotateComponents(const std::vector<CODComponent*>& components, int nAngle)
{
    if (components.empty() || nAngle == 0)
        return false;
    return Execute(
        std::make_unique<CODRotateCommand>(GetModel(), components, nAngle, BoundsUnion(components).CenterPoint()));
}

bool CODDrawingController::ScaleComponents(const std::vector<CODComponent*>& components, float sx, float sy,
                                           int nAnchor)
{
    if (components.empty() || (sx == 1 && sy == 1))
        return false;
    return Execute(std::make_unique<CODScaleCommand>(GetModel(), components, sx, sy, nAnchor));
}

bool CODDrawingController::AlignComponents(const std::vector<CODComponent*>& components, int nMode)
{
    if (components.empty())
        return false;
    return Execute(std::make_unique<CODAlignCommand>(GetModel(), components, nMode));
}

bool CODDrawingController::SpaceComponents(const std::vector<CODComponent*>& components, bool bAcross)
{
    if (components.size() < 3)
        return false;
    const auto start = [bAcross](const CODComponent* c) {
        return bAcross ? c->GetBounds().left : c->GetBounds().top;
    };
    const auto length = [bAcross](const CODComponent* c) {
        return bAcross ? c->GetBounds().Width() : c->GetBounds().Height();
    };
    std::vector<CODComponent*> sorted = components;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [&start](const CODComponent* a, const CODComponent* b) { return start(a) < start(b); });
    const CODComponent* last = sorted.back();
    const std::int64_t first = start(sorted.front());
    std::int64_t lengths = 0;
    for (const CODComponent* component : sorted)
        lengths += length(component);
    const std::int64_t span = std::int64_t{start(last)} + length(last) - first;
    const std::int64_t free = span - lengths;
    const auto gaps = static_cast<std::int64_t>(sorted.size() - 1);
    auto macro = std::make_unique<CODMacroCommand>(GetModel());
    std::int64_t before = 0;
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        // Each gap is the free length shared out, the rounding left to the last.
        const std::int64_t target = first + before + free * static_cast<std::int64_t>(i) / gaps;
        before += length(sorted[i]);
        const auto offset = static_cast<int>(target - start(sorted[i]));
        if (offset != 0)
            macro->Add(std::make_unique<CODMoveCommand>(GetModel(), std::vector<CODComponent*>{sorted[i]},
                                                        bAcross ? offset : 0, bAcross ? 0 : offset));
    }
    return macro->GetCommandCount() > 0 && Execute(std::move(macro));
}

bool CODDrawingController::SizeComponents(const std::vector<CODComponent*>& components, bool bWidth, bool bHeight)
{
    if (components.empty())
        return false;
    const CRect reference = components.back()->GetBounds();
    auto macro = std::make_unique<CODMacroCommand>(GetModel());
    for (CODComponent* component : components) {
        const CRect b = component->GetBounds();
        const float sx = bWidth && b.Width() > 0 ? static_cast<float>(reference.Width()) / static_cast<float>(b.Width())
                                                 : 1.0F;
        const float sy = bHeight && b.Height() > 0
            ? static_cast<float>(reference.Height()) / static_cast<float>(b.Height())
            : 1.0F;
        if (sx != 1 || sy != 1)
            macro->Add(std::make_unique<CODScaleCommand>(GetModel(), std::vector<CODComponent*>{component}, sx, sy, 0));
    }
    return macro->GetCommandCount() > 0 && Execute(std::move(macro));
}

bool CODDrawingController::DeleteSelection()
{
    std::vector<CODComponent*> members = SelectionInModel();
    if (members.empty())
        return false;
    // A link left joined to a deleted box would point at nothing: it goes too,
    // and comes back with the box on undo.
    for (CODComponent* link : LinksTo(members))
        members.push_back(link);
    m_pViewport->SetSelection({});
    return Execute(std::make_unique<CODDeleteCommand>(GetModel(), members));
}

std::vector<CODComponent*> CODDrawingController::LinksTo(const std::vector<CODComponent*>& components) const
{
    const auto inSet = [&components](const CODComponent* component) {
        for (; component != nullptr; component = component->GetParent())
            if (std::find(components.begin(), components.end(), component) != components.end())
                return true;
        return false;
    };
    std::vector<CODComponent*> links;
    for (CODComponent* child : GetModel()->GetChildren()) {
        const auto* link = dynamic_cast<const CODLinkComponent*>(child);
        if (link == nullptr || inSet(child))
            continue;
        const auto ownerInSet = [&inSet](const CODPortComponent* port) {
            return port != nullptr && inSet(port->GetOwner());
        };
        if (ownerInSet(link->GetSourcePort()) || ownerInSet(link->GetTargetPort()))
            links.push_back(child);
    }
    return links;
}

bool CODDrawingController::OrderSelection(int nKind)
{
    const std::vector<CODComponent*> members = SelectionInModel();
    return !members.empty() && Execute(std::make_unique<CODOrderCommand>(GetModel(), members, nKind));
}

bool CODDrawingController::GroupSelection()
{
    const std::vector<CODComponent*> members = SelectionInModel();
    if (members.size() < 2)
        return false;
    auto command = std::make_unique<CODGroupCommand>(GetModel(), members);
    CODGroupCommand* group = command.get();
    if (!Execute(std::move(command)))
        return false;
    SetSelection({group->GetGroup()});
    return true;
}

bool CODDrawingController::HasGroupSelected() const
{
    const auto& selection = GetSelection();
    return std::any_of(selection.begin(), selection.end(), CODUngroupCommand::IsGroup);
}

bool CODDrawingController::UngroupSelection()
{
    std::vector<CODComponent*> groups;
    for (CODComponent* component : SelectionInModel())
        if (CODUngroupCommand::IsGroup(component))
            groups.push_back(component);
    if (groups.empty())
        return false;
    std::vector<CODComponent*> parts;
    for (const CODComponent* group : groups)
        for (int i = 0; i < group->GetChildCount(); ++i)
            parts.push_back(group->GetChild(i));
    if (!Execute(std::make_unique<CODUngroupCommand>(GetModel(), groups)))
        return false;
    SetSelection(parts);
    PruneSelection();
    return true;
}

bool CODDrawingController::Nudge(int dx, int dy)
{
    const unsigned flags = m_onGetKeyFlags ? m_onGetKeyFlags() : 0;
    const int step = (flags & MK_SHIFT) != 0 ? kShiftNudge : kNudge;
    return MoveComponents(SelectionInModel(), dx * step, dy * step);
}

bool CODDrawingController::Zoom(int nPercent)
{
    if (!m_pViewport->SetMagnification(nPercent, nPercent))
        return false;
    Repaint(CRect());
    return true;
}

// Clipboard

bool CODDrawingController::Copy()
{
    std::vector<CODComponent*> members = SelectionInModel();
    if (members.empty())
        return false;
    // In drawing order, so the pasted copies overlap as the originals did.
    const std::vector<CODComponent*>& order = GetModel()->GetChildren();
    std::sort(members.begin(), members.end(), [&order](const CODComponent* a, const CODComponent* b) {
        return std::find(order.begin(), order.end(), a) < std::find(order.begin(), order.end(), b);
    });
    // Copies: they carry no connections or labels tying them to the chart.
    std::vector<std::unique_ptr<CODComponent>> copies;
    for (const CODComponent* component : members)
        copies.push_back(component->Clone());
    CArchive ar;
    ar.WriteDWord(static_cast<std::uint32_t>(copies.size()));
    for (const auto& copy : copies)
        ar.WriteObject(copy.get());
    Clipboard::SetData(kClipboardFormat, ar.GetStored());
    return true;
}

bool CODDrawingController::Cut()
{
    return Copy() && DeleteSelection();
}

bool CODDrawingController::CanPaste() const
{
    return GetModel() && Clipboard::HasData(kClipboardFormat);
}

bool CODDrawingController::Paste()
{
    if (!CanPaste())
        return false;
    const std::vector<std::uint8_t> bytes = Clipboard::GetData(kClipboardFormat);
    std::vector<CODComponent*> pasted;
    try {
        CArchive ar(bytes.data(), bytes.size());
        const std::uint32_t count = ar.ReadCount(kMinObjectBytes);
        for (std::uint32_t i = 0; i < count; ++i) {
            CODComponent* component = ar.ReadObject<CODComponent>();
            if (!component || component->GetParent()
                || std::find(pasted.begin(), pasted.end(), component) != pasted.end())
                ar.Fail("a component that cannot be pasted");
            // Kept beyond the archive's end.
            component->AddRef();
            pasted.push_back(component);
        }
        ar.Finish();
    } catch (const CArchiveException&) {
        for (CODComponent* component : pasted)
            component->Release();
        return false;
    }
    for (CODComponent* component : pasted)
        component->UpdateBounds();
    const bool inserted = Execute(std::make_unique<CODInsertCommand>(GetModel(), pasted));
    if (inserted)
        SetSelection(pasted);
    for (CODComponent* component : pasted)
        component->Release();
    return inserted;
}

// Menu commands

bool CODDrawingController::OnCommand(int nId)
{
    if (!GetModel() || !IsCommandEnabled(nId))
        return false;
    const std::vector<CODComponent*> members = SelectionInModel();
    switch (nId) {
    case ID_EDIT_UNDO:
        return Undo();
    case ID_EDIT_REDO:
        return Redo();
    case ID_EDIT_CLEAR:
        return DeleteSelection();
    case ID_EDIT_CUT:
        return Cut();
    case ID_EDIT_COPY:
        return Copy();
    case ID_EDIT_PASTE:
        return Paste();
    case ID_EDIT_SELECT_ALL:
        SelectAll();
        return true;
    case ID_OD_BRING_TO_FRONT:
        return OrderSelection(CODOrderCommand::Front);
    case ID_OD_SEND_TO_BACK:
        return OrderSelection(CODOrderCommand::Back);
    case ID_OD_BRING_FORWARD:
        return OrderSelection(CODOrderCommand::Forward);
    case ID_OD_SEND_BACKWARD:
        return OrderSelection(CODOrderCommand::Backward);
    case ID_OD_GROUP:
        return GroupSelection();
    case ID_OD_UNGROUP:
        return UngroupSelection();
    case ID_OD_NUDGE_DOWN:
        return Nudge(0, 1);
    case ID_OD_NUDGE_LEFT:
        return Nudge(-1, 0);
    case ID_OD_NUDGE_RIGHT:
        return Nudge(1, 0);
    case ID_OD_NUDGE_UP:
        return Nudge(0, -1);
    case ID_OD_ALIGN_BOTTOM:
        return AlignComponents(members, CODAlignCommand::Bottom);
    case ID_OD_ALIGN_CENTER:
        return AlignComponents(members, CODAlignCommand::Center);
    case ID_OD_ALIGN_LEFT:
        return AlignComponents(members, CODAlignCommand::Left);
    case ID_OD_ALIGN_MIDDLE:
        return AlignComponents(members, CODAlignCommand::Middle);
    case ID_OD_ALIGN_RIGHT:
        return AlignComponents(members, CODAlignCommand::Right);
    case ID_OD_ALIGN_TOP:
        return AlignComponents(members, CODAlignCommand::Top);
    case ID_OD_SPACE_ACROSS:
        return SpaceComponents(members, true);
    case ID_OD_SPACE_DOWN:
        return SpaceComponents(members, false);
    case ID_OD_SAME_WIDTH:
        return SizeComponents(members, true, false);
    case ID_OD_SAME_HEIGHT:
        return SizeComponents(members, false, true);
    case ID_OD_SAME_SIZE:
        return SizeComponents(members, true, true);
    case ID_OD_ROTATE_LEFT:
        return RotateComponents(members, -kQuarterTurn);
    case ID_OD_ROTATE_RIGHT:
        return RotateComponents(members, kQuarterTurn);
    case ID_OD_FLIP_VERTICAL:
        return ScaleComponents(members, -1, 1, CODScaleCommand::kCentre);
    case ID_OD_FLIP_HORIZONTAL:
        return ScaleComponents(members, 1, -1, CODScaleCommand::kCentre);
    default:
        break;
    }
    if (const int percent = ZoomPercent(nId))
        return Zoom(percent);
    if (const std::optional<Tool> tool = ToolOf(nId)) {
        SetTool(*tool);
        return true;
    }
    if (bool* flag = Switch(nId)) {
        *flag = !*flag;
        // Grid and page bounds show; the snaps only change what the mouse does.
        Repaint(CRect());
        return true;
    }
    // The property sheet is the window's.
    return false;
}

int CODDrawingController::ZoomPercent(int nId)
{
    switch (nId) {
    case ID_OD_ZOOM_100:
    case ID_OD_ZOOM_NORMAL:
        return kPercent;
    case ID_OD_ZOOM_200:
        return kZoomDouble;
    case ID_OD_ZOOM_50:
        return kZoomHalf;
    case ID_OD_ZOOM_75:
        return kZoomThreeQuarters;
    default:
        return 0;
    }
}

std::optional<CODDrawingController::Tool> CODDrawingController::ToolOf(int nId)
{
    switch (nId) {
    case ID_OD_SELECT:
        return Tool::Select;
    case ID_OD_LINE:
        return Tool::Line;
    case ID_OD_POLYLINE:
        return Tool::Polyline;
    case ID_OD_POLYGON:
        return Tool::Polygon;
    case ID_OD_RECTANGLE:
        return Tool::Rectangle;
    case ID_OD_POLYCURVE:
        return Tool::Polycurve;
    case ID_OD_CLOSED_CURVE:
        return Tool::ClosedCurve;
    case ID_OD_ELLIPSE:
        return Tool::Ellipse;
    case ID_OD_TEXT:
        return Tool::Text;
    default:
        return std::nullopt;
    }
}

bool* CODDrawingController::Switch(int nId) const
{
    switch (nId) {
    case ID_OD_GRID:
        return &m_pViewport->m_bGridVisible;
    case ID_OD_PAGE_BOUNDS:
        return &m_pViewport->m_bPagesVisible;
    case ID_OD_SNAP_TO_GRID:
        return &m_pViewport->m_bSnapToGrid;
    case ID_OD_ANGLE_SNAP:
        return &m_pViewport->m_bAngleSnap;
    default:
        return nullptr;
    }
}

bool CODDrawingController::IsCommandEnabled(int nId) const
{
    const CODModel* model = GetModel();
    if (!model)
        return false;
    const std::size_t selected = SelectionInModel().size();
    switch (nId) {
    case ID_EDIT_UNDO:
        // Ending an open edit gives the undo its step.
        return model->GetHistory().CanUndo() || IsTextEditing();
    case ID_EDIT_REDO:
        return model->GetHistory().CanRedo();
    case ID_EDIT_PASTE:
        return CanPaste();
    case ID_EDIT_SELECT_ALL:
        return model->GetChildCount() > 0;
    case ID_OD_GROUP:
        return selected >= 2;
    case ID_OD_UNGROUP:
        return HasGroupSelected();
    case ID_EDIT_CLEAR:
    case ID_EDIT_CUT:
    case ID_EDIT_COPY:
    case ID_OD_BRING_TO_FRONT:
    case ID_OD_SEND_TO_BACK:
    case ID_OD_BRING_FORWARD:
    case ID_OD_SEND_BACKWARD:
    case ID_OD_NUDGE_DOWN:
    case ID_OD_NUDGE_LEFT:
    case ID_OD_NUDGE_RIGHT:
    case ID_OD_NUDGE_UP:
    case ID_OD_ALIGN_BOTTOM:
    case ID_OD_ALIGN_CENTER:
    case ID_OD_ALIGN_LEFT:
    case ID_OD_ALIGN_MIDDLE:
    case ID_OD_ALIGN_RIGHT:
    case ID_OD_ALIGN_TOP:
    case ID_OD_SPACE_ACROSS:
    case ID_OD_SPACE_DOWN:
    case ID_OD_SAME_WIDTH:
    case ID_OD_SAME_HEIGHT:
    case ID_OD_SAME_SIZE:
    case ID_OD_ROTATE_LEFT:
    case ID_OD_ROTATE_RIGHT:
    case ID_OD_FLIP_VERTICAL:
    case ID_OD_FLIP_HORIZONTAL:
    case ID_OD_PROPERTIES:
        return selected >= 1;
    case ID_OD_EDIT_VERTICES:
        return EditablePoints() != nullptr;
    default:
        // Zooms, switches and the editing commands that need no selection.
        return true;
    }
}

bool CODDrawingController::IsCommandChecked(int nId) const
{
    if (const int percent = ZoomPercent(nId))
        return m_pViewport->GetMagnification() == CSize(percent, percent);
    if (const std::optional<Tool> tool = ToolOf(nId))
        // Select shows pressed only while nothing else waits for the mouse,
        // the program's own tools included.
        return m_tool == *tool && (*tool != Tool::Select || m_nState < PlacingImage);
    const bool* flag = Switch(nId);
    return flag && *flag;
}

// Mouse and keyboard

void CODDrawingController::OnLButtonDown(unsigned nFlags, const CPoint& ptDevice)
{
    WatchModel();
    if (!GetModel())
        return;
    // A press beside the editor ends the edit, keeping the text.
    FinishTextEdit();
    m_nDragFlags = nFlags;
    m_ptPressLogical = DeviceToLogical(ptDevice);
    m_ptCurrentLogical = m_ptPressLogical;
    m_ptLastDevice = ptDevice;
    if (m_nState == PlacingImage || m_nState == PlacingComponent) {
        Place();
        return;
    }
    if (m_nState == LinkArmed) {
        m_pLinkSource = PortAt(m_ptPressLogical);
        if (m_pLinkSource) {
            // The rubber band starts at the port.
            m_ptPressLogical = m_pLinkSource->GetPosition();
            m_ptCurrentLogical = m_ptPressLogical;
            m_nState = LinkDrawing;
        }
        return;
    }
    if (m_tool != Tool::Select) {
        if (m_nState != Drawing) {
            SetSelection({});
            const POINT first = PlacePoint(ptDevice);
            m_points = {first, first};
            m_nState = Drawing;
        } else if (!IsDraggedShape()) {
            m_points.back() = PlacePoint(ptDevice);
            m_points.push_back(m_points.back());
        }
        return;
    }
    const bool extend = (nFlags & MK_SHIFT) != 0;
    // A point of a selected line or polygon moves by itself; a handle of the
    // primary selection resizes, with Shift in proportion.
    m_nVertex = VertexAt(ptDevice);
    if (m_nVertex >= 0) {
        m_nState = EditingVertex;
        return;
    }
    m_nHandle = HandleAt(ptDevice);
    if (m_nHandle >= 0) {
        m_nState = Resizing;
        return;
    }
    CODComponent* hit = ComponentAt(m_ptPressLogical);
    if (!hit) {
        if (!extend)
            SetSelection({});
        m_nState = Selecting;
        return;
    }
    std::vector<CODComponent*> selection = GetSelection();
    const auto found = std::find(selection.begin(), selection.end(), hit);
    if (extend) {
        // Shift+click toggles the component and starts no drag.
        if (found != selection.end())
            selection.erase(found);
        else
            selection.push_back(hit);
        SetSelection(selection);
        m_nState = Idle;
        return;
    }
    if (found == selection.end()) {
        SetSelection({hit});
    } else if (hit != selection.back()) {
        // Pressing a member makes it the primary selection.
        selection.erase(found);
        selection.push_back(hit);
        SetSelection(selection);
    }
    m_nState = Moving;
}

void CODDrawingController::OnMouseMove(unsigned nFlags, const CPoint& ptDevice)
{
    if (!GetModel())
        return;
    if (m_nState == Idle && m_tool != Tool::Select) {
        SetCursor(Cursor::Cross);
        return;
    }
    if (m_nState == Idle) {
        const int handle = HandleAt(ptDevice);
        if (handle >= 0)
            SetCursor(HandleCursor(handle));
        else
            SetCursor(ComponentAt(DeviceToLogical(ptDevice)) ? Cursor::Move : Cursor::Arrow);
        return;
    }
    if (m_nState == LinkArmed || m_nState == LinkDrawing)
        SetCursor(PortAt(DeviceToLogical(ptDevice)) ? Cursor::Link : Cursor::Arrow);
    if (m_nState == LinkArmed)
        return;
    TrackTo(nFlags, ptDevice);
    UpdateAutoScroll(ptDevice);
}

bool CODDrawingController::IsWaiting() const
{
    return m_nState == PlacingImage || m_nState == PlacingComponent || m_nState == LinkArmed;
}

void CODDrawingController::TrackTo(unsigned nFlags, const CPoint& ptDevice)
{
    const std::vector<CRect> before = GetTrackingRects();
    m_nDragFlags = nFlags;
    m_ptLastDevice = ptDevice;
    m_ptCurrentLogical = DeviceToLogical(ptDevice);
    if (m_nState == Drawing)
        m_points.back() = PlacePoint(ptDevice);
    for (const CRect& rect : before)
        Repaint(rect);
    for (const CRect& rect : GetTrackingRects())
        Repaint(rect);
}

void CODDrawingController::OnLButtonUp(unsigned nFlags, const CPoint& ptDevice)
{
    if (m_nState == Idle || IsWaiting())
        return;
    TrackTo(nFlags, ptDevice);
    if (m_nState == LinkDrawing)
        FinishLink();
    else if (m_nState != Drawing)
        EndDrag(true);
    else if (IsDraggedShape())
        FinishDrawing();
}

void CODDrawingController::OnLButtonDblClk(unsigned nFlags, const CPoint& ptDevice)
{
    if (m_nState == Drawing) {
        // The press before the double click placed the last point already.
        m_points.back() = PlacePoint(ptDevice);
        FinishDrawing();
        return;
    }
    // A double click selects like a click, then edits the text under it or
    // leaves the component to the window.
    const bool waiting = IsWaiting();
    OnLButtonDown(nFlags, ptDevice);
    OnLButtonUp(nFlags, ptDevice);
    if (waiting || m_tool != Tool::Select)
        return;
    const CPoint point = DeviceToLogical(ptDevice);
    if (BeginTextEditAt(point))
        return;
    CODComponent* hit = ComponentAt(point);
    if (hit && m_onOpenComponent)
        m_onOpenComponent(hit);
}

bool CODDrawingController::BeginTextEditAt(const CPoint& ptLogical)
{
    auto* text = dynamic_cast<CODTextComponent*>(ComponentAt(ptLogical));
    return text && BeginTextEdit(text);
}

void CODDrawingController::SetTool(Tool tool)
{
    FinishTextEdit();
    if (m_nState != Idle)
        EndDrag(false);
    m_tool = tool;
    SetCursor(tool == Tool::Select ? Cursor::Arrow : Cursor::Cross);
}

// Placing and linking

void CODDrawingController::BeginInsert(std::unique_ptr<CODComponent> pComponent)
{
    BeginPlacing(PlacingComponent, std::move(pComponent));
}

void CODDrawingController::BeginPlaceImage(std::unique_ptr<CODComponent> pImage)
{
    BeginPlacing(PlacingImage, std::move(pImage));
}

void CODDrawingController::BeginPlacing(int nState, std::unique_ptr<CODComponent> pComponent)
{
    SetTool(Tool::Select);
    if (!pComponent || !GetModel())
        return;
    pComponent->UpdateBounds();
    m_pPending = std::move(pComponent);
    m_nState = nState;
    SetCursor(Cursor::Cross);
}

CRect CODDrawingController::PlacedBounds() const
{
    CRect bounds = m_pPending->GetBounds();
    const CPoint at = Snapped(m_ptCurrentLogical);
    bounds.OffsetRect(at.x - bounds.left, at.y - bounds.top);
    return bounds;
}

void CODDrawingController::Place()
{
    const CPoint at = Snapped(m_ptPressLogical);
    Repaint(PlacedBounds());
    std::unique_ptr<CODComponent> component = std::move(m_pPending);
    m_nState = Idle;
    SetCursor(Cursor::Arrow);
    component->MoveTo(at.x, at.y);
    CODComponent* placed = component.get();
    // The insert command holds it from here.
    if (!Execute(std::make_unique<CODInsertCommand>(GetModel(), std::vector<CODComponent*>{component.release()})))
        return;
    SetSelection({placed});
    OnComponentPlaced(placed);
}

void CODDrawingController::OnComponentPlaced(CODComponent* /*pComponent*/) {}

void CODDrawingController::BeginLink(std::unique_ptr<CODLinkComponent> pPrototype)
{
    SetTool(Tool::Select);
    if (!pPrototype || !GetModel())
        return;
    m_pLinkPrototype = std::move(pPrototype);
    m_nState = LinkArmed;
}

CODPortComponent* CODDrawingController::PortAt(const CPoint& ptLogical) const
{
    CODModel* model = GetModel();
    if (!model)
        return nullptr;
    const int tolerance = LogicalTolerance();
    const std::vector<CODComponent*>& children = model->GetChildren();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        const auto* symbol = dynamic_cast<const CODSymbolComponent*>(*it);
        if (!symbol || dynamic_cast<const CODLinkComponent*>(symbol))
            continue;
        for (int i = 0; i < symbol->GetPortCount(); ++i)
            if (CODPortComponent* port = symbol->GetPort(i); port && port->HitTest(ptLogical, tolerance))
                return port;
        // A symbol without ports takes links at its centre.
        CODPortComponent* centre = symbol->GetCentrePort();
        if (centre && centre->AcceptsConnections() && centre->HitTest(ptLogical, tolerance))
            return centre;
    }
    return nullptr;
}

void CODDrawingController::FinishLink()
{
    CODPortComponent* source = m_pLinkSource;
    CODPortComponent* target = PortAt(m_ptCurrentLogical);
    for (const CRect& rect : GetTrackingRects())
        Repaint(rect);
    m_pLinkSource = nullptr;
    StopAutoScroll();
    m_nState = LinkArmed;
    if (!source || !target || source == target || !source->CanConnect(target) || !target->CanConnect(source))
        return;
    std::unique_ptr<CODComponent> copy = m_pLinkPrototype->Clone();
    auto* link = dynamic_cast<CODLinkComponent*>(copy.get());
    if (!link || !link->Join(source, target))
        return;
    // One link per arming, as with the drawing tools.
    m_pLinkPrototype.reset();
    m_nState = Idle;
    SetCursor(Cursor::Arrow);
    if (Execute(std::make_unique<CODLinkCommand>(GetModel(), std::vector<CODComponent*>{copy.release()})))
        SetSelection({link});
}

// In-place text editing

bool CODDrawingController::BeginTextEdit(CODTextComponent* pText)
{
    if (!pText || m_pEditedText || !IsEditable(pText))
        return false;
    if (m_nState != Idle)
        EndDrag(false);
    pText->AddRef();
    m_pEditedText = pText;
    const std::vector<POINT>& corners = pText->GetWorldPoints();
    m_nEditAngle = corners.size() >= 2 ? AngleBetween(corners[0].x, corners[0].y, corners[1].x, corners[1].y) : 0;
    const CRect before = pText->GetBounds();
    TurnAboutCentre(pText, -m_nEditAngle);
    pText->SetEditing(true);
    Repaint(Enclosing(before, pText->GetBounds()));
    if (!m_onOpenTextEditor)
        return true;
    TextEditRequest request;
    const CRect margins = pText->GetTextMargins(nullptr);
    const CRect box = pText->GetTextRect();
    POINT corner[2] = {{box.left + margins.left, box.top + margins.top},
                       {box.right - margins.right, box.bottom - margins.bottom}};
    LPtoDP(corner, 2);
    request.rcDevice = Normalized(CPoint(corner[0].x, corner[0].y), CPoint(corner[1].x, corner[1].y));
    request.strText = pText->GetText();
    request.bMultiLine = (pText->GetTextFlags() & CODTextComponent::kSingleLine) == 0;
    request.nAlignment = pText->GetTextFlags() & kAlignmentBits;
    const auto* font = dynamic_cast<const CODFontProperties*>(pText->GetProperty(OD_PROP_FONT));
    const CODFontProperties fallback;
    const CODFontProperties& used = font ? *font : fallback;
    request.logFont = used.GetFont()->GetLogFont();
    request.logFont.lfHeight = request.logFont.lfHeight * m_pViewport->GetMagnification().cy / kPercent;
    request.crText = used.GetColor();
    m_onOpenTextEditor(request);
    return true;
}

bool CODDrawingController::IsEditable(const CODComponent* pComponent) const
{
    const CODModel* model = GetModel();
    return pComponent && model && !IsReadOnly(pComponent, true) && !IsReadOnly(model, false);
}

bool CODDrawingController::EndTextEdit(bool bApply, const std::string& strText)
{
    CODTextComponent* text = m_pEditedText;
    if (!text)
        return false;
    // The command grows the box to the new text.
    if (bApply && strText != text->GetText())
        Execute(std::make_unique<CODTextCommand>(GetModel(), text, strText));
    CloseTextEdit();
    return true;
}

void CODDrawingController::FinishTextEdit()
{
    if (!m_pEditedText)
        return;
    const std::string typed = m_onCloseTextEditor ? m_onCloseTextEditor() : m_pEditedText->GetText();
    EndTextEdit(true, typed);
}

void CODDrawingController::DropTextEdit()
{
    if (!m_pEditedText)
        return;
    m_pEditedText->SetEditing(false);
    m_pEditedText->Release();
    m_pEditedText = nullptr;
}

void CODDrawingController::CloseTextEdit()
{
    CODTextComponent* text = m_pEditedText;
    m_pEditedText = nullptr;
    const CRect before = text->GetBounds();
    text->SetEditing(false);
    TurnAboutCentre(text, m_nEditAngle);
    m_nEditAngle = 0;
    Repaint(Enclosing(before, text->GetBounds()));
    text->Release();
}

bool CODDrawingController::IsDraggedShape() const
{
    return m_tool == Tool::Line || m_tool == Tool::Rectangle || m_tool == Tool::Ellipse || m_tool == Tool::Text;
}

CPoint CODDrawingController::PlacePoint(const CPoint& ptDevice) const
{
    CPoint point = Snapped(DeviceToLogical(ptDevice));
    const bool segments = m_tool == Tool::Line || m_tool == Tool::Polyline || m_tool == Tool::Polygon;
    if (segments && m_pViewport->m_bAngleSnap && m_points.size() >= 2)
        point = SnapAngle(m_points[m_points.size() - 2], point, kAngleSnapStep);
    return point;
}

std::unique_ptr<CODComponent> CODDrawingController::MakeShape() const
{
    // Points placed twice in a row (the press and the double click) count once.
    std::vector<POINT> points;
    for (const POINT& point : m_points)
        if (points.empty() || points.back().x != point.x || points.back().y != point.y)
            points.push_back(point);
    const auto count = static_cast<int>(points.size());
    const CRect box = m_points.size() >= 2 ? Normalized(m_points.front(), m_points.back()) : CRect();
    switch (m_tool) {
    case Tool::Line:
    case Tool::Polyline: {
        auto line = std::make_unique<CODLineComponent>();
        if (count >= 2 && line->Create(points))
            return line;
        break;
    }
    case Tool::Polygon: {
        auto polygon = std::make_unique<CODPolygonComponent>();
        if (count >= 3 && polygon->Create(points.data(), count))
            return polygon;
        break;
    }
    case Tool::Rectangle: {
        auto rectangle = std::make_unique<CODRectComponent>();
        if (!box.IsRectEmpty() && rectangle->Create(box))
            return rectangle;
        break;
    }
    case Tool::Ellipse: {
        auto ellipse = std::make_unique<CODEllipseComponent>();
        if (!box.IsRectEmpty() && ellipse->Create(box))
            return ellipse;
        break;
    }
    case Tool::Polycurve:
    case Tool::ClosedCurve: {
        const bool closed = m_tool == Tool::ClosedCurve;
        const std::vector<POINT> bezier = SmoothCurvePoints(points, closed);
        std::unique_ptr<CODCurveComponent> curve;
        if (closed)
            curve = std::make_unique<CODClosedCurveComponent>();
        else
            curve = std::make_unique<CODCurveComponent>();
        if (!bezier.empty() && curve->Create(bezier.data(), static_cast<int>(bezier.size())))
            return curve;
        break;
    }
    case Tool::Text: {
        // A click makes a box sized to the default text, a drag the box dragged out.
        auto text = std::make_unique<CODTextComponent>();
        if (box.IsRectEmpty() ? text->Create(m_points.front(), nullptr) : text->Create(box, nullptr))
            return text;
        break;
    }
    default:
        break;
    }
    return nullptr;
}

void CODDrawingController::FinishDrawing()
{
    std::unique_ptr<CODComponent> shape = MakeShape();
    EndDrag(false);
    m_tool = Tool::Select;
    SetCursor(Cursor::Arrow);
    if (!shape)
        return;
    shape->ApplyProperties(m_pViewport->GetDefaultProperties());
    shape->UpdateBounds();
    CODComponent* added = shape.get();
    // The insert command holds it from here.
    if (Execute(std::make_unique<CODInsertCommand>(GetModel(), std::vector<CODComponent*>{shape.release()})))
        SetSelection({added});
}

bool CODDrawingController::OnKeyDown(unsigned nChar, unsigned nFlags)
{
    const int step = (nFlags & MK_SHIFT) != 0 ? kShiftNudge : kNudge;
    switch (nChar) {
    case VK_LEFT:
        return MoveComponents(SelectionInModel(), -step, 0);
    case VK_RIGHT:
        return MoveComponents(SelectionInModel(), step, 0);
    case VK_UP:
        return MoveComponents(SelectionInModel(), 0, -step);
    case VK_DOWN:
        return MoveComponents(SelectionInModel(), 0, step);
    case VK_DELETE:
        return DeleteSelection();
    case VK_ESCAPE:
        if (m_nState == Idle)
            return false;
        EndDrag(false);
        return true;
    default:
        return false;
    }
}

void CODDrawingController::EndDrag(bool bApply)
{
    const int state = m_nState;
    const std::vector<CRect> tracking = GetTrackingRects();
    const CRect band = Normalized(m_ptPressLogical, m_ptCurrentLogical);
    const CPoint offset = MoveOffset();
    float sx = 1;
    float sy = 1;
    const bool resized = state == Resizing && ResizeFactors(sx, sy);
    m_nState = Idle;
    m_points.clear();
    // Leaving placing or linking drops what was waiting for the mouse.
    m_pPending.reset();
    m_pLinkPrototype.reset();
    m_pLinkSource = nullptr;
    StopAutoScroll();
    for (const CRect& rect : tracking)
        Repaint(rect);
    if (state >= PlacingImage)
        SetCursor(Cursor::Arrow);
    if (!bApply)
        return;
    if (state == Moving) {
        MoveComponents(SelectionInModel(), offset.x, offset.y);
    } else if (state == EditingVertex) {
        MoveVertex();
    } else if (resized) {
        ScaleComponents(SelectionInModel(), sx, sy, (m_nHandle + kHalfTurn) % kAnchorCount);
    } else if (state == Selecting && GetModel()) {
        std::vector<CODComponent*> selection = (m_nDragFlags & MK_SHIFT) != 0 ? GetSelection()
                                                                             : std::vector<CODComponent*>();
        for (CODComponent* component : GetModel()->ComponentsIn(band))
            if (IsSelectable(component) && Contains(band, component->GetBounds())
                && std::find(selection.begin(), selection.end(), component) == selection.end())
                selection.push_back(component);
        SetSelection(selection);
    }
}

CPoint CODDrawingController::MoveOffset() const
{
    const CPoint raw(m_ptCurrentLogical.x - m_ptPressLogical.x, m_ptCurrentLogical.y - m_ptPressLogical.y);
    const auto& selection = GetSelection();
    if ((raw.x == 0 && raw.y == 0) || selection.empty() || !m_pViewport->m_bSnapToGrid)
        return raw;
    // The primary selection's top-left lands on the grid.
    const CRect primary = selection.back()->GetBounds();
    const CPoint snapped = m_pViewport->SnapToGrid(CPoint(primary.left + raw.x, primary.top + raw.y));
    return CPoint(snapped.x - primary.left, snapped.y - primary.top);
}

bool CODDrawingController::ResizeFactors(float& sx, float& sy) const
{
    const auto& selection = GetSelection();
    if (m_nHandle < 0 || selection.empty())
        return false;
    const CRect bounds = selection.back()->GetBounds();
    const auto handles = CODDrawingViewport::HandlePoints(bounds);
    const POINT grip = handles[static_cast<std::size_t>(m_nHandle)];
    const POINT fixed = handles[static_cast<std::size_t>((m_nHandle + kHalfTurn) % kAnchorCount)];
    const CPoint point = Snapped(m_ptCurrentLogical);
    const auto factor = [](int to, int from, int still) {
        return from == still ? 1.0F : static_cast<float>(to - still) / static_cast<float>(from - still);
    };
    sx = MovesX(m_nHandle) ? factor(point.x, grip.x, fixed.x) : 1.0F;
    sy = MovesY(m_nHandle) ? factor(point.y, grip.y, fixed.y) : 1.0F;
    AdjustResizeFactors(selection.back(), m_nDragFlags, sx, sy);
    return sx != 0 && sy != 0 && (sx != 1 || sy != 1);
}

void CODDrawingController::AdjustResizeFactors(CODComponent* /*pResized*/, unsigned nFlags, float& sx,
                                               float& sy) const
{
    if ((nFlags & MK_SHIFT) == 0)
        return;
    // Shift keeps the proportions: the larger change decides.
    const float uniform = !MovesY(m_nHandle) || (MovesX(m_nHandle) && std::abs(sx - 1) > std::abs(sy - 1)) ? sx : sy;
    sx = uniform;
    sy = uniform;
}

std::vector<CRect> CODDrawingController::GetTrackingRects() const
{
    std::vector<CRect> rects;
    switch (m_nState) {
    case Selecting:
        rects.push_back(Normalized(m_ptPressLogical, m_ptCurrentLogical));
        break;
    case Moving: {
        const CPoint offset = MoveOffset();
        if (offset.x == 0 && offset.y == 0)
            break;
        for (const CODComponent* component : GetSelection()) {
            CRect moved = component->GetBounds();
            moved.OffsetRect(offset.x, offset.y);
            rects.push_back(moved);
        }
        break;
    }
    case Resizing: {
        float sx = 1;
        float sy = 1;
        if (!ResizeFactors(sx, sy))
            break;
        const CRect b = GetSelection().back()->GetBounds();
        const POINT fixed = CODDrawingViewport::HandlePoints(b)[static_cast<std::size_t>(
            (m_nHandle + kHalfTurn) % kAnchorCount)];
        const auto edge = [](int value, int still, float factor) {
            return static_cast<int>(static_cast<float>(still) + static_cast<float>(value - still) * factor);
        };
        rects.push_back(Normalized(CPoint(edge(b.left, fixed.x, sx), edge(b.top, fixed.y, sy)),
                                   CPoint(edge(b.right, fixed.x, sx), edge(b.bottom, fixed.y, sy))));
        break;
    }
    case EditingVertex: {
        const std::vector<POINT> path = VertexPath();
        CRect around(path.front().x, path.front().y, path.front().x, path.front().y);
        for (const POINT& point : path)
            around = Enclosing(around, CRect(point.x, point.y, point.x, point.y));
        rects.push_back(around);
        break;
    }
    case PlacingImage:
    case PlacingComponent:
        rects.push_back(PlacedBounds());
        break;
    case LinkDrawing:
        rects.push_back(Normalized(m_ptPressLogical, m_ptCurrentLogical));
        break;
    case Drawing: {
        if (m_points.empty())
            break;
        CRect around(m_points.front().x, m_points.front().y, m_points.front().x, m_points.front().y);
        for (const POINT& point : m_points)
            around = Enclosing(around, CRect(point.x, point.y, point.x, point.y));
        rects.push_back(around);
        break;
    }
    default:
        break;
    }
    return rects;
}

void CODDrawingController::DrawTracking(CDC* pDC) const
{
    const std::vector<CRect> rects = GetTrackingRects();
    if (!pDC || rects.empty())
        return;
    const int saved = pDC->SaveDC();
    pDC->SetROP2(R2_XORPEN);
    pDC->SelectObject(CPen::CreatePen(PS_SOLID, 0, kTrackingXor));
    pDC->SelectObject(CBrush::GetStockBrush(NULL_BRUSH));
    if (m_nState == EditingVertex) {
        const std::vector<POINT> path = VertexPath();
        pDC->Polyline(path.data(), static_cast<int>(path.size()));
    } else if (m_nState == Drawing && !IsDraggedShape()) {
        // The path so far, to the mouse.
        pDC->Polyline(m_points.data(), static_cast<int>(m_points.size()));
    } else if (m_nState == Drawing && m_tool == Tool::Line) {
        DrawRubberBandLine(pDC, m_points.front(), m_points.back());
    } else if (m_nState == LinkDrawing) {
        DrawRubberBandLine(pDC, m_ptPressLogical, m_ptCurrentLogical);
    } else {
        for (const CRect& rect : rects)
            pDC->Rectangle(rect.left, rect.top, rect.right, rect.bottom);
    }
    pDC->RestoreDC(saved);
}

CODPointComponent* CODDrawingController::EditablePoints() const
{
    const auto& selection = GetSelection();
    if (selection.empty())
        return nullptr;
    CODComponent* primary = selection.back();
    const bool paths = dynamic_cast<CODLineComponent*>(primary) || dynamic_cast<CODPolygonComponent*>(primary);
    return paths ? static_cast<CODPointComponent*>(primary) : nullptr;
}

int CODDrawingController::VertexAt(const CPoint& ptDevice) const
{
    const CODPointComponent* shape = EditablePoints();
    if (!shape)
        return -1;
    std::vector<POINT> points = shape->GetWorldPoints();
    LPtoDP(points.data(), static_cast<int>(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i)
        if (std::abs(points[i].x - ptDevice.x) <= CODDrawingViewport::kHandleHalfSize
            && std::abs(points[i].y - ptDevice.y) <= CODDrawingViewport::kHandleHalfSize)
            return static_cast<int>(i);
    return -1;
}

CPoint CODDrawingController::VertexTarget() const
{
    return Snapped(m_ptCurrentLogical);
}

CPoint CODDrawingController::Snapped(const CPoint& ptLogical) const
{
    return m_pViewport->m_bSnapToGrid ? m_pViewport->SnapToGrid(ptLogical) : ptLogical;
}

std::vector<POINT> CODDrawingController::VertexPath() const
{
    const CODPointComponent* shape = EditablePoints();
    if (!shape || m_nVertex < 0 || m_nVertex >= shape->GetPointCount())
        return {POINT{m_ptPressLogical.x, m_ptPressLogical.y}};
    // The vertex and the segments to its neighbours.
    std::vector<POINT> path;
    const std::vector<POINT>& points = shape->GetWorldPoints();
    const auto index = static_cast<std::size_t>(m_nVertex);
    if (index > 0)
        path.push_back(points[index - 1]);
    path.push_back(VertexTarget());
    if (index + 1 < points.size())
        path.push_back(points[index + 1]);
    return path;
}

void CODDrawingController::MoveVertex()
{
    CODPointComponent* shape = EditablePoints();
    if (!shape || m_nVertex < 0 || m_nVertex >= shape->GetPointCount())
        return;
    // The offset in the shape's own coordinates.
    const CODTransform toModel = shape->GetAccumulatedTransform();
    const CPoint target = VertexTarget();
    int x = target.x;
    int y = target.y;
    if (!toModel.InverseTransformPoint(x, y))
        return;
    const CPoint local = shape->GetPoint(m_nVertex);
    if (x != local.x || y != local.y)
        Execute(std::make_unique<CODMoveVertexCommand>(GetModel(), shape, m_nVertex, x - local.x, y - local.y));
}

void CODDrawingController::ClipToClientArea(CDC* pDC) const
{
    POINT client[2] = {{0, 0}, {m_clientSize.cx, m_clientSize.cy}};
    pDC->DPtoLP(client, 2);
    pDC->IntersectClipRect(client[0].x, client[0].y, client[1].x, client[1].y);
}

void CODDrawingController::DrawRubberBandLine(CDC* pDC, const CPoint& from, const CPoint& to) const
{
    if (!pDC)
        return;
    const int saved = pDC->SaveDC();
    ClipToClientArea(pDC);
    pDC->SetROP2(R2_NOTXORPEN);
    pDC->SelectObject(CPen::CreatePen(PS_SOLID, 0, 0));
    pDC->MoveTo(from.x, from.y);
    pDC->LineTo(to.x, to.y);
    pDC->RestoreDC(saved);
}

int CODDrawingController::HandleAt(const CPoint& ptDevice) const
{
    const auto& selection = GetSelection();
    // The primary selection's handles first: they are drawn over the others.
    for (auto it = selection.rbegin(); it != selection.rend(); ++it) {
        auto handles = CODDrawingViewport::HandlePoints((*it)->GetBounds());
        LPtoDP(handles.data(), static_cast<int>(handles.size()));
        for (std::size_t i = 0; i < handles.size(); ++i)
            if (std::abs(handles[i].x - ptDevice.x) <= CODDrawingViewport::kHandleHalfSize
                && std::abs(handles[i].y - ptDevice.y) <= CODDrawingViewport::kHandleHalfSize) {
                // Only the primary selection resizes.
                return *it == selection.back() ? static_cast<int>(i) : -1;
            }
    }
    return -1;
}

// Auto-scroll

bool CODDrawingController::IsInAutoScrollMargin(const CPoint& ptDevice) const
{
    const CRect client(0, 0, m_clientSize.cx, m_clientSize.cy);
    if (!client.PtInRect(ptDevice))
        return false;
    return ptDevice.x < client.left + kAutoScrollMargin || ptDevice.y < client.top + kAutoScrollMargin
        || ptDevice.x >= client.right - kAutoScrollMargin || ptDevice.y >= client.bottom - kAutoScrollMargin;
}

void CODDrawingController::UpdateAutoScroll(const CPoint& ptDevice)
{
    const bool wanted = m_nState != Idle && !IsWaiting() && IsInAutoScrollMargin(ptDevice);
    if (wanted && !m_bAutoScrolling) {
        m_bAutoScrolling = true;
        if (m_onStartTimer)
            m_onStartTimer(kAutoScrollTimer, kAutoScrollInterval);
    } else if (!wanted) {
        StopAutoScroll();
    }
}

void CODDrawingController::StopAutoScroll()
{
    if (!m_bAutoScrolling)
        return;
    m_bAutoScrolling = false;
    if (m_onStopTimer)
        m_onStopTimer(kAutoScrollTimer);
}

void CODDrawingController::OnTimer(int nId)
{
    if (nId != kAutoScrollTimer || !m_bAutoScrolling)
        return;
    if (m_nState == Idle || !IsInAutoScrollMargin(m_ptLastDevice)) {
        StopAutoScroll();
        return;
    }
    const CPoint p = m_ptLastDevice;
    const auto step = [](int value, int size) {
        if (value < kAutoScrollMargin)
            return -kAutoScrollStep;
        return value >= size - kAutoScrollMargin ? kAutoScrollStep : 0;
    };
    POINT delta[2] = {{0, 0}, {step(p.x, m_clientSize.cx), step(p.y, m_clientSize.cy)}};
    DPtoLP(delta, 2);
    // Not past the canvas: the window shows no more of it than there is.
    POINT window[2] = {{0, 0}, {m_clientSize.cx, m_clientSize.cy}};
    DPtoLP(window, 2);
    const CRect canvas = GetModel()->GetBounds();
    const auto within = [](int value, int low, int high) { return std::max(low, std::min(value, std::max(low, high))); };
    const CPoint scroll = m_pViewport->GetScrollPosition();
    const CPoint next(within(scroll.x + delta[1].x - delta[0].x, canvas.left, canvas.right - (window[1].x - window[0].x)),
                      within(scroll.y + delta[1].y - delta[0].y, canvas.top, canvas.bottom - (window[1].y - window[0].y)));
    if (next == scroll)
        return;
    m_pViewport->SetScrollPosition(next);
    Repaint(CRect());
    // The point under the mouse moved with the view.
    TrackTo(m_nDragFlags, m_ptLastDevice);
}

// Mapping

CDC& CODDrawingController::MappingDC() const
{
    if (!m_pMappingDC)
        m_pMappingDC = std::make_unique<CDC>();
    m_pViewport->OnPrepareDC(m_pMappingDC.get());
    return *m_pMappingDC;
}

void CODDrawingController::DPtoLP(POINT* points, int nCount) const
{
    MappingDC().DPtoLP(points, nCount);
}

void CODDrawingController::LPtoDP(POINT* points, int nCount) const
{
    MappingDC().LPtoDP(points, nCount);
}

CPoint CODDrawingController::DeviceToLogical(const CPoint& ptDevice) const
{
    POINT point = ptDevice;
    DPtoLP(&point, 1);
    return CPoint(point.x, point.y);
}

int CODDrawingController::LogicalTolerance() const
{
    POINT reach[2] = {{0, 0}, {kHitTolerance, kHitTolerance}};
    DPtoLP(reach, 2);
    return std::max(std::abs(reach[1].x - reach[0].x), 1);
}

void CODDrawingController::Repaint(const CRect& rcLogical) const
{
    if (!m_onRepaint)
        return;
    if (rcLogical.IsRectNull()) {
        m_onRepaint(CRect());
        return;
    }
    // The handles and pens reach a little beyond the bounds.
    POINT reach[2] = {{0, 0}, {CODDrawingViewport::kHandleHalfSize + 1, CODDrawingViewport::kHandleHalfSize + 1}};
    DPtoLP(reach, 2);
    CRect area = rcLogical;
    area.InflateRect(std::abs(reach[1].x - reach[0].x) + 1, std::abs(reach[1].y - reach[0].y) + 1);
    m_onRepaint(area);
}

void CODDrawingController::SetCursor(Cursor cursor)
{
    if (cursor == m_cursor)
        return;
    m_cursor = cursor;
    if (m_onSetCursor)
        m_onSetCursor(cursor);
}

void CODDrawingController::SetCursorResource(int nResourceId)
{
    if (m_cursor == Cursor::Resource && m_nCursorResource == nResourceId)
        return;
    // Another resource is another cursor, though the kind stays.
    m_nCursorResource = nResourceId;
    m_cursor = Cursor::Resource;
    if (m_onSetCursor)
        m_onSetCursor(m_cursor);
}
