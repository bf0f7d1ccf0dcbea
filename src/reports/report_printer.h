#pragma once
#include "data/account_table.h"
#include "reports/amounts.h"
#include "reports/page_printer.h"
#include "ui/tab_page.h"
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QPrinter;

// The plain message shown when a file holds more accounts than a printout takes.
QString tooManyToPrintMessage();

// The four Print buttons: each statement computed again from the accounts file and laid
// out on the page printer, one page per copy, all copies in one document.
class ReportPrinter {
  public:
    // Makes the page printer a document is laid out on; by default the real printer.
    using PrinterFactory = std::function<std::unique_ptr<PagePrinter>(QPrinter&, PrinterSettings&)>;

    explicit ReportPrinter(TabContext context);
    ~ReportPrinter();
    ReportPrinter(const ReportPrinter&) = delete;
    ReportPrinter& operator=(const ReportPrinter&) = delete;

    void setPrinterFactory(PrinterFactory factory) { factory_ = std::move(factory); }
    // The font and quality the printer keeps from one printout to the next.
    const PrinterSettings& printerSettings() const { return settings_; }

    void cmdPrint_Click();
    void cmdIsPrint_Click();
    void cmdCapitalPrint_Click();
    void cmdPrintBs_Click();

  private:
    void printTrialBalance();
    void printIncomeStatement();
    void printEquity();
    void printBalanceSheet();

    // Closes every file, opens the accounts file again and reads its table, then runs
    // `compute` (the figures and the lines of one copy). A file failure is reported and
    // retried until the user gives up; an amount too large to add up is reported.
    bool readAccounts(AccountTable& table, const std::function<void()>& compute);
    // The ending inventory as an amount; reports a text that is not a number.
    std::optional<Money> endingInventory();
    // The amount a box of the window shows; an empty box counts as zero.
    Money boxAmount(const char* objectName) const;
    ReportHeading heading() const;
    // The print dialog, then every copy; false when the dialog was cancelled or the
    // printer failed (the document is then dropped).
    bool printCopies(bool setsFont, const std::vector<PrintLine>& lines,
                     const std::function<void()>& afterCopy = {});
    QPrinter& printer();

    TabContext ctx_;
    std::unique_ptr<QPrinter> printer_;
    PrinterSettings settings_;
    PrinterFactory factory_;
};
