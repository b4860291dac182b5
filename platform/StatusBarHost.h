#pragma once

#include "platform/WinTypes.h"

#include <string>

// The main window's status bar as the progress indicator sees it: a message pane
// that can be split to make room for one progress bar. Geometry is in the status
// bar's pixels. The main window registers its own; tests register a recorder.
class StatusBarHost {
public:
    virtual ~StatusBarHost();

    // Puts the text into the message pane and shows it at once.
    virtual void SetMessageText(const std::string& text) = 0;
    // The message pane as it is without a progress bar.
    virtual RECT MessagePaneRect() const = 0;
    // Widths in the status bar's font.
    virtual int TextWidth(const std::string& text) const = 0;
    virtual int AverageCharWidth() const = 0;
    // Ends the message pane at rect.left and shows a progress bar (0 to 100) over rect.
    virtual void InsertProgress(const RECT& rect) = 0;
    virtual void SetProgressPos(int percent) = 0;
    // Removes the progress bar and gives the message pane its whole width back.
    virtual void RemoveProgress() = 0;

    // The status bar of the main window; nullptr when there is none.
    static StatusBarHost* Current();
    static void SetCurrent(StatusBarHost* host);
};
