#pragma once

#include <QImage>

// The pixels behind a CBitmap, for the drawing layer's own use: always 32-bit
// RGB, which every drawing and blit works on without conversion.
class BitmapPixels {
public:
    BitmapPixels(int width, int height);

    QImage& Image() { return m_image; }
    const QImage& Image() const { return m_image; }

private:
    QImage m_image;
};
