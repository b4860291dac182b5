#include "platform/PrinterDefaults.h"

#include "platform/Arithmetic.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPageSize>
#include <QPrinterInfo>

namespace {

constexpr double kHundredthsPerMillimetre = 100.0;
constexpr int kA4Width = 21000;
constexpr int kA4Height = 29700;
constexpr int kLetterWidth = 21590;
constexpr int kLetterHeight = 27940;

PrinterDefaults Query()
{
    PrinterDefaults defaults;
    defaults.bMetric = QLocale::system().measurementSystem() == QLocale::MetricSystem;
    defaults.nPaperWidth = defaults.bMetric ? kA4Width : kLetterWidth;
    defaults.nPaperHeight = defaults.bMetric ? kA4Height : kLetterHeight;
    // The printer plugins need an application object.
    if (!QCoreApplication::instance())
        return defaults;
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull())
        return defaults;
    defaults.strPrinterName = printer.printerName().toStdString();
    const QSizeF size = printer.defaultPageSize().size(QPageSize::Millimeter);
    if (size.width() > 0 && size.height() > 0) {
        defaults.nPaperWidth = RoundHalfAwayFromZero(size.width() * kHundredthsPerMillimetre);
        defaults.nPaperHeight = RoundHalfAwayFromZero(size.height() * kHundredthsPerMillimetre);
    }
    return defaults;
}

}  // namespace

const PrinterDefaults& GetPrinterDefaults()
{
    static const PrinterDefaults defaults = Query();
    return defaults;
}
