#pragma once

#include "engine/CODCommand.h"
#include "platform/WinTypes.h"

// Switches the transparent colour of image components on or off and sets it;
// undo gives each image back its own switch and colour.
class CODTransparencyCommand : public CODCommand {
public:
    CODTransparencyCommand(CODModel* pModel, const std::vector<CODComponent*>& images, bool bTransparent,
                           COLORREF crTransparent);

    // Components that are no images are left alone; false when none is one.
    bool Execute() override;
    bool Unexecute() override;
    std::string GetDescription() const override;

private:
    struct Before {
        int bTransparent = 0;
        COLORREF crTransparent = 0;
    };

    bool m_bTransparent;
    COLORREF m_crTransparent;
    std::vector<Before> m_before;
};
