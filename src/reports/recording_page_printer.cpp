#include "reports/recording_page_printer.h"

namespace folio::reports {

QStringList RecordedDocument::lines() const {
    QStringList all;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            all << QStringLiteral("\f");
        }
        all << pages[i];
    }
    return all;
}

void RecordingPagePrinter::setFontName(const QString& name) {
    document_.fontName = name;
    ++document_.settingCalls;
}

void RecordingPagePrinter::setFontSize(double points) {
    document_.fontSize = points;
    ++document_.settingCalls;
}

void RecordingPagePrinter::setPrintQuality(int dotsPerInch) {
    document_.quality = dotsPerInch;
    ++document_.settingCalls;
}

QStringList& RecordingPagePrinter::page() {
    if (pageEnded_ || (linesPerPage_ > 0 && document_.pages.back().size() >= linesPerPage_)) {
        document_.pages.emplace_back();
        pageEnded_ = false;
    }
    return document_.pages.back();
}

void RecordingPagePrinter::printLine(const PrintLine& line) {
    if (++linesPrinted_ == failOnLine_) {
        throw PrintError();
    }
    const PlacedLine placed =
        placeLine(line, 1, [](const QString& text) { return static_cast<double>(text.size()); });
    QStringList rows(placed.rows);
    for (const Placement& p : placed.texts) {
        QString& row = rows[p.row];
        const auto column = static_cast<qsizetype>(p.x);
        row = row.leftJustified(column, u' ', true) + p.text;
    }
    for (const QString& row : rows) {
        page() << row;
    }
}

void RecordingPagePrinter::newPage() {
    if (document_.pages.empty()) {
        document_.pages.emplace_back(); // a page break before any line ends an empty page
    }
    pageEnded_ = true;
}

void RecordingPagePrinter::endDocument() {
    document_.ended = true;
}

void RecordingPagePrinter::abort() {
    document_.aborted = true;
}

} // namespace folio::reports
