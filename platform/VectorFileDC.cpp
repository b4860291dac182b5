#include "platform/VectorFileDC.h"

#include "platform/DCSurface.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cstdio>

namespace {

constexpr int kScreenPixelsPerInch = 96;

}  // namespace

struct VectorFileDC::Impl {
    std::string path;
    std::unique_ptr<QPdfWriter> pdf;
    std::unique_ptr<QSvgGenerator> svg;
    QPainter painter;
};

VectorFileDC::VectorFileDC(Format format, const std::string& strPath, int nWidth, int nHeight, bool bPrinting,
                           const std::string& strTitle)
    : m_impl(std::make_unique<Impl>())
{
    if (nWidth <= 0 || nHeight <= 0)
        return;
    m_impl->path = strPath;
    const QString path = QString::fromStdString(strPath);
    const QString title = QString::fromStdString(strTitle);
    QPaintDevice* device = nullptr;
    if (format == Format::Pdf) {
        m_impl->pdf = std::make_unique<QPdfWriter>(path);
        QPdfWriter& pdf = *m_impl->pdf;
        pdf.setResolution(kPointsPerInch);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Quorrel"));
        pdf.setPageLayout(QPageLayout(QPageSize(QSizeF(nWidth, nHeight), QPageSize::Point), QPageLayout::Portrait,
                                      QMarginsF(), QPageLayout::Point));
        device = &pdf;
    } else {
        m_impl->svg = std::make_unique<QSvgGenerator>();
        QSvgGenerator& svg = *m_impl->svg;
        svg.setFileName(path);
        svg.setSize(QSize(nWidth, nHeight));
        svg.setViewBox(QRect(0, 0, nWidth, nHeight));
        // Its width and height in millimetres then show it at the picture's size.
        svg.setResolution(kScreenPixelsPerInch);
        svg.setTitle(title);
        device = &svg;
    }
    if (!m_impl->painter.begin(device))
        return;
    DCSurface& surface = Surface();
    surface.lent = &m_impl->painter;
    surface.printing = bPrinting;
}

VectorFileDC::~VectorFileDC()
{
    if (IsOpen()) {
        m_impl->painter.end();
        std::remove(m_impl->path.c_str());
    }
}

bool VectorFileDC::IsOpen() const
{
    return m_impl->painter.isActive();
}

bool VectorFileDC::NewPage()
{
    if (!IsOpen() || !m_impl->pdf || !m_impl->pdf->newPage())
        return false;
    // The painter starts the page afresh; so does the context.
    while (RestoreDC(-1)) {
    }
    return true;
}

bool VectorFileDC::Close()
{
    if (!IsOpen())
        return false;
    Surface().lent = nullptr;
    const bool ended = m_impl->painter.end();
    const QFileInfo file(QString::fromStdString(m_impl->path));
    if (ended && file.exists() && file.size() > 0)
        return true;
    std::remove(m_impl->path.c_str());
    return false;
}
