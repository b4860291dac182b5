#include "PrintedPage.h"

#include "platform/CPaintDeviceDC.h"

#include <QImage>
#include <QPainter>

namespace quorrel_test {

struct PrintedPage::Impl {
    QImage image;
    std::unique_ptr<QPainter> painter;
    std::unique_ptr<CPaintDeviceDC> dc;
};

PrintedPage::PrintedPage(int width, int height)
    : m_impl(std::make_unique<Impl>())
{
    m_impl->image = QImage(width, height, QImage::Format_RGB32);
    m_impl->image.fill(Qt::white);
    m_impl->painter = std::make_unique<QPainter>(&m_impl->image);
    m_impl->dc = std::make_unique<CPaintDeviceDC>(m_impl->painter.get(), true);
}

PrintedPage::~PrintedPage() = default;

CDC& PrintedPage::DC()
{
    return *m_impl->dc;
}

int PrintedPage::Count(const RECT& area, COLORREF colour)
{
    if (m_impl->dc) {
        m_impl->dc.reset();
        m_impl->painter->end();
    }
    const QRgb wanted = qRgb(GetRValue(colour), GetGValue(colour), GetBValue(colour));
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (m_impl->image.valid(x, y) && m_impl->image.pixel(x, y) == wanted)
                ++count;
    return count;
}

}  // namespace quorrel_test
