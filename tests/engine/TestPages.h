#pragma once

#include "engine/CODPageSettings.h"

namespace test_pages {

// Paper in thousandths of an inch with no minimum margins: at 96 pixels per
// inch, 1042 x 833 is a page of 100 x 80 units.
inline void SetPaper(CODPageSettings& settings, const SIZE& paper, const RECT& margins = RECT{0, 0, 0, 0})
{
    settings.SetUnits(CODPageSettings::kThousandthsOfInches);
    settings.SetPaperSize(paper);
    settings.SetMinMargins(RECT{0, 0, 0, 0});
    settings.SetMargins(margins);
}

}  // namespace test_pages
