#pragma once

#include "platform/CDC.h"

class QPainter;

// A device context that draws through a painter the caller has begun on a
// window (in its paint event) or on a printer, for app/ and the chart view.
// A window context has 96 pixels per inch; a printer context the printer's
// resolution and IsPrinting. The painter's own state is restored when the
// context goes; pixels cannot be read back.
class CPaintDeviceDC : public CDC {
public:
    CPaintDeviceDC(QPainter* pPainter, bool bPrinting);
    ~CPaintDeviceDC() override;
    CPaintDeviceDC(const CPaintDeviceDC&) = delete;
    CPaintDeviceDC& operator=(const CPaintDeviceDC&) = delete;

private:
    QPainter* m_pPainter;
};
