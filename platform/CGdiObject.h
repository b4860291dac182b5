#pragma once

#include "platform/GdiHandles.h"

// Base of the drawing objects that are created and selected into a CDC.
class CGdiObject {
public:
    virtual ~CGdiObject() = default;
    // OBJ_PEN, OBJ_BRUSH, OBJ_FONT, OBJ_BITMAP, OBJ_REGION or OBJ_PAL.
    virtual int GetObjectType() const = 0;
};
