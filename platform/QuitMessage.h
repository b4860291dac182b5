#pragma once

#include <optional>

// Ends the program's main loop with an exit code once the work in hand is done:
// posted, not immediate, so it also works before the loop has started.
class QuitMessage {
public:
    static void Post(int exitCode);
    // The exit code of the quit posted so far, if any.
    static std::optional<int> Posted();
    // Forgets a posted quit (tests make several batch runs in one process).
    static void Clear();
};
