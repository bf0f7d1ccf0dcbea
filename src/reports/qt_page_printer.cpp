#include "reports/qt_page_printer.h"
#include <QFile>
#include <QFontMetricsF>
#include <QPrinter>

namespace folio::reports {

QtPagePrinter::QtPagePrinter(QPrinter& printer, PrinterSettings& settings)
    : printer_(printer), settings_(settings) {}

QtPagePrinter::~QtPagePrinter() {
    if (painter_.isActive()) {
        abort();
    }
}

void QtPagePrinter::setFontName(const QString& name) {
    settings_.fontName = name;
    applyFont();
}

void QtPagePrinter::setFontSize(double points) {
    settings_.fontSize = points;
    applyFont();
}

void QtPagePrinter::setPrintQuality(int dotsPerInch) {
    settings_.quality = dotsPerInch;
    // The resolution can only change before painting begins; later copies keep it.
    if (!painter_.isActive() && dotsPerInch > 0) {
        printer_.setResolution(dotsPerInch);
    }
}

void QtPagePrinter::begin() {
    if (painter_.isActive()) {
        return;
    }
    if (settings_.quality > 0) {
        printer_.setResolution(settings_.quality);
    }
    if (!painter_.begin(&printer_)) {
        throw PrintError();
    }
    applyFont();
}

void QtPagePrinter::applyFont() {
    if (!painter_.isActive()) {
        return;
    }
    QFont font = painter_.font();
    if (!settings_.fontName.isEmpty()) {
        font.setFamily(settings_.fontName);
    }
    if (settings_.fontSize > 0) {
        font.setPointSizeF(settings_.fontSize);
    }
    painter_.setFont(font);
}

void QtPagePrinter::startPageIfEnded() {
    if (!pageEnded_) {
        return;
    }
    pageEnded_ = false;
    top_ = 0;
    if (!printer_.newPage()) {
        throw PrintError();
    }
}

void QtPagePrinter::printLine(const PrintLine& line) {
    begin();
    startPageIfEnded();
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    const PlacedLine placed =
        placeLine(line, metrics.averageCharWidth(),
                  [&metrics](const QString& text) { return metrics.horizontalAdvance(text); });
    const double pageHeight = printer_.pageRect(QPrinter::DevicePixel).height();
    const double lineHeight = metrics.lineSpacing();
    for (int row = 0; row < placed.rows; ++row) {
        if (top_ > 0 && top_ + lineHeight > pageHeight) {
            pageEnded_ = true; // the printer's own page break
            startPageIfEnded();
        }
        for (const Placement& p : placed.texts) {
            if (p.row == row) {
                painter_.drawText(QPointF(p.x, top_ + metrics.ascent()), p.text);
            }
        }
        top_ += lineHeight;
    }
    if (printer_.printerState() == QPrinter::Error) {
        throw PrintError();
    }
}

void QtPagePrinter::newPage() {
    begin();
    pageEnded_ = true;
}

void QtPagePrinter::endDocument() {
    begin();
    if (!painter_.end() || printer_.printerState() == QPrinter::Error) {
        throw PrintError();
    }
}

void QtPagePrinter::abort() {
    if (!painter_.isActive()) {
        return;
    }
    const bool dropped = printer_.abort();
    painter_.end();
    // A PDF engine cannot take back what it wrote; remove the unfinished file instead.
    if (!dropped && printer_.outputFormat() == QPrinter::PdfFormat &&
        !printer_.outputFileName().isEmpty()) {
        QFile::remove(printer_.outputFileName());
    }
}

} // namespace folio::reports
