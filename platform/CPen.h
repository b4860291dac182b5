#pragma once

#include "platform/CGdiObject.h"
#include "platform/GdiTypes.h"

// A pen: style PS_SOLID ... PS_NULL, width in logical units (0 draws one
// device pixel whatever the mapping) and colour. As in GDI, the dashed styles
// apply only to pens no wider than 1; wider ones draw solid.
class CPen : public CGdiObject {
public:
    explicit CPen(const LOGPEN& logPen);

    static HPEN CreatePen(int style, int width, COLORREF colour);
    static HPEN CreatePenIndirect(const LOGPEN& logPen);
    // WHITE_PEN, BLACK_PEN or NULL_PEN; any other id gives the black pen.
    static HPEN GetStockPen(int id);

    int GetObjectType() const override { return OBJ_PEN; }
    const LOGPEN& GetLogPen() const { return m_logPen; }

private:
    LOGPEN m_logPen;
};
