#include "platform/CBrush.h"
#include "platform/CPaintDeviceDC.h"
#include "platform/CPen.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

TEST(PaintDeviceDC, DrawsThroughTheCallersPainterAndLeavesItAsItWas)
{
    QImage window(40, 30, QImage::Format_RGB32);
    window.fill(Qt::white);
    QPainter painter(&window);
    const QPen callerPen(Qt::green);
    painter.setPen(callerPen);
    {
        CPaintDeviceDC dc(&painter, false);
        EXPECT_FALSE(dc.IsPrinting());
        EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSX), 96);
        EXPECT_EQ(dc.GetDeviceCaps(HORZRES), 40);
        EXPECT_EQ(dc.GetDeviceCaps(TECHNOLOGY), DT_RASDISPLAY);
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetViewportOrg(10, 10);
        dc.FillRect(RECT{0, 0, 5, 5}, CBrush::CreateSolidBrush(RGB(255, 0, 0)));
        EXPECT_EQ(dc.GetPixel(1, 1), CLR_INVALID) << "no pixels to read on a window";
    }
    EXPECT_EQ(painter.pen(), callerPen);
    painter.end();
    EXPECT_EQ(window.pixel(12, 12), qRgb(255, 0, 0));
    EXPECT_EQ(window.pixel(9, 9), qRgb(255, 255, 255));
    EXPECT_EQ(window.pixel(15, 15), qRgb(255, 255, 255));
}

TEST(PaintDeviceDC, APrinterContextHasThePrintersResolution)
{
    QImage page(850, 1100, QImage::Format_RGB32);
    page.setDotsPerMeterX(11811);  // 300 pixels per inch
    page.setDotsPerMeterY(11811);
    page.fill(Qt::white);
    QPainter painter(&page);
    CPaintDeviceDC dc(&painter, true);
    EXPECT_TRUE(dc.IsPrinting());
    EXPECT_EQ(dc.GetDeviceCaps(TECHNOLOGY), DT_RASPRINTER);
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSY), 300);
    dc.SetMapMode(MM_HIENGLISH);
    POINT inch{1000, -1000};
    dc.LPtoDP(&inch, 1);
    EXPECT_EQ(inch.x, 300);
    EXPECT_EQ(inch.y, 300);
}

}  // namespace
