#pragma once
#include "reports/page_printer.h"
#include <QStringList>
#include <vector>

namespace folio::reports {

// What a recording printer received: the pages as plain text in exact columns (column n
// is character n), the settings last made and how the document ended.
struct RecordedDocument {
    std::vector<QStringList> pages;
    bool ended = false;
    bool aborted = false;
    QString fontName;
    double fontSize = 0;
    int quality = 0;
    int settingCalls = 0; // how often a font, size or quality was set

    // Every line of every page, with a line holding only a form feed between pages.
    QStringList lines() const;
};

// A page printer that writes text instead of ink, so a layout can be compared line by line.
class RecordingPagePrinter : public PagePrinter {
  public:
    // `linesPerPage` 0 means pages without end; `failOnLine` k > 0 makes the k-th line
    // fail as a printer would.
    explicit RecordingPagePrinter(RecordedDocument& document, int linesPerPage = 0,
                                  int failOnLine = 0)
        : document_(document), linesPerPage_(linesPerPage), failOnLine_(failOnLine) {}

    void setFontName(const QString& name) override;
    void setFontSize(double points) override;
    void setPrintQuality(int dotsPerInch) override;
    void printLine(const PrintLine& line) override;
    void newPage() override;
    void endDocument() override;
    void abort() override;

  private:
    QStringList& page();

    RecordedDocument& document_;
    int linesPerPage_;
    int failOnLine_;
    int linesPrinted_ = 0;
    bool pageEnded_ = true;
};

} // namespace folio::reports
