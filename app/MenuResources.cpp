#include "app/MenuResources.h"

namespace {

MenuItem Separator()
{
    return MenuItem{};
}

MenuItem Popup(std::string text, std::vector<MenuItem> items)
{
    return MenuItem(std::move(text), std::move(items));
}

}  // namespace

const std::vector<MenuItem>& MenuResources::ChartWindowMenu()
{
    static const std::vector<MenuItem> menu = {
        Popup("&File",
            {
                {"&New\tCtrl+N", ID_FILE_NEW},
                {"&Open...\tCtrl+O", ID_FILE_OPEN},
                {"&Close", ID_FILE_CLOSE},
                {"&Save\tCtrl+S", 57603},
                {"Save &As...", 57604},
                {"&Export...", 32798},
                {"Run Command File...", ID_RUN_COMMAND_FILE},
                {"Import GEDCOM...", ID_IMPORT_GEDCOM},
                Separator(),
                {"Page Setup", 57605},
                {"Print &Cut Marks", 32808},
                {"&Print...\tCtrl+P", 57607},
                {"Print Pre&view", 57609},
                Separator(),
                {"Recent File", ID_FILE_MRU_FILE1},
                Separator(),
                {"E&xit", ID_APP_EXIT},
            }),
        Popup("&Edit",
            {
                {"&Undo\tCtrl+Z", 57643},
                {"&Redo\tCtrl+Y", 57644},
                Separator(),
                {"Cu&t\tCtrl+X", 57635},
                {"&Copy\tCtrl+C", 57634},
                {"&Paste\tCtrl+V", 57637},
                {"Select &All\tCtrl+A", 32809},
                {"&Delete\tDel", 57632},
                Separator(),
                {"C&omponents...", 44552},
                {"Propertie&s...", 44546},
                {"D&etail Properties...", 32806},
                {"De&fault Properties...", 44511},
            }),
        Popup("&View",
            {
                Popup("&ToolBars",
                    {
                        {"&Alignment", ID_VIEW_ALIGN_BAR},
                        {"&Drawing", ID_VIEW_DRAWING_BAR},
                        {"&Nudge", ID_VIEW_NUDGE_BAR},
                        {"&Rotate", ID_VIEW_ROTATE_BAR},
                        {"S&tandard", ID_VIEW_TOOLBAR},
                        {"&Status Bar", ID_VIEW_STATUS_BAR},
                        {"St&ructure", ID_VIEW_STRUCTURE_BAR},
                        {"S&ymbols", ID_VIEW_GENE_BAR},
                        {"&Zoom/Pan", ID_VIEW_ZOOM_BAR},
                        Separator(),
                        {"All &Off", ID_VIEW_ALL_OFF},
                        {"All &On", ID_VIEW_ALL_ON},
                    }),
                Separator(),
                {"Page &Bounds", 44544},
                {"&Grid", 44534},
                {"&Ports\tCtrl+M", 32815},
                {"&Rulers\tCtrl+R", 32813},
                {"S&nap to Grid", 44549},
                {"&Angle Snap", 44506},
                {"Gri&d Properties...", 44535},
                Separator(),
                {"&Zoom Normal", 44561},
                Popup("Zoom &Percent", {{"&50%", 44556}, {"&75%", 44557}, {"&100%", 44554}, {"&200%", 44555}}),
                {"Zoom C&ustom...", 44558},
                {"Zoom to &Fit", 44560},
            }),
        Popup("&Tools",
            {
                Popup("&Align",
                    {{"Top", 44505}, {"Middle", 44503}, {"Bottom", 44500}, {"Left", 44502}, {"Center", 44501},
                        {"Right", 44504}}),
                Popup("&Nudge", {{"Up", 44543}, {"Down", 44540}, {"Left", 44541}, {"Right", 44542}}),
                Popup("&Structure",
                    {{"&Group", 44536}, {"&Ungroup", 44550}, {"&Bring to Front", 44533}, {"&Send to Back", 44507},
                        {"Bring &Forward", 44531}, {"Send Bac&kward", 44508}}),
                Popup("&Diagram",
                    {{"Size to &Components", 32776}, {"&Diagram Measurements", 44564}, {"&Resize Drawing", 32819}}),
            }),
        Popup("&Window",
            {
                {"&New Window", ID_WINDOW_NEW},
                {"&Cascade", ID_WINDOW_CASCADE},
                {"&Tile", ID_WINDOW_TILE_HORZ},
                {"&Arrange Icons", 57649},
            }),
        Popup("&Help",
            {
                {"&Help Topics", ID_HELP_FINDER},
                // The manual in the browser, as a Linux program offers it.
                {"&User Manual\tF1", ID_HELP},
                Separator(),
                {"&About Quorrel...", ID_APP_ABOUT},
            }),
    };
    return menu;
}

const std::vector<MenuItem>& MenuResources::MainWindowMenu()
{
    static const std::vector<MenuItem> menu = {
        Popup("&File",
            {
                {"&New\tCtrl+N", ID_FILE_NEW},
                {"&Open...\tCtrl+O", ID_FILE_OPEN},
                {"Import GEDCOM...", ID_IMPORT_GEDCOM},
                Separator(),
                {"P&rint Setup...", 57606},
                Separator(),
                {"Recent File", ID_FILE_MRU_FILE1},
                Separator(),
                {"E&xit", ID_APP_EXIT},
            }),
        Popup("&View", {{"&Toolbar", ID_VIEW_TOOLBAR}, {"&Status Bar", ID_VIEW_STATUS_BAR}}),
        Popup("&Help", {{"&User Manual\tF1", ID_HELP}, Separator(), {"&About Quorrel...", ID_APP_ABOUT}}),
    };
    return menu;
}

const std::vector<MenuItem>& MenuResources::ContextMenu()
{
    static const std::vector<MenuItem> menu = {
        Popup("&Viewport",
            {
                {"&Paste", 57637},
                {"Select &All", 32809},
                Separator(),
                {"&Grid", 44534},
                {"S&nap to Grid", 44549},
                {"Page &Bounds", 44544},
                Separator(),
                {"&Zoom Normal", 44561},
                {"Zoom to &Fit", 44560},
                Separator(),
                {"De&fault Properties...", 44511},
                {"Gri&d Properties...", 44535},
            }),
        Popup("&Component",
            {
                {"Cu&t", 57635},
                {"&Copy", 57634},
                {"&Delete", 57632},
                Separator(),
                {"Propertie&s...", 44546},
                {"D&etail Properties...", 32807},
                Separator(),
                {"&Bring to Front", 44533},
                {"&Send to Back", 44507},
                {"&Group", 44536},
                {"&Ungroup", 44550},
                Separator(),
                {"Rotate &Left", 44547},
                {"Rotate &Right", 44548},
            }),
    };
    return menu;
}

const std::vector<std::pair<unsigned int, const char*>>& MenuResources::Accelerators()
{
    static const std::vector<std::pair<unsigned int, const char*>> accelerators = {
        {32809, "Ctrl+A"}, {57634, "Ctrl+C"}, {32815, "Ctrl+M"}, {ID_FILE_NEW, "Ctrl+N"}, {ID_FILE_OPEN, "Ctrl+O"},
        {ID_RUN_COMMAND_FILE, "Ctrl+Alt+O"}, {57607, "Ctrl+P"}, {32813, "Ctrl+R"}, {57603, "Ctrl+S"}, {32790, "Ctrl+T"},
        {32799, "Ctrl+Shift+T"}, {57637, "Ctrl+V"}, {57635, "Ctrl+X"}, {57643, "Ctrl+Z"}, {57643, "Alt+Backspace"},
        {57632, "Del"}, {57635, "Shift+Del"}, {57634, "Ctrl+Ins"}, {57637, "Shift+Ins"}, {44543, "Up"},
        {44540, "Down"}, {44541, "Left"}, {44542, "Right"}, {57670, "F1"}, {57669, "Shift+F1"}, {57680, "F6"},
        {57681, "Shift+F6"}, {32817, "Ctrl+Alt+PgUp"}, {32818, "Ctrl+Alt+PgDown"},
        // The chart view's own keys for the same two commands.
        {32817, "Ctrl+Shift+PgUp"}, {32818, "Ctrl+Shift+PgDown"},
        // The Edit menu promises Ctrl+Y for Redo; Ctrl+Shift+Z is the Linux desktops' key for it.
        {57644, "Ctrl+Y"}, {57644, "Ctrl+Shift+Z"},
        // Quit as every Linux program does.
        {ID_APP_EXIT, "Ctrl+Q"},
    };
    return accelerators;
}

const std::vector<ToolBarResource>& MenuResources::ToolBars()
{
    static const std::vector<ToolBarResource> bars = {
        {IDW_STANDARD_BAR, nullptr,
            {{ID_FILE_NEW, "new"}, {ID_FILE_OPEN, "open"}, {ID_FILE_SAVE, "save"}, {}, {57635, "cut"}, {57634, "copy"},
                {57637, "paste"}, {}, {ID_FILE_PRINT, "print"}, {ID_APP_ABOUT, "about"}, {ID_CONTEXT_HELP, "help"}},
            "ToolBarVisible", ID_VIEW_TOOLBAR},
        {IDW_ZOOM_BAR, nullptr,
            {{57643, "undo"}, {57644, "redo"}, {}, {44553, "zoom"}, {ID_ZOOM_TO_FIT, "zoom-fit"},
                {ID_ZOOM_TO_SELECTION, "zoom-selection"}, {44545, "pan"}},
            "ZoomBarVisible", ID_VIEW_ZOOM_BAR},
        {IDW_SYMBOLS_BAR, "Symbols",
            {{44538, "link"}, {32810, "link-orthogonal"}, {32793, "link-two-arrows"},
                {32811, "link-two-arrows-orthogonal"}, {32792, "link-arrow"}, {32812, "link-arrow-orthogonal"}, {},
                {32777, "shadow-box"}, {32779, "box"}, {32803, "connection-line"}},
            "GeneBarVisible", ID_VIEW_GENE_BAR},
        {IDW_DRAWING_BAR, nullptr,
            {{44525, "select"}, {44528, "edit-vertices"}, {44546, "properties"}, {}, {44518, "line"},
                {44522, "polyline"}, {44521, "polygon"}, {44524, "rectangle"}, {44520, "polycurve"},
                {44514, "closed-curve"}, {44516, "ellipse"}, {44526, "text"}, {32801, "curve-text"},
                {32780, "image"}, {32802, "port"}},
            "DrawingBarVisible", ID_VIEW_DRAWING_BAR},
        {IDW_ALIGN_BAR, nullptr,
            {{44505, "align-top"}, {44503, "align-middle"}, {44500, "align-bottom"}, {}, {44502, "align-left"},
                {44501, "align-center"}, {44504, "align-right"}},
            "AlignBarVisible", ID_VIEW_ALIGN_BAR},
        {IDW_NUDGE_BAR, nullptr,
            {{44543, "nudge-up"}, {44540, "nudge-down"}, {44541, "nudge-left"}, {44542, "nudge-right"}},
            "NudgeBarVisible", ID_VIEW_NUDGE_BAR},
        {IDW_ROTATE_BAR, nullptr,
            {{44532, "rotate"}, {44547, "rotate-left"}, {44548, "rotate-right"}, {44529, "flip-vertical"},
                {44530, "flip-horizontal"}},
            "RotateBarVisible", ID_VIEW_ROTATE_BAR},
        {IDW_STRUCTURE_BAR, nullptr,
            {{44536, "group"}, {44550, "ungroup"}, {}, {44533, "front"}, {44507, "back"}, {44531, "forward"},
                {44508, "backward"}},
            "StructureBarVisible", ID_VIEW_STRUCTURE_BAR},
    };
    return bars;
}
