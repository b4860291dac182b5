#pragma once

#include "engine/CODCommand.h"
#include "engine/CODModelObserver.h"
#include "engine/TextEditRequest.h"
#include "platform/CPoint.h"
#include "platform/CRect.h"
#include "platform/CSize.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CDC;
class CODComponent;
class CODDrawingViewport;
class CODLinkComponent;
class CODModel;
class CODPointComponent;
class CODPortComponent;
class CODTextComponent;

// Turns mouse, keyboard and menu input on a viewport into commands done
// through the model's history: selecting by click, Shift+click and rubber
// band, moving by dragging and nudging, resizing by the handles, and the
// editing, order, alignment, zoom and display commands by id. Needs no
// window: the host hands in device pixels of its client area and answers
// the callbacks below. It watches the model it selects in, so a reset
// drops a selection whose components are gone; it goes before its model.
class CODDrawingController : public CODModelObserver {
public:
    // The tool state: idle, or what a press of the left button started, or
    // the component or link waiting for the mouse. A program's controller
    // adds states of its own above these.
    enum State {
        Idle = 0,
        Selecting = 1,
        Moving = 2,
        Resizing = 3,
        Drawing = 4,
        EditingVertex = 5,
        PlacingImage = 32,
        PlacingComponent = 34,
        LinkArmed = 37,
        LinkDrawing = 39
    };
    // What the left button does: select and edit, or draw a new component.
    // Two-point shapes are dragged out; the others take a click per point
    // and end with a double click.
    enum class Tool { Select, Line, Polyline, Polygon, Rectangle, Polycurve, ClosedCurve, Ellipse, Text };
    // Resource: one of the program's own cursors, GetCursorResource() tells which.
    enum class Cursor { Arrow, Move, SizeNWSE, SizeNS, SizeNESW, SizeWE, Cross, Link, Resource };

    static constexpr int kAutoScrollTimer = 1001;
    static constexpr int kAutoScrollInterval = 100;
    static constexpr int kAutoScrollMargin = 30;
    // Device pixels scrolled by one tick of the auto-scroll timer.
    static constexpr int kAutoScrollStep = 20;
    static constexpr int kNudge = 1;
    static constexpr int kShiftNudge = 5;
    // Device pixels around a point within which a component counts as hit.
    static constexpr int kHitTolerance = 3;
    static constexpr int kQuarterTurn = 900;
    // Angle snap turns drawn segments to multiples of 15 degrees.
    static constexpr int kAngleSnapStep = 150;
    // Drag outlines are drawn XOR with this colour: dark on white and on the
    // grey around the canvas alike (an inverted black outline vanishes on
    // mid-grey), and a second draw takes them off.
    static constexpr COLORREF kTrackingXor = 0xC0C0C0;
    // The clipboard format of components copied within the program.
    static constexpr const char* kClipboardFormat = "Quorrel Components";

    // Menu command ids.
    static constexpr int ID_EDIT_CLEAR = 57632;
    static constexpr int ID_EDIT_COPY = 57634;
    static constexpr int ID_EDIT_CUT = 57635;
    static constexpr int ID_EDIT_PASTE = 57637;
    static constexpr int ID_EDIT_SELECT_ALL = 57642;
    static constexpr int ID_EDIT_UNDO = 57643;
    static constexpr int ID_EDIT_REDO = 57644;
    static constexpr int ID_OD_ALIGN_BOTTOM = 44500;
    static constexpr int ID_OD_ALIGN_CENTER = 44501;
    static constexpr int ID_OD_ALIGN_LEFT = 44502;
    static constexpr int ID_OD_ALIGN_MIDDLE = 44503;
    static constexpr int ID_OD_ALIGN_RIGHT = 44504;
    static constexpr int ID_OD_ALIGN_TOP = 44505;
    static constexpr int ID_OD_ANGLE_SNAP = 44506;
    static constexpr int ID_OD_SEND_TO_BACK = 44507;
    static constexpr int ID_OD_SEND_BACKWARD = 44508;
    static constexpr int ID_OD_FLIP_VERTICAL = 44529;
    static constexpr int ID_OD_FLIP_HORIZONTAL = 44530;
    static constexpr int ID_OD_BRING_FORWARD = 44531;
    static constexpr int ID_OD_BRING_TO_FRONT = 44533;
    static constexpr int ID_OD_GRID = 44534;
    static constexpr int ID_OD_GROUP = 44536;
    static constexpr int ID_OD_NUDGE_DOWN = 44540;
    static constexpr int ID_OD_NUDGE_LEFT = 44541;
    static constexpr int ID_OD_NUDGE_RIGHT = 44542;
    static constexpr int ID_OD_NUDGE_UP = 44543;
    static constexpr int ID_OD_PAGE_BOUNDS = 44544;
    static constexpr int ID_OD_PROPERTIES = 44546;
    static constexpr int ID_OD_ROTATE_LEFT = 44547;
    static constexpr int ID_OD_ROTATE_RIGHT = 44548;
    static constexpr int ID_OD_SNAP_TO_GRID = 44549;
    static constexpr int ID_OD_UNGROUP = 44550;
    static constexpr int ID_OD_ZOOM_100 = 44554;
    static constexpr int ID_OD_ZOOM_200 = 44555;
    static constexpr int ID_OD_ZOOM_50 = 44556;
    static constexpr int ID_OD_ZOOM_75 = 44557;
    static constexpr int ID_OD_ZOOM_NORMAL = 44561;
    static constexpr int ID_OD_SPACE_ACROSS = 44566;
    static constexpr int ID_OD_SPACE_DOWN = 44567;
    static constexpr int ID_OD_SAME_WIDTH = 44568;
    static constexpr int ID_OD_SAME_HEIGHT = 44569;
    static constexpr int ID_OD_SAME_SIZE = 44570;
    // The Drawing bar's tools.
    static constexpr int ID_OD_CLOSED_CURVE = 44514;
    static constexpr int ID_OD_ELLIPSE = 44516;
    static constexpr int ID_OD_LINE = 44518;
    static constexpr int ID_OD_POLYCURVE = 44520;
    static constexpr int ID_OD_POLYGON = 44521;
    static constexpr int ID_OD_POLYLINE = 44522;
    static constexpr int ID_OD_RECTANGLE = 44524;
    static constexpr int ID_OD_SELECT = 44525;
    static constexpr int ID_OD_TEXT = 44526;
    static constexpr int ID_OD_EDIT_VERTICES = 44528;

    explicit CODDrawingController(CODDrawingViewport* pViewport);
    ~CODDrawingController() override;
    CODDrawingController(const CODDrawingController&) = delete;
    CODDrawingController& operator=(const CODDrawingController&) = delete;

    CODModel* GetModel() const;
    CODDrawingViewport* GetViewport() const { return m_pViewport; }

    // A reset model has none of the selected components any more.
    void OnModelUpdate(CODModel* pModel, int nHint) override;

    // The viewport's selection; its last member is the primary selection.
    const std::vector<CODComponent*>& GetSelection() const;
    void SetSelection(const std::vector<CODComponent*>& selection);
    // Every selectable top-level component.
    void SelectAll();
    bool IsSelected(const CODComponent* pComponent) const;
    // The topmost selectable top-level component at a logical point, or none.
    CODComponent* ComponentAt(const CPoint& ptLogical) const;

    // Each builds its command and does it through the model's history;
    // false when there was nothing to do or the command failed.
    bool MoveComponents(const std::vector<CODComponent*>& components, int dx, int dy);
    // About the centre of the components' common bounds.
    bool RotateComponents(const std::vector<CODComponent*>& components, int nAngle);
    bool ScaleComponents(const std::vector<CODComponent*>& components, float sx, float sy, int nAnchor = 8);
    // A mode of CODAlignCommand, on the last component.
    bool AlignComponents(const std::vector<CODComponent*>& components, int nMode);
    // Equal gaps between the components from the leftmost to the rightmost
    // (across) or the topmost to the lowest (down); those two stay put.
    bool SpaceComponents(const std::vector<CODComponent*>& components, bool bAcross);
    // The width, height or both of the last component, each keeping its top-left.
    bool SizeComponents(const std::vector<CODComponent*>& components, bool bWidth, bool bHeight);
    // Does a command through the history and repaints what it touched.
    virtual bool Execute(std::unique_ptr<CODCommand> pCommand);
    bool Undo();
    bool Redo();

    // The selection in archive form on the clipboard; Cut then deletes it.
    bool Copy();
    bool Cut();
    // Inserts the clipboard's components where they were copied and selects them.
    bool Paste();
    bool CanPaste() const;

    // True when the command was handled. The chart controller adds its own
    // commands and tools over these.
    virtual bool OnCommand(int nId);
    virtual bool IsCommandEnabled(int nId) const;
    virtual bool IsCommandChecked(int nId) const;

    // Mouse input in device pixels of the viewport's window; nFlags holds
    // MK_SHIFT and MK_CONTROL.
    virtual void OnLButtonDown(unsigned nFlags, const CPoint& ptDevice);
    virtual void OnMouseMove(unsigned nFlags, const CPoint& ptDevice);
    virtual void OnLButtonUp(unsigned nFlags, const CPoint& ptDevice);
    virtual void OnLButtonDblClk(unsigned nFlags, const CPoint& ptDevice);
    // Arrows nudge, Delete erases, Escape ends a drag; true when handled.
    virtual bool OnKeyDown(unsigned nChar, unsigned nFlags);
    virtual void OnTimer(int nId);

    // The size of the window's client area in device pixels.
    void SetClientSize(const CSize& size) { m_clientSize = size; }
    // Inside the client area and within kAutoScrollMargin of an edge.
    bool IsInAutoScrollMargin(const CPoint& ptDevice) const;
    bool IsAutoScrolling() const { return m_bAutoScrolling; }

    // Drawing ends by itself after one shape: the tool goes back to Select.
    void SetTool(Tool tool);
    Tool GetTool() const { return m_tool; }
    // The points placed so far by a drawing tool, logical units.
    const std::vector<POINT>& GetDrawnPoints() const { return m_points; }

    // The component follows the mouse and the next click places it, through
    // the history; Escape or another tool drops it.
    void BeginInsert(std::unique_ptr<CODComponent> pComponent);
    void BeginPlaceImage(std::unique_ptr<CODComponent> pImage);
    const CODComponent* GetPendingComponent() const { return m_pPending.get(); }

    // Dragging from a port to another draws one link, a copy of the
    // prototype; a drag that joins nothing leaves the tool armed.
    void BeginLink(std::unique_ptr<CODLinkComponent> pPrototype);
    const CODLinkComponent* GetLinkPrototype() const { return m_pLinkPrototype.get(); }
    // The topmost top-level symbol's port at the point (links' own ends do
    // not count), or none.
    CODPortComponent* PortAt(const CPoint& ptLogical) const;

    // Asks the host to open its editor over the text; false for a read-only
    // text or model, or while another edit is open. A turned box stands
    // upright until the edit ends.
    bool BeginTextEdit(CODTextComponent* pText);
    // The host's editor closed: with bApply a changed text is set through
    // the history. False when no edit was open.
    bool EndTextEdit(bool bApply, const std::string& strText);
    CODTextComponent* GetEditedText() const { return m_pEditedText; }
    bool IsTextEditing() const { return m_pEditedText != nullptr; }

    int GetState() const { return m_nState; }
    Cursor GetCursor() const { return m_cursor; }
    int GetCursorResource() const { return m_nCursorResource; }
    // What a drag shows: the rubber band, the moved outlines of the selection
    // or the resized bounds, logical units; empty when idle.
    virtual std::vector<CRect> GetTrackingRects() const;
    // Draws them inverted (NOT-XOR) into a context prepared by the viewport,
    // so drawing them twice takes them off again.
    virtual void DrawTracking(CDC* pDC) const;

    // A black line from one logical point to another, inverted (NOT-XOR) and
    // clipped to the client area, into a context prepared by the viewport.
    void DrawRubberBandLine(CDC* pDC, const CPoint& from, const CPoint& to) const;
    // Where the left button went down and where the mouse is, logical units.
    CPoint GetPressPoint() const { return m_ptPressLogical; }
    CPoint GetCurrentPoint() const { return m_ptCurrentLogical; }

    // Converts in place through a context prepared by the viewport.
    void DPtoLP(POINT* points, int nCount) const;
    void LPtoDP(POINT* points, int nCount) const;
    CPoint DeviceToLogical(const CPoint& ptDevice) const;

    // Host callbacks, set by the window: repaint a logical rectangle (an
    // empty one: the whole window), show a cursor, start and stop a timer.
    std::function<void(const CRect& rcLogical)> m_onRepaint;
    std::function<void(Cursor cursor)> m_onSetCursor;
    std::function<void(int nId, int nMilliseconds)> m_onStartTimer;
    std::function<void(int nId)> m_onStopTimer;
    // A double click on a component with the select tool (to edit its text
    // or properties).
    std::function<void(CODComponent* pComponent)> m_onOpenComponent;
    // The modifier keys held now (MK_SHIFT, MK_CONTROL), for menu nudges.
    std::function<unsigned()> m_onGetKeyFlags;
    // Open an editor for an in-place text edit; the host ends it with EndTextEdit.
    std::function<void(const TextEditRequest& request)> m_onOpenTextEditor;
    // The controller ends an open edit itself (undo, redo, another tool, a
    // reset model): close the editor and give back the text typed so far.
    std::function<std::string()> m_onCloseTextEditor;

protected:
    // The zoom commands' magnification on both axes; false outside the limits.
    virtual bool Zoom(int nPercent);
    void Repaint(const CRect& rcLogical) const;
    void SetCursor(Cursor cursor);
    // Shows the program's cursor resource with that id.
    void SetCursorResource(int nResourceId);
    // Clips a context prepared by the viewport to the window's client area.
    void ClipToClientArea(CDC* pDC) const;
    void SetState(int nState) { m_nState = nState; }
    // A placed component is in the model and selected.
    virtual void OnComponentPlaced(CODComponent* pComponent);
    // A double click with the select tool: starts editing the text under the
    // point; false leaves the component to m_onOpenComponent.
    virtual bool BeginTextEditAt(const CPoint& ptLogical);
    // The handle drag's factors for the component resized; Shift keeps the
    // proportions.
    virtual void AdjustResizeFactors(CODComponent* pResized, unsigned nFlags, float& sx, float& sy) const;
    // Applies an open edit with the host's text, closing its editor.
    void FinishTextEdit();
    // Neither the component (through its parents) nor the model is read-only.
    bool IsEditable(const CODComponent* pComponent) const;
    // The logical point on the grid when snapping is on.
    CPoint Snapped(const CPoint& ptLogical) const;
    // The components the command acts on as they are now: the selection
    // without members that left the model.
    std::vector<CODComponent*> SelectionInModel() const;

private:
    CDC& MappingDC() const;
    // Observes the viewport's model, and only it.
    void WatchModel();
    int HandleAt(const CPoint& ptDevice) const;
    // The primary selection when it is a line or polygon, whose points the
    // mouse moves one by one; the index of its point under the mouse.
    CODPointComponent* EditablePoints() const;
    int VertexAt(const CPoint& ptDevice) const;
    // Where the dragged point goes, and the path through it shown meanwhile.
    CPoint VertexTarget() const;
    std::vector<POINT> VertexPath() const;
    void MoveVertex();
    // A point of a drawing tool: snapped to the grid, and with angle snap
    // turned about the point before it.
    CPoint PlacePoint(const CPoint& ptDevice) const;
    // Waiting for a press rather than dragging.
    bool IsWaiting() const;
    void BeginPlacing(int nState, std::unique_ptr<CODComponent> pComponent);
    CRect PlacedBounds() const;
    void Place();
    void FinishLink();
    // The edit closed: the box turned back and drawn again.
    void CloseTextEdit();
    // Forgets an open edit whose text is gone with its model.
    void DropTextEdit();
    bool IsDraggedShape() const;
    // The new component from the drawn points, or none when they make no shape.
    std::unique_ptr<CODComponent> MakeShape() const;
    void FinishDrawing();
    int LogicalTolerance() const;
    void TrackTo(unsigned nFlags, const CPoint& ptDevice);
    void EndDrag(bool bApply);
    void UpdateAutoScroll(const CPoint& ptDevice);
    void StopAutoScroll();
    // The selection's offset while moving, snapped to the grid when asked.
    CPoint MoveOffset() const;
    // The factors and the fixed anchor of a handle drag.
    bool ResizeFactors(float& sx, float& sy) const;
    void PruneSelection();
    // Undo (or redo) with the repaint of what the step touched.
    bool Step(bool bUndo);
    bool Nudge(int dx, int dy);
    bool OrderSelection(int nKind);
    bool GroupSelection();
    bool UngroupSelection();
    bool DeleteSelection();
    // The top-level links joined to a port owned by the components or their children.
    std::vector<CODComponent*> LinksTo(const std::vector<CODComponent*>& components) const;
    bool HasGroupSelected() const;
    // The magnification a zoom command sets (0 for other ids), and the
    // viewport switch a toggle command flips (none for other ids).
    static int ZoomPercent(int nId);
    // The Drawing bar's tool of a command, or none for other ids.
    static std::optional<Tool> ToolOf(int nId);
    bool* Switch(int nId) const;

    CODDrawingViewport* m_pViewport;
    CODModel* m_pWatched = nullptr;
    int m_nState = Idle;
    Tool m_tool = Tool::Select;
    std::vector<POINT> m_points;
    Cursor m_cursor = Cursor::Arrow;
    int m_nCursorResource = 0;
    std::unique_ptr<CODComponent> m_pPending;
    std::unique_ptr<CODLinkComponent> m_pLinkPrototype;
    CODPortComponent* m_pLinkSource = nullptr;
    // Held by a reference while edited; the angle its box was turned by.
    CODTextComponent* m_pEditedText = nullptr;
    int m_nEditAngle = 0;
    CSize m_clientSize;
    bool m_bAutoScrolling = false;
    unsigned m_nDragFlags = 0;
    int m_nHandle = -1;
    int m_nVertex = -1;
    CPoint m_ptPressLogical;
    CPoint m_ptCurrentLogical;
    CPoint m_ptLastDevice;
    // A context of the screen that the viewport prepares for each conversion.
    mutable std::unique_ptr<CDC> m_pMappingDC;
};
