#include "platform/CPaintDeviceDC.h"

#include "platform/DCSurface.h"

#include <QPaintDevice>

CPaintDeviceDC::CPaintDeviceDC(QPainter* pPainter, bool bPrinting) : m_pPainter(pPainter)
{
    if (!m_pPainter || !m_pPainter->isActive())
        return;
    m_pPainter->save();
    DCSurface& surface = Surface();
    surface.lent = m_pPainter;
    surface.printing = bPrinting;
    if (bPrinting && m_pPainter->device()) {
        surface.dpiX = m_pPainter->device()->logicalDpiX();
        surface.dpiY = m_pPainter->device()->logicalDpiY();
    }
}

CPaintDeviceDC::~CPaintDeviceDC()
{
    if (Surface().lent)
        m_pPainter->restore();
}
