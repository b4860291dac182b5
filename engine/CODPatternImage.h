#pragma once

#include "platform/GdiHandles.h"

class CDC;

// A picture a fill can tile (fill style 3). Implemented by the image classes;
// fills share the picture and compare it by identity.
class CODPatternImage {
public:
    virtual ~CODPatternImage() = default;
    // A device-dependent bitmap of the picture for the context, or none.
    virtual HBITMAP MakeBitmap(CDC* pDC) const = 0;
};
