#pragma once

#include "platform/CDC.h"
#include "platform/GdiTypes.h"

#include <string>
#include <vector>

namespace quorrel_test {

// A memory context drawing into a 24-bit DIB section, the form every export
// uses, with its pixels read back through GetDIBits.
class DibCanvas {
public:
    DibCanvas(int width, int height, COLORREF background = RGB(255, 255, 255));
    ~DibCanvas();

    CDC& DC() { return m_dc; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // Device pixel; CLR_INVALID outside.
    COLORREF Pixel(int x, int y) const;
    // Every pixel, row by row from the top.
    std::vector<COLORREF> Pixels() const;
    // Pixels of the colour inside the rectangle (right and bottom exclusive).
    int Count(const RECT& area, COLORREF colour) const;
    // Enclosing rectangle of the pixels that differ from the background; empty when none.
    RECT InkBounds() const;
    // Writes <name>.png into the directory named by QUORREL_TEST_PNG_DIR, when set.
    void SaveIfAsked(const std::string& name) const;

private:
    std::vector<std::uint8_t> Rows() const;  // top-down, 3 bytes a pixel, padded rows

    CDC m_dc;
    HBITMAP m_bitmap;
    HBITMAP m_previous;
    int m_width;
    int m_height;
    COLORREF m_background;
};

}  // namespace quorrel_test
