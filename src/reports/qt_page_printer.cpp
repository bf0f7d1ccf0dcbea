#include "reports/qt_page_printer.h"
#include <QFile>
#include <QFontMetricsF>
#include <QLocale>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

namespace folio::reports {

QPageSize defaultPaper(const QLocale& locale, const std::optional<QPageSize>& printerPaper) {
    if (printerPaper && printerPaper->isValid()) {
        return *printerPaper;
    }
    const bool letter = locale.language() == QLocale::C ||
                        locale.measurementSystem() == QLocale::ImperialUSSystem ||
                        locale.territory() == QLocale::Canada;
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

void useDefaultPaper(QPrinter& printer) {
    const QPrinterInfo installed = QPrinterInfo::defaultPrinter();
    const std::optional<QPageSize> paper =
        installed.isNull() ? std::nullopt : std::optional<QPageSize>(installed.defaultPageSize());
    printer.setPageSize(defaultPaper(QLocale::system(), paper));
}

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
    top_ = margin();
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

double QtPagePrinter::margin() const {
    return kMarginInches * printer_.resolution();
}

double QtPagePrinter::bottom(const QFontMetricsF& metrics) const {
    const double pageHeight = printer_.pageRect(QPrinter::DevicePixel).height();
    const double footer = frame_ ? 2 * metrics.lineSpacing() : 0;
    return pageHeight - margin() - footer;
}

void QtPagePrinter::startReport(const PageFrame& frame) {
    frame_ = frame;
    pageNumber_ = 1;
}

void QtPagePrinter::startPageIfEnded() {
    if (!pageEnded_) {
        return;
    }
    pageEnded_ = false;
    pageFinished_ = false;
    top_ = margin();
    if (!printer_.newPage()) {
        throw PrintError();
    }
}

void QtPagePrinter::finishPage() {
    if (pageFinished_ || !frame_) {
        pageFinished_ = true;
        return;
    }
    pageFinished_ = true;
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    const QString number = QStringLiteral("Page %1").arg(pageNumber_);
    const double width = frame_->width * metrics.averageCharWidth();
    const double x = margin() + (width - metrics.horizontalAdvance(number)) / 2;
    const double y = bottom(metrics) + metrics.lineSpacing() + metrics.ascent();
    painter_.drawText(QPointF(std::max(margin(), x), y), number);
}

void QtPagePrinter::drawLine(const PrintLine& line, bool mayBreak) {
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    const PlacedLine placed =
        placeLine(line, metrics.averageCharWidth(),
                  [&metrics](const QString& text) { return metrics.horizontalAdvance(text); });
    const double lineHeight = metrics.lineSpacing();
    for (int row = 0; row < placed.rows; ++row) {
        if (mayBreak && top_ > margin() && top_ + lineHeight > bottom(metrics)) {
            finishPage(); // the printer's own page break
            pageEnded_ = true;
            startPageIfEnded();
            ++pageNumber_;
            if (frame_) {
                for (const PrintLine& heading : frame_->heading) {
                    drawLine(heading, false);
                }
                top_ += lineHeight;
            }
        }
        for (const Placement& p : placed.texts) {
            if (p.row == row) {
                painter_.drawText(QPointF(margin() + p.x, top_ + metrics.ascent()), p.text);
            }
        }
        top_ += lineHeight;
    }
}

void QtPagePrinter::printLine(const PrintLine& line) {
    begin();
    startPageIfEnded();
    drawLine(line, true);
    if (printer_.printerState() == QPrinter::Error) {
        throw PrintError();
    }
}

void QtPagePrinter::newPage() {
    begin();
    if (!pageEnded_) {
        finishPage();
    }
    pageEnded_ = true;
}

void QtPagePrinter::endDocument() {
    begin();
    if (!pageEnded_) {
        finishPage();
    }
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
