#pragma once

#include "chartparts/CQuorrelDoc.h"
#include "chartparts/CQuorrelViewport.h"
#include "engine/CODDrawingController.h"
#include "engine/CODModelObserver.h"
#include "platform/CPoint.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QRegion>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CDC;
class CInPlaceTextEdit;
class CODComponent;
class CQuorrelController;
class CRulerBar;
class QMenu;
class QPainter;
class QPrinter;
struct TextEditRequest;

// The chart view of one chart window: its chart document, the viewport that
// draws it and the controller attached to it. Painting goes through the
// viewport into an off-screen buffer of the client size, of which only the
// damaged part is drawn again; scroll bars, a margin around the canvas and
// the rulers surround it.
class CQuorrelView : public QAbstractScrollArea, public CODModelObserver {
public:
    // Device pixels shown beyond each edge of the canvas.
    static constexpr int kCanvasMargin = 20;
    // Ctrl+wheel zooms by this factor a notch.
    static constexpr double kWheelZoomFactor = 1.25;
    static constexpr int kWheelNotch = 120;
    // Pixels scrolled by one wheel notch.
    static constexpr int kWheelScrollPixels = 60;
    // The rulers are 0.18 inch thick.
    static constexpr int kRulerThickness = 17;

    explicit CQuorrelView(QWidget* parent = nullptr);
    ~CQuorrelView() override;

    CQuorrelController& GetController();
    // Called after anything that may change which commands are enabled.
    std::function<void()> m_onCommandStatesChanged;
    CQuorrelDoc& GetDocument() { return m_document; }
    CQuorrelViewport& GetViewport() { return m_viewport; }

    // The document's file; empty for a chart never saved or opened.
    const std::string& GetPathName() const { return m_strPathName; }
    // The file name shown in the window title: the file's name, else "Quorrel" and a number.
    std::string GetTitle() const;
    void SetUntitledName(const std::string& strName);
    // Opens the chart file; a file that cannot be read is reported in a
    // message box and leaves the window with an empty chart.
    bool OpenDocument(const std::string& strPath);
    // Writes the chart file and makes it the document's file; failures reported.
    bool SaveDocument(const std::string& strPath);
    // File Save (Save As when the chart has no file yet) and File Save As.
    bool OnFileSave();
    bool OnFileSaveAs();
    // Asks whether a modified chart is to be saved: true when the window may close.
    bool SaveModified();

    // Draws the whole window again; bNow paints before returning.
    void Update(bool bNow = false);
    // Draws again only what the logical rectangle covers.
    void InvalidateLogical(const CRect& rect);
    void OnModelUpdate(CODModel* pModel, int nHint) override;

    // Client pixels to logical units and back, as the viewport maps them.
    CPoint ClientToLogical(const CPoint& point) const;
    CPoint LogicalToClient(const CPoint& point) const;
    // The viewport's mapping on a context of this window.
    void PrepareDC(CDC& dc) const;
    // The percent on both axes, keeping the logical point under the client point; false out of limits.
    bool ZoomAbout(int nPercent, const CPoint& clientPoint);
    // The zoom and scroll that show the components; false when they cover nothing.
    bool ZoomToFit(const std::vector<CODComponent*>& components);
    // Zoom commands: the percent on both axes about the window's centre.
    bool SetZoom(int nPercent);
    // The logical point shown at the client's top-left.
    void ScrollTo(const CPoint& logical);
    CSize GetClientSize() const;

    bool AreRulersShown() const { return m_viewport.m_bRulersVisible; }
    void ShowRulers(bool bShow);
    // The logical point the tracking lines of the rulers follow, or none.
    const CPoint* GetTrackedPoint() const { return m_bTracking ? &m_ptTracked : nullptr; }
    // One ruler's band, drawn with the viewport's mapping along its axis.
    void DrawRuler(QPainter& painter, bool bHorizontal, const QSize& size) const;

    // Pages 1 to the last that holds a component, on the printer as the
    // model's page settings place them, with cut marks; false when nothing printed.
    bool PrintPages(QPrinter& printer);
    // The printer's paper, orientation and margins from the model's page settings, and back.
    void ApplyPageSettings(QPrinter& printer) const;
    void TakePageSettings(const QPrinter& printer);
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnFilePageSetup();

    // The editor of the text being edited in place, while there is one.
    CInPlaceTextEdit* GetTextEditor() const { return m_pTextEditor; }
    // The context menu of a right click at the client point, made of the main
    // window's commands: "&Viewport" while nothing is selected, "&Component"
    // while something is. A click on a component not selected selects it
    // first. None outside a main window.
    std::unique_ptr<QMenu> MakeContextMenu(const CPoint& point);

protected:
    // Mouse and keys arrive here, in client pixels, for the controller. For
    // now they only zoom, scroll and move the rulers' tracking lines.
    virtual void OnLButtonDown(Qt::KeyboardModifiers modifiers, const CPoint& point);
    virtual void OnLButtonUp(Qt::KeyboardModifiers modifiers, const CPoint& point);
    virtual void OnLButtonDblClk(Qt::KeyboardModifiers modifiers, const CPoint& point);
    virtual void OnRButtonDown(Qt::KeyboardModifiers modifiers, const CPoint& point);
    virtual void OnMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, const CPoint& point);
    // False when the key was not used, so the window goes on with it.
    virtual bool OnKeyDown(int nKey, Qt::KeyboardModifiers modifiers);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // Scroll bar ranges from the canvas at the zoom, values from the scroll position.
    void UpdateScrollBars();
    CPoint Convert(const CPoint& point, bool bToLogical) const;
    void LayOutRulers();
    void DrawDamage();
    // Hands the view's repaints, cursor, timer and keys to the controller.
    void ConnectController();
    void CommandStatesChanged() const;
    void SetCursor(CODDrawingController::Cursor cursor);
    void OpenTextEditor(const TextEditRequest& request);
    // Closes the editor and gives back its text.
    std::string CloseTextEditor();

    CQuorrelDoc m_document;  // before the controller, which works on its model
    CQuorrelViewport m_viewport;
    std::unique_ptr<CQuorrelController> m_pController;
    QTimer m_autoScrollTimer;
    std::string m_strPathName;
    std::string m_strUntitled;
    QImage m_buffer;
    QRegion m_damage;
    CRulerBar* m_pHorizontalRuler;
    CRulerBar* m_pVerticalRuler;
    CPoint m_ptTracked;
    // A child of the viewport widget, which deletes it with itself.
    CInPlaceTextEdit* m_pTextEditor = nullptr;
    bool m_bTracking = false;
    // Set while the scroll bars are being set from the viewport.
    bool m_bSyncing = false;
};
