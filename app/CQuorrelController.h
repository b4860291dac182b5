#pragma once

#include "engine/CODDrawingController.h"

#include <string>
#include <vector>

class CODModel;
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

    // The tools' own cursors.
    static constexpr int kCurveTextCursor = 1018;
    static constexpr int kImageCursor = 1020;
    static constexpr int kConnectionLineCursor = 1022;

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
    bool OnCommand(int nId) override;
    bool IsCommandEnabled(int nId) const override;

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
    // detail collection when no member has a line, fill, font or text of its own.
    std::vector<CODComponent*> GetPropertiesCollection() const;
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

private:
    // The chart's model; none without a view.
    CODModel* Model();
    void RepaintView();
    void HideWindows();

    CQuorrelView* m_pView;
    bool m_bShowPorts = false;
};
