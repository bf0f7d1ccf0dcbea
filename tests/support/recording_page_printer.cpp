#include "support/recording_page_printer.h"

namespace folio::reports {

QStringList RecordedDocument::lines() const {
    QStringList all;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            all << "\f";
        }
        all << pages[i];
    }
    return all;
}

void RecordingPagePrinter::startReport(const PageFrame& frame) {
    frame_ = frame;
    pageNumber_ = 1;
}

void RecordingPagePrinter::addRows(QStringList& rows, const PrintLine& line) const {
    const PlacedLine placed =
        placeLine(line, 1, [](const QString& text) { return static_cast<double>(text.size()); });
    QStringList placedRows(placed.rows);
    for (const Placement& p : placed.texts) {
        QString& row = placedRows[p.row];
        const auto column = static_cast<qsizetype>(p.x);
        row = row.leftJustified(column, u' ', true) + p.text;
    }
    rows << placedRows;
}

void RecordingPagePrinter::finishPage() {
    if (pageFinished_ || document_.pages.empty()) {
        return;
    }
    pageFinished_ = true;
    if (frame_) {
        QStringList& last = document_.pages.back();
        last << QString();
        addRows(last,
                PrintLine().centred(frame_->width, QStringLiteral("Page %1").arg(pageNumber_)));
    }
}

QStringList& RecordingPagePrinter::page() {
    const int footer = frame_ ? 2 : 0;
    const bool full =
        !pageEnded_ && linesPerPage_ > 0 && document_.pages.back().size() >= linesPerPage_ - footer;
    if (pageEnded_ || full) {
        if (full) {
            finishPage();
        }
        document_.pages.emplace_back();
        pageEnded_ = false;
        pageFinished_ = false;
        if (full) {
            ++pageNumber_;
            if (frame_) {
                for (const PrintLine& heading : frame_->heading) {
                    addRows(document_.pages.back(), heading);
                }
                document_.pages.back() << QString();
            }
        }
    }
    return document_.pages.back();
}

void RecordingPagePrinter::printLine(const PrintLine& line) {
    if (++linesPrinted_ == failOnLine_) {
        throw PrintError();
    }
    QStringList rows;
    addRows(rows, line);
    for (const QString& row : rows) {
        page() << row;
    }
}

void RecordingPagePrinter::newPage() {
    if (document_.pages.empty()) {
        document_.pages.emplace_back(); // a page break before any line ends an empty page
        pageFinished_ = false;
    }
    if (!pageEnded_ || document_.pages.size() == 1) {
        finishPage();
    }
    pageEnded_ = true;
}

} // namespace folio::reports
