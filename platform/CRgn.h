#pragma once

#include "platform/CGdiObject.h"
#include "platform/GdiTypes.h"

#include <memory>

class RegionData;

// An area of device pixels, as GDI regions are: a clip region is given in
// device units, so convert logical points with CDC::LPtoDP first.
class CRgn : public CGdiObject {
public:
    CRgn();
    CRgn(const CRgn& other);
    CRgn& operator=(const CRgn& other);
    ~CRgn() override;

    // Right and bottom exclusive.
    static HRGN CreateRectRgn(int left, int top, int right, int bottom);
    // fillMode ALTERNATE or WINDING.
    static HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode);

    int GetObjectType() const override { return OBJ_REGION; }
    // This becomes a combined with b by RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF or
    // RGN_COPY (a alone); returns NULLREGION, SIMPLEREGION, COMPLEXREGION or RGN_ERROR.
    int CombineRgn(const CRgn& a, const CRgn& b, int mode);
    int OffsetRgn(int dx, int dy);
    bool PtInRegion(int x, int y) const;
    // Enclosing rectangle; returns the region kind as CombineRgn does.
    int GetRgnBox(RECT* rect) const;

    // For the drawing layer.
    const RegionData& Data() const { return *m_data; }
    RegionData& Data() { return *m_data; }

private:
    std::unique_ptr<RegionData> m_data;
};
