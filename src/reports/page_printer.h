#pragma once
#include "reports/page_frame.h"
#include "reports/print_line.h"
#include <QString>
#include <stdexcept>

namespace folio::reports {

// Raised when the printer reports a failure while a document is being printed.
class PrintError : public std::runtime_error {
  public:
    PrintError() : std::runtime_error("printer error") {}
};

// The font and quality a printer keeps between printouts until a report sets them again.
// An empty name, a size or a quality of 0 means the printer's own default.
struct PrinterSettings {
    QString fontName;
    double fontSize = 0;
    int quality = 0;
};

// The page printer a report is laid out on: lines of Tab(n) moves and texts in columns of
// the font's average character width, page breaks and the end of the document. A line
// that does not fit on the page goes to the next one. Every failure throws PrintError.
class PagePrinter {
  public:
    virtual ~PagePrinter() = default;

    virtual void setFontName(const QString& name) = 0;
    virtual void setFontSize(double points) = 0;
    // The print quality in dots per inch.
    virtual void setPrintQuality(int dotsPerInch) = 0;

    // Frames the pages of the report that begins: its heading repeats on every page it
    // breaks onto and its pages are numbered from 1. Unframed pages carry neither.
    virtual void startReport(const PageFrame& frame) = 0;
    virtual void printLine(const PrintLine& line) = 0;
    // Ends the page; the next line starts a new one (no empty page at the end).
    virtual void newPage() = 0;
    // Sends the document.
    virtual void endDocument() = 0;
    // Drops a document that a failure interrupted, so nothing half-printed is sent.
    virtual void abort() = 0;
};

} // namespace folio::reports
