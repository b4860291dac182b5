#pragma once

#include <string>

// The page the platform would print on by default: the default printer's
// paper when one is known, else A4 or Letter by the locale's measurement system.
struct PrinterDefaults {
    // Empty when no default printer is known.
    std::string strPrinterName;
    // The locale measures in millimetres (else in inches).
    bool bMetric = true;
    // Hundredths of a millimetre, portrait.
    int nPaperWidth = 0;
    int nPaperHeight = 0;
};

// Asked of the platform once; later calls answer the same.
const PrinterDefaults& GetPrinterDefaults();
