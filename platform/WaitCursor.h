#pragma once

// The application's hourglass while work holds the user-interface thread.
// Begin and End nest; without a graphical application they only count.
class WaitCursor {
public:
    static void Begin();
    static void End();
    // Shows the wait cursor again when something (a dialog) has changed it meanwhile.
    static void Restore();
    // How many Begin calls have not been ended yet.
    static int Depth();
};
