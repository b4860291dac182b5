#include "platform/BitmapPixels.h"

BitmapPixels::BitmapPixels(int width, int height) : m_image(width, height, QImage::Format_RGB32)
{
    if (!m_image.isNull()) {
        m_image.fill(Qt::black);
        // 96 pixels per inch, so Qt measures as the rest of the layer does.
        m_image.setDotsPerMeterX(3780);
        m_image.setDotsPerMeterY(3780);
    }
}
