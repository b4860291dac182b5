#pragma once

#include "platform/WinTypes.h"

#include <vector>

class CODComponent;
class CODTextComponent;

// The boxes of the texts a change touches: grown to their text after the
// change, as a text grows when it is typed, and put back exactly as they
// were when the change is undone (growing never shrinks a box again).
class CODTextFit {
public:
    // Remembers the box of each text component among the components, then grows it.
    void Grow(const std::vector<CODComponent*>& components);
    // The boxes remembered by the last Grow.
    void Restore();

private:
    struct Box {
        CODTextComponent* pText;
        std::vector<POINT> points;
    };

    std::vector<Box> m_boxes;
};
