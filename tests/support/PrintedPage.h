#pragma once

#include "platform/CDC.h"

#include <memory>

namespace quorrel_test {

// A printer context on a white page image, for drawing that differs when
// printed (cut marks, no grid); pixels are read after the context is ended.
class PrintedPage {
public:
    PrintedPage(int width, int height);
    ~PrintedPage();

    CDC& DC();
    // Ends the printer context (once) and counts the pixels of the colour in the rectangle.
    int Count(const RECT& area, COLORREF colour);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

}  // namespace quorrel_test
