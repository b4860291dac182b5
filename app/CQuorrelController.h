#pragma once

#include "chartparts/ToolComponents.h"
#include "engine/CODDrawingController.h"

#include <memory>
#include <string>
#include <vector>

class CODModel;
class CODSymbolComponent;
class CPropertyValues;
class CommandFile;
class CQuorrelView;
class CQuorrelViewport;

// The program's controller of one chart view: the engine's editing
// controller on the view's viewport, plus the chart run of a command file
// and the chart view's own commands.
class CQuorrelController : public CODDrawingController {
public:
    explicit CQuorrelController(CQuorrelView* pView);
    ~CQuorrelController() override;

    // The program's id of Select All, which the engine knows by its own.
    static constexpr int ID_SELECT_ALL = 32809;
    // The property sheets: the detail sheet from the Edit menu and from the
    // context menu, the defaults, the grid, the canvas, and a zoom of choice.
    static constexpr int ID_DETAIL_PROPERTIES = 32806;
    static constexpr int ID_CONTEXT_DETAIL_PROPERTIES = 32807;
    static constexpr int ID_DEFAULT_PROPERTIES = 44511;
    static constexpr int ID_GRID_PROPERTIES = 44535;
    static constexpr int ID_DIAGRAM_MEASUREMENTS = 44564;
    static constexpr int ID_ZOOM_CUSTOM = 44558;
    // The chart window's own tools.
    static constexpr int ID_LINK = 44538;
    static constexpr int ID_LINK_ORTHOGONAL = 32810;
    static constexpr int ID_ARROW_LINK = 32792;
    static constexpr int ID_ARROW_LINK_ORTHOGONAL = 32812;
    static constexpr int ID_TWO_ARROW_LINK = 32793;
    static constexpr int ID_TWO_ARROW_LINK_ORTHOGONAL = 32811;
    static constexpr int ID_INSERT_SHADOW_BOX = 32777;
    static constexpr int ID_INSERT_BOX = 32779;
    static constexpr int ID_INSERT_PORT = 32802;
    static constexpr int ID_CONNECTION_LINE = 32803;
    static constexpr int ID_CURVE_TEXT = 32801;
    static constexpr int ID_INSERT_IMAGE = 32780;
    // The program's cursor resources the view shows for its tools.
    static constexpr int kCurveTextCursor = 1018;
    static constexpr int kImageCursor = 1020;
    static constexpr int kConnectionLineCursor = 1022;
    // The tool states the chart window adds to the engine's.
    enum ToolState {
        CurveTextArmed = 48,
        CurveTextPressed = 49,
        CurveTextDragging = 50,
        ConnectionLineArmed = 51,
        ConnectionLinePressed = 52,
        ConnectionLineDragging = 53
    };
    // What the insertion commands placed last, for their pressed buttons.
    enum class InsertionKind { None = 0, Port = 1, PlainBox = 2, ShadowBox = 3 };
    // Device pixels the mouse may stray before a press counts as a drag.
    static constexpr int kClickSlop = 3;
    // The orientation code of a label centred on its symbol.
    static constexpr int kCentredLabel = 8;

    bool OnCommand(int nId) override;
    // A change to the parts of a box lays the box out again, done and undone.
    bool Execute(std::unique_ptr<CODCommand> pCommand) override;
    bool IsCommandEnabled(int nId) const override;
    bool IsCommandChecked(int nId) const override;

    void OnLButtonDown(unsigned nFlags, const CPoint& ptDevice) override;
    void OnMouseMove(unsigned nFlags, const CPoint& ptDevice) override;
    void OnLButtonUp(unsigned nFlags, const CPoint& ptDevice) override;
    void OnLButtonDblClk(unsigned nFlags, const CPoint& ptDevice) override;
    // The engine's outlines, and the curve text's ellipse or the connection
    // line while one is dragged out.
    std::vector<CRect> GetTrackingRects() const override;
    void DrawTracking(CDC* pDC) const override;

    // The picture in the file, read by content, waits for the click that
    // places it; false, with the reason shown, when it cannot be read or
    // made into a bitmap.
    bool InsertImageFile(const std::string& strPath);
    InsertionKind GetInsertionKind() const { return m_insertionKind; }

    // Handler of "Run Command File...": asks for a command file and runs it in a new chart window.
    void OnRunCommandFile();

    // The chart run: builds the chart the command file asks for, decorates it,
    // writes the output files; in batch mode (HideWindows) quits the program after.
    void RunCommandFile(const std::string& strCommandFile);

    virtual void BuildFanChart(CommandFile& commandFile);
    virtual void BuildAncestorChart(CommandFile& commandFile);
    virtual void BuildHourglassChart(CommandFile& commandFile);
    virtual void BuildDescendantChart(CommandFile& commandFile);
    virtual void FitCanvasToChart();
    virtual void BuildTitle(CommandFile& commandFile);
    virtual void BuildResearcherBox(CommandFile& commandFile);
    virtual void BuildBackground(CommandFile& commandFile);
    virtual void WriteOutputFiles(CommandFile& commandFile);

    // The chart's files; false when nothing (or nothing sound) was written.
    bool SaveAs(const std::string& strPath, const std::string& strType);
    bool SaveBMP(const std::string& strPath);
    bool SaveJPG(const std::string& strPath);
    bool SaveQRD(const std::string& strPath);
    // Resizes the whole drawing by the factor and fits the canvas to it.
    void ScaleDrawing(float fFactor);

    // The chart view's commands.
    static constexpr float kScaleUpFactor = 1.25F;
    static constexpr float kScaleDownFactor = 0.8F;
    // Asks for a picture file and exports the chart into it.
    void OnExport();
    // The export of a chosen file: .JPG and .BMP (and our .PNG, .PDF, .SVG),
    // whatever the case; any other name writes nothing and says nothing.
    // False when nothing was written.
    bool ExportTo(const std::string& strPath);
    void OnSizeToComponents();
    void OnZoomToFit();
    void OnZoomToSelection();
    void OnRulers();
    // Shows or hides the ports of every top-level symbol.
    void OnPorts();
    bool ArePortsShown() const { return m_bShowPorts; }
    void OnScaleDrawingUp();
    void OnScaleDrawingDown();
    // Asks for the drawing's new width or height and scales it to that.
    void OnResizeDrawing();

    // The selected components, each followed by its children and, for a
    // symbol, its ports: what the detail property sheet edits.
    std::vector<CODComponent*> GetDetailCollection() const;
    // What the property sheet of the selection edits: the selection, or its
    // detail collection (less the boxes' shadows) when no member has a line,
    // fill, font or text of its own.
    std::vector<CODComponent*> GetPropertiesCollection() const;
    // A double click on a component with no text to edit: its property
    // sheet, unless the component or the chart is read-only.
    void OnOpenComponent(CODComponent* pComponent);
    // Shows the property sheet of the components and applies what the user changed.
    void OnProperties(const std::vector<CODComponent*>& components);
    // The fields changed from before to after, on the components, as one
    // undoable step; false when nothing changed.
    bool ApplyProperties(const std::vector<CODComponent*>& components, const CPropertyValues& before,
                         const CPropertyValues& after);
    // The sheet of the properties new components get; a viewport setting, not undone.
    void OnDefaultProperties();
    void OnGridProperties();
    // The canvas size and the unit of measure.
    void OnDiagramMeasurements();
    void OnZoomCustom();

    // The view's viewport; none without a view.
    CQuorrelViewport* GetViewport() const;

    // A batch run's exit status: 0 when no message was reported, else 1.
    static int BatchExitStatus();

protected:
    // About the middle of the window, as the view zooms.
    bool Zoom(int nPercent) override;
    // A placed symbol's labels go beside its top-left by their offsets.
    void OnComponentPlaced(CODComponent* pComponent) override;
    // A box's line under the point, and a first label for a symbol that has
    // none; curve texts and other texts go as the engine edits them.
    bool BeginTextEditAt(const CPoint& ptLogical) override;
    // A curve text keeps its shape: both factors take the larger size.
    void AdjustResizeFactors(CODComponent* pResized, unsigned nFlags, float& sx, float& sy) const override;

private:
    // The chart's model; none without a view.
    CODModel* Model();
    void RepaintView();
    void HideWindows();
    // The tool commands; false for other ids.
    bool OnToolCommand(int nId);
    void BeginLinkTool(LinkToolKind kind);
    void BeginInsertion(InsertionKind kind);
    void OnInsertImage();
    // Arms a tool of the chart window's own.
    void ArmTool(int nState, int nCursor);
    // The point dragged to, moved onto the grid when snapping is on.
    void DragTo(const CPoint& ptDevice);
    // Ends the tool after its component went in: selected, arrow cursor.
    CODComponent* FinishTool(std::unique_ptr<CODComponent> pComponent);
    void FinishCurveText();
    void FinishConnectionLine();
    // A centred label with the defaults, added to the symbol through the
    // history, selected and opened for editing.
    bool AddLabelAndEdit(CODSymbolComponent* pSymbol);
    bool IsCurveTextState() const;
    bool IsConnectionLineState() const;

    CQuorrelView* m_pView;
    bool m_bShowPorts = false;
    LinkToolKind m_linkToolKind = LinkToolKind::None;
    InsertionKind m_insertionKind = InsertionKind::None;
    // Where the tool's press went down (device and logical) and where the
    // mouse is now (logical, on the grid when snapping).
    CPoint m_ptToolPressDevice;
    CPoint m_ptToolPress;
    CPoint m_ptToolCurrent;
};
