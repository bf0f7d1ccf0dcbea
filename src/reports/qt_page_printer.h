#pragma once
#include "reports/page_printer.h"
#include <QFont>
#include <QPageSize>
#include <QPainter>
#include <optional>

class QFontMetricsF;
class QLocale;
class QPrinter;

namespace folio::reports {

// The paper reports are laid out on: the default printer's own paper when there is one,
// else the paper of the user's country: Letter in the United States (and where the
// locale says nothing, as this program keeps a US corporation's books), A4 elsewhere.
QPageSize defaultPaper(const QLocale& locale, const std::optional<QPageSize>& printerPaper);
// Puts a printer or PDF file on the default paper of this machine and its user.
void useDefaultPaper(QPrinter& printer);

// The page printer on a real printer (or a PDF file): QPainter on a QPrinter, columns in
// the font's average character width, every line kept half an inch inside the printer's
// printable area. It starts from the settings the printer kept from earlier printouts and
// remembers the ones a report makes. Painting begins with the first line, so the font and
// quality set before it apply to the whole document.
class QtPagePrinter : public PagePrinter {
  public:
    // The margin kept inside the printable area on every side, in inches.
    static constexpr double kMarginInches = 0.5;

    QtPagePrinter(QPrinter& printer, PrinterSettings& settings);
    ~QtPagePrinter() override;

    void setFontName(const QString& name) override;
    void setFontSize(double points) override;
    void setPrintQuality(int dotsPerInch) override;
    void startReport(const PageFrame& frame) override;
    void printLine(const PrintLine& line) override;
    void newPage() override;
    void endDocument() override;
    void abort() override;

  private:
    void begin();
    void applyFont();
    void startPageIfEnded();
    // Draws the rows of a line from the current position down; with `mayBreak` a row that
    // does not fit goes to a new page, which opens with the report's heading.
    void drawLine(const PrintLine& line, bool mayBreak);
    // The page number at the foot of the page, once per page.
    void finishPage();
    double margin() const;
    // The lowest point a line may reach: above the bottom margin and the page number.
    double bottom(const QFontMetricsF& metrics) const;

    QPrinter& printer_;
    PrinterSettings& settings_;
    QPainter painter_;
    std::optional<PageFrame> frame_;
    int pageNumber_ = 1;
    double top_ = 0;
    bool pageEnded_ = false;
    bool pageFinished_ = false;
};

} // namespace folio::reports
