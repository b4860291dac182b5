#pragma once

#include "platform/CGdiObject.h"
#include "platform/GdiTypes.h"

#include <vector>

// A logical palette. The display is true colour, so selecting and realizing a
// palette changes nothing; the entries are kept for those who read them back.
class CPalette : public CGdiObject {
public:
    explicit CPalette(std::vector<PALETTEENTRY> entries);

    static HPALETTE CreatePalette(const PALETTEENTRY* entries, int count);
    static HPALETTE CreateHalftonePalette();
    // The palette a fresh context holds.
    static HPALETTE GetDefaultPalette();

    int GetObjectType() const override { return OBJ_PAL; }
    const std::vector<PALETTEENTRY>& GetEntries() const { return m_entries; }

private:
    std::vector<PALETTEENTRY> m_entries;
};
