#pragma once

#include <string>
#include <utility>
#include <vector>

// The menus and accelerators of the main window, as tables: text ('&' marks the
// mnemonic, text after a tab the accelerator shown) and command identifier.
struct MenuItem {
    MenuItem() = default;  // a separator
    MenuItem(std::string itemText, unsigned int itemId)
        : text(std::move(itemText))
        , id(itemId)
    {
    }
    MenuItem(std::string popupText, std::vector<MenuItem> popupItems)
        : text(std::move(popupText))
        , items(std::move(popupItems))
    {
    }

    std::string text;  // empty with no id and no items: a separator
    unsigned int id = 0;
    std::vector<MenuItem> items;  // not empty: a popup menu
};

// One toolbar: its window id (whose string is its caption, unless it has a
// caption of its own), its buttons (id 0: a separator; icon: the image's name
// in the program's resources), its visibility key and its toggle command.
struct ToolBarButton {
    unsigned int id = 0;
    const char* icon = nullptr;
};

struct ToolBarResource {
    unsigned int windowId;
    const char* caption;  // nullptr: the string with the window id
    std::vector<ToolBarButton> buttons;
    const char* visibilityKey;
    unsigned int toggleId;
};

class MenuResources {
public:
    // Resource 129: the menu while a chart window is open.
    static const std::vector<MenuItem>& ChartWindowMenu();
    // Resource 128: the menu while no chart window is open.
    static const std::vector<MenuItem>& MainWindowMenu();
    // Resource 149: the chart's context menu, "&Viewport" while nothing is
    // selected and "&Component" while something is.
    static const std::vector<MenuItem>& ContextMenu();
    // Resource 128: command identifier and key, in Qt's portable key text.
    static const std::vector<std::pair<unsigned int, const char*>>& Accelerators();
    // The eight dockable toolbars, in the order they are created.
    static const std::vector<ToolBarResource>& ToolBars();
};

// The toolbars' window identifiers.
enum : unsigned int {
    IDW_STANDARD_BAR = 22109,
    IDW_ZOOM_BAR = 22113,
    IDW_SYMBOLS_BAR = 130,
    IDW_DRAWING_BAR = 22079,
    IDW_ALIGN_BAR = 22067,
    IDW_NUDGE_BAR = 22100,
    IDW_ROTATE_BAR = 22108,
    IDW_STRUCTURE_BAR = 22110,
};

// The command identifiers the shell handles itself.
enum : unsigned int {
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_CLOSE = 57602,
    ID_FILE_MRU_FILE1 = 57616,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_WINDOW_CASCADE = 57650,
    ID_WINDOW_TILE_HORZ = 57651,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,
    ID_VIEW_ZOOM_BAR = 32782,
    ID_VIEW_ROTATE_BAR = 32783,
    ID_VIEW_NUDGE_BAR = 32784,
    ID_VIEW_ALIGN_BAR = 32785,
    ID_VIEW_STRUCTURE_BAR = 32786,
    ID_VIEW_DRAWING_BAR = 32787,
    ID_VIEW_GENE_BAR = 32788,
    ID_VIEW_ALL_OFF = 32790,
    ID_VIEW_ALL_ON = 32799,
    ID_HELP_FINDER = 57667,
    ID_CONTEXT_HELP = 57669,
    ID_HELP = 57670,
    ID_WINDOW_NEW = 57648,
    ID_RUN_COMMAND_FILE = 32820,
    // Our own: a GEDCOM file made into a project.
    ID_IMPORT_GEDCOM = 32830,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_PAGE_SETUP = 57605,
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_FILE_MRU_FILE4 = 57619,
    ID_FILE_EXPORT = 32798,
    ID_PRINT_CUT_MARKS = 32808,
    ID_SIZE_TO_COMPONENTS = 32776,
    ID_VIEW_RULERS = 32813,
    ID_VIEW_PORTS = 32815,
    ID_SCALE_DRAWING_UP = 32817,
    ID_SCALE_DRAWING_DOWN = 32818,
    ID_RESIZE_DRAWING = 32819,
    ID_ZOOM_TO_FIT = 44560,
    ID_ZOOM_TO_SELECTION = 44563,
    ID_ZOOM_100 = 44554,
    ID_ZOOM_200 = 44555,
    ID_ZOOM_50 = 44556,
    ID_ZOOM_75 = 44557,
    ID_ZOOM_NORMAL = 44561,
    ID_VIEW_GRID = 44534,
    ID_VIEW_PAGE_BOUNDS = 44544,
    ID_SNAP_TO_GRID = 44549,
    ID_ANGLE_SNAP = 44506,
};
