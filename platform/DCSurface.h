#pragma once

#include "platform/BitmapPixels.h"
#include "platform/CBitmap.h"
#include "platform/DCState.h"

#include <QPainter>
#include <QPainterPath>

#include <vector>

// The state and the painter behind one CDC, for the drawing layer's own use.
// It paints on the selected bitmap, or through a painter lent by the caller
// (a window during its paint event, a printer page).
class DCSurface {
public:
    static QColor Colour(COLORREF colour)
    {
        return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
    }

    DCState state;
    std::vector<DCState> saved;
    HBITMAP bitmap;
    mutable QPainter painter;
    QPainter* lent = nullptr;  // the caller's painter on a window or a printer
    bool printing = false;
    int dpiX = 96;
    int dpiY = 96;
    bool pathOpen = false;
    bool pathReady = false;
    QPainterPath path;

    // The bitmap drawn on; none when drawing goes through a lent painter.
    QImage* Target() const { return !lent && bitmap ? &bitmap->DrawingSurface().Image() : nullptr; }

    // The device pixels that can be drawn on.
    QRect SurfaceRect() const;

    void End() const
    {
        if (painter.isActive())
            painter.end();
    }

    QTransform Mapping() const;

    // The painter, active on the bitmap, in logical units, clipped, with the
    // raster operation; none when there is nothing to draw on.
    QPainter* Begin(bool logical = true) const;

    double Scale() const;
    QPen Pen() const;
    QBrush Brush(const HBRUSH& brush) const;
    QPainter::CompositionMode PenMode() const;

    // Draws or, inside BeginPath/EndPath, records a shape.
    bool Shape(const QPainterPath& shape, bool fill);

    bool Paint(const QPainterPath& shape, bool stroke, bool fill);

    // Draws a 32-bit image into a device rectangle (negative sizes mirror).
    bool Blit(const QImage& source, const QRect& sourceRect, int x, int y, int width, int height,
              std::uint32_t rop) const;

    QRect DeviceRect(int x, int y, int width, int height) const;
    void MapToDevice(POINT* points, int count) const;
    void MapToLogical(POINT* points, int count) const;

    // The extents a fixed mapping mode implies.
    void FixExtents();

    // MM_ISOTROPIC keeps one unit the same length on both axes by shrinking
    // the viewport extent of the axis with the larger scale.
    void KeepIsotropic();

    QRegion WholeSurface() const;

    int ClipKind() const;
};
