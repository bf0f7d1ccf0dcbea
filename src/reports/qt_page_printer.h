#pragma once
#include "reports/page_printer.h"
#include <QFont>
#include <QPainter>

class QPrinter;

namespace folio::reports {

// The page printer on a real printer (or a PDF file): QPainter on a QPrinter, columns in
// the font's average character width. It starts from the settings the printer kept from
// earlier printouts and remembers the ones a report makes. Painting begins with the first
// line, so the font and quality set before it apply to the whole document.
class QtPagePrinter : public PagePrinter {
  public:
    QtPagePrinter(QPrinter& printer, PrinterSettings& settings);
    ~QtPagePrinter() override;

    void setFontName(const QString& name) override;
    void setFontSize(double points) override;
    void setPrintQuality(int dotsPerInch) override;
    void printLine(const PrintLine& line) override;
    void newPage() override;
    void endDocument() override;
    void abort() override;

  private:
    void begin();
    void applyFont();
    void startPageIfEnded();

    QPrinter& printer_;
    PrinterSettings& settings_;
    QPainter painter_;
    double top_ = 0;
    bool pageEnded_ = false;
};

} // namespace folio::reports
