#pragma once
#include "reports/cash_flow_rows.h"
#include "reports/comparative.h"
#include "reports/page_printer.h"
#include "reports/print_line.h"
#include "reports/report_heading.h"
#include "reports/report_kind.h"
#include "statements/statement_chain.h"
#include "ui/tab_context.h"
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QPrinter;

namespace folio::reports {

// Prints a statement: its figures computed again from the accounts file, laid out on the
// page printer, one page per copy, all copies in one document, after a print preview.
// Exports a statement the same way to a PDF or CSV file.
class ReportPrinter {
  public:
    // Makes the page printer a document is laid out on; by default the real printer.
    using PrinterFactory = std::function<std::unique_ptr<PagePrinter>(QPrinter&, PrinterSettings&)>;

    explicit ReportPrinter(ui::TabContext context);
    ~ReportPrinter();
    ReportPrinter(const ReportPrinter&) = delete;
    ReportPrinter& operator=(const ReportPrinter&) = delete;

    void setPrinterFactory(PrinterFactory factory) { factory_ = std::move(factory); }
    // Whether printouts and exports show the prior period beside the current one.
    void setComparing(bool on) { comparing_ = on; }
    bool comparing() const { return comparing_; }
    // Other closed books to compare with in place of the period just before (empty: that
    // period).
    void setPriorBooks(const QString& path) { priorBooks_ = path; }
    const QString& priorBooks() const { return priorBooks_; }
    // The font and quality the printer keeps from one printout to the next.
    const PrinterSettings& printerSettings() const { return settings_; }

    void print(Report report);
    // The lines of one copy of a report from the books as they are now; empty (after a
    // message) when an input is missing or the file cannot be read.
    std::optional<std::vector<PrintLine>> layout(Report report);

    // The export's file dialog, then the file (PDF or CSV by its extension); the name
    // written, or empty when cancelled or when it failed (after a message).
    std::optional<QString> exportReport(Report report);
    // Writes a report to a file, PDF or CSV by its extension; false after a message when
    // it cannot.
    bool exportTo(Report report, const QString& path);
    bool exportComparative(Report report, const QString& path);
    // Runs `write`; a refusal or a failure reaches the user as a message, and false.
    bool writeReported(Report report, const QString& path, const std::function<void()>& write);

  private:
    // The statements of the books as they are now, ready for the report; empty (after a
    // message) when an input is missing or the file cannot be read.
    std::optional<statements::Statements> statementsFor(Report report);
    // The statement of cash flows of the books as they are now, with the classes kept in
    // their journal (or the defaults); empty after a message when it cannot be made.
    std::optional<CashFlowFigures> cashFlowsFor();
    // The report beside the prior period; empty after a message when it cannot be made.
    std::optional<Comparative> comparativeFor(Report report);
    ReportHeading heading() const;
    // The print preview of one copy; true when the user goes on to print.
    bool preview(bool setsFont, const std::vector<PrintLine>& lines);
    // The print dialog, then every copy; false when the dialog was cancelled or the
    // printer failed (the document is then dropped).
    bool printCopies(bool setsFont, const std::vector<PrintLine>& lines);
    QPrinter& printer();

    ui::TabContext ctx_;
    std::unique_ptr<QPrinter> printer_;
    PrinterSettings settings_;
    PrinterFactory factory_;
    bool comparing_ = false;
    QString priorBooks_;
};

} // namespace folio::reports
