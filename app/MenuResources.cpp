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
                        {"&Alignment", 32785},
                        {"&Drawing", 32787},
                        {"&Nudge", 32784},
                        {"&Rotate", 32783},
                        {"S&tandard", 59392},
                        {"&Status Bar", ID_VIEW_STATUS_BAR},
                        {"St&ructure", 32786},
                        {"S&ymbols", 32788},
                        {"&Zoom/Pan", 32782},
                        Separator(),
                        {"All &Off", 32790},
                        {"All &On", 32799},
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
                {"&New Window", 57648},
                {"&Cascade", ID_WINDOW_CASCADE},
                {"&Tile", ID_WINDOW_TILE_HORZ},
                {"&Arrange Icons", 57649},
            }),
        Popup("&Help",
            {
                {"&Help Topics", 57667},
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
        Popup("&View", {{"&Toolbar", 59392}, {"&Status Bar", ID_VIEW_STATUS_BAR}}),
        Popup("&Help", {{"&About Quorrel...", ID_APP_ABOUT}}),
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
    };
    return accelerators;
}
