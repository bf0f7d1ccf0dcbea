#pragma once
#include "reports/page_printer.h"
#include <QStringList>
#include <optional>
#include <vector>

namespace folio::reports {

// What a recording printer received: the pages as plain text in exact columns (column n
// is character n).
struct RecordedDocument {
    std::vector<QStringList> pages;

    // Every line of every page, with a line holding only a form feed between pages.
    QStringList lines() const;
};

// A page printer that writes text instead of ink, so a layout can be compared line by line.
class RecordingPagePrinter : public PagePrinter {
  public:
    // `linesPerPage` 0 means pages without end (a framed page then takes its page number
    // under its last line); `failOnLine` k > 0 makes the k-th line
    // fail as a printer would.
    explicit RecordingPagePrinter(RecordedDocument& document, int linesPerPage = 0,
                                  int failOnLine = 0)
        : document_(document), linesPerPage_(linesPerPage), failOnLine_(failOnLine) {}

    // Fonts and quality make no difference to text.
    void setFontName(const QString&) override {}
    void setFontSize(double) override {}
    void setPrintQuality(int) override {}
    void startReport(const PageFrame& frame) override;
    void printLine(const PrintLine& line) override;
    void newPage() override;
    void endDocument() override { finishPage(); }
    void abort() override {}

  private:
    // The page the next row goes on: a full page is finished and a new one opened, with
    // the report's heading when it is framed.
    QStringList& page();
    void addRows(QStringList& rows, const PrintLine& line) const;
    void finishPage();

    RecordedDocument& document_;
    int linesPerPage_;
    int failOnLine_;
    int linesPrinted_ = 0;
    bool pageEnded_ = true;
    bool pageFinished_ = true;
    std::optional<PageFrame> frame_;
    int pageNumber_ = 1;
};

} // namespace folio::reports
