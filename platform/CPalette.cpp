#include "platform/CPalette.h"

#include <memory>

CPalette::CPalette(std::vector<PALETTEENTRY> entries) : m_entries(std::move(entries)) {}

HPALETTE CPalette::CreatePalette(const PALETTEENTRY* entries, int count)
{
    if (!entries || count <= 0)
        return nullptr;
    return std::make_shared<const CPalette>(std::vector<PALETTEENTRY>(entries, entries + count));
}

HPALETTE CPalette::CreateHalftonePalette()
{
    // The 6 x 6 x 6 colour cube.
    std::vector<PALETTEENTRY> entries;
    for (int red = 0; red < 6; ++red)
        for (int green = 0; green < 6; ++green)
            for (int blue = 0; blue < 6; ++blue)
                entries.push_back(PALETTEENTRY{static_cast<std::uint8_t>(red * 51),
                                               static_cast<std::uint8_t>(green * 51),
                                               static_cast<std::uint8_t>(blue * 51), 0});
    return std::make_shared<const CPalette>(std::move(entries));
}

HPALETTE CPalette::GetDefaultPalette()
{
    static const HPALETTE palette = [] {
        std::vector<PALETTEENTRY> entries;
        for (int i = 0; i < 8; ++i)
            entries.push_back(PALETTEENTRY{static_cast<std::uint8_t>(i & 1 ? 255 : 0),
                                           static_cast<std::uint8_t>(i & 2 ? 255 : 0),
                                           static_cast<std::uint8_t>(i & 4 ? 255 : 0), 0});
        return std::make_shared<const CPalette>(std::move(entries));
    }();
    return palette;
}
