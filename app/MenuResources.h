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

class MenuResources {
public:
    // Resource 129: the menu while a chart window is open.
    static const std::vector<MenuItem>& ChartWindowMenu();
    // Resource 128: the menu while no chart window is open.
    static const std::vector<MenuItem>& MainWindowMenu();
    // Resource 128: command identifier and key, in Qt's portable key text.
    static const std::vector<std::pair<unsigned int, const char*>>& Accelerators();
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
    ID_VIEW_STATUS_BAR = 59393,
    ID_RUN_COMMAND_FILE = 32820,
};
