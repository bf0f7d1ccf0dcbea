#include "reports/report_printer.h"
#include "data/books_state.h"
#include "data/company_values.h"
#include "data/file_error.h"
#include "data/text_rules.h"
#include "reports/balance_sheet_report.h"
#include "reports/equity_report.h"
#include "reports/income_statement_report.h"
#include "reports/qt_page_printer.h"
#include "reports/trial_balance_report.h"
#include "ui/dialogs.h"
#include "ui/failure_report.h"
#include <QPrinter>

namespace {

// Runs a handler so that nothing unforeseen escapes into the event loop.
template <typename Body> void guarded(Dialogs& dialogs, Body body) {
    try {
        body();
    } catch (const std::exception&) {
        dialogs.beep();
        dialogs.message(errorMessage(482), MessageIcon::Critical);
    }
}

} // namespace

QString tooManyToPrintMessage() {
    return QStringLiteral("Folio prints at most 50 accounts. Only the first 50 are printed.");
}

ReportPrinter::ReportPrinter(TabContext context)
    : ctx_(context), factory_([](QPrinter& printer, PrinterSettings& settings) {
          return std::make_unique<QtPagePrinter>(printer, settings);
      }) {}

ReportPrinter::~ReportPrinter() = default;

void ReportPrinter::cmdPrint_Click() {
    guarded(ctx_.dialogs, [this] { printTrialBalance(); });
}

void ReportPrinter::cmdIsPrint_Click() {
    guarded(ctx_.dialogs, [this] { printIncomeStatement(); });
}

void ReportPrinter::cmdCapitalPrint_Click() {
    guarded(ctx_.dialogs, [this] { printEquity(); });
}

void ReportPrinter::cmdPrintBs_Click() {
    guarded(ctx_.dialogs, [this] { printBalanceSheet(); });
}

void ReportPrinter::printTrialBalance() {
    AccountTable table;
    std::vector<PrintLine> lines;
    if (!readAccounts(table, [&] {
            lines = trialBalanceLayout(heading(), table, trialBalanceTotals(table));
        })) {
        return;
    }
    if (!printCopies(true, lines)) {
        ctx_.dialogs.message(QStringLiteral("There was a problem printing to your printer!"));
    }
}

void ReportPrinter::printIncomeStatement() {
    BooksState& books = ctx_.books;
    books.NetIncome = Money();
    books.YtdNetIncome = Money();
    const bool merchandising = books.BusinessType == QLatin1String("Mdse");
    Money ending;
    if (merchandising) {
        const std::optional<Money> amount = endingInventory();
        if (!amount) {
            return;
        }
        ending = *amount;
    }
    AccountTable table;
    IncomeFigures figures;
    std::vector<PrintLine> lines;
    if (!readAccounts(table, [&] {
            if (merchandising) {
                figures = merchandisingFigures(table, ending);
                lines = merchandisingLayout(heading(), table, figures);
            } else {
                figures = serviceFigures(table);
                lines = serviceLayout(heading(), table, figures);
            }
        })) {
        return;
    }
    const bool printed = printCopies(true, lines, [&] {
        books.NetIncome = figures.netIncome.current;
        books.YtdNetIncome = figures.netIncome.ytd;
    });
    if (printed) {
        books.CurrentRecord = 1;
    }
}

void ReportPrinter::printEquity() {
    BooksState& books = ctx_.books;
    books.BegCap = Money();
    books.YtdBegCap = Money();
    books.CapStock = Money();
    AccountTable table;
    EquityLines figures;
    std::vector<PrintLine> lines;
    if (!readAccounts(table, [&] {
            const Amounts sum = equityAccountsSum(table);
            books.BegCap = sum.current;
            books.YtdBegCap = sum.ytd;
            figures.capitalStock = {boxAmount("txtCapStock"), books.YtdCapStock};
            figures.retainedEarnings = {boxAmount("txtEndCap"), boxAmount("txtYtdEndCap")};
            figures.totalEquity = {books.BegCap + books.NetIncome + books.CapStock,
                                   books.YtdCapStock + figures.retainedEarnings.ytd};
            lines = equityLayout(heading(), figures);
        })) {
        return;
    }
    // This statement keeps whatever font the printer was left with.
    printCopies(false, lines);
}

void ReportPrinter::printBalanceSheet() {
    BooksState& books = ctx_.books;
    const std::optional<Money> ending = endingInventory();
    if (!ending) {
        return;
    }
    AccountTable table;
    BalanceSheetFigures figures;
    BalanceSheetEquity equity;
    std::vector<PrintLine> lines;
    if (!readAccounts(table, [&] {
            figures = balanceSheetFigures(table, *ending);
            equity.capitalStock = {boxAmount("txtCapStock"), boxAmount("txtytdCapStock")};
            equity.retainedEarnings = {boxAmount("txtCapital"), boxAmount("txtYtdEndCap")};
            equity.totalLiabilitiesAndEquity = {
                figures.liabilities.current + books.BegCap + boxAmount("txtNI") + books.CapStock,
                books.YtdBegCap + figures.liabilities.ytd + boxAmount("txtYtdNI") + books.CapStock};
            lines = balanceSheetLayout(heading(), table, figures, *ending, equity);
        })) {
        return;
    }
    if (printCopies(true, lines)) {
        books.CurrentRecord = 1;
    }
}

bool ReportPrinter::readAccounts(AccountTable& table, const std::function<void()>& compute) {
    BooksState& books = ctx_.books;
    const bool read = runWithRetry(ctx_.dialogs, [&] {
        books.files.closeAll();
        books.reopen();
        books.RecordCount = books.files.recordCount(books.FileNumber);
        books.CurrentRecord = 1;
        table = AccountTable::read(books.files, books.FileNumber, books.RecordCount);
        books.CurrentRecord = static_cast<int>(table.entries.size()) + 1;
        compute();
    });
    if (read && table.truncated) {
        ctx_.dialogs.message(tooManyToPrintMessage());
    }
    return read;
}

std::optional<Money> ReportPrinter::endingInventory() {
    const std::optional<Money> amount = endingInventoryAmount(ctx_.books.EndingInventory);
    if (!amount) {
        ctx_.dialogs.message(
            notANumberMessage(QStringLiteral("ending inventory"), *ctx_.books.EndingInventory));
    }
    return amount;
}

Money ReportPrinter::boxAmount(const char* objectName) const {
    return parseAmount(ctx_.window.boxText(QLatin1String(objectName))).value_or(Money());
}

ReportHeading ReportPrinter::heading() const {
    return {ctx_.books.CompanyName, ctx_.window.boxText(QStringLiteral("txtDateOfStatements"))};
}

bool ReportPrinter::printCopies(bool setsFont, const std::vector<PrintLine>& lines,
                                const std::function<void()>& afterCopy) {
    QPrinter& target = printer();
    const std::optional<int> copies = ctx_.dialogs.choosePrinter(target);
    if (!copies) {
        return false;
    }
    const std::unique_ptr<PagePrinter> page = factory_(target, settings_);
    try {
        for (int copy = 1; copy <= *copies; ++copy) {
            if (setsFont) {
                page->setFontName(QStringLiteral("Times New Roman"));
                page->setFontSize(10);
                page->setPrintQuality(300);
            }
            for (const PrintLine& line : lines) {
                page->printLine(line);
            }
            if (afterCopy) {
                afterCopy();
            }
            page->newPage();
        }
        page->endDocument();
        return true;
    } catch (const PrintError&) {
        page->abort();
        return false;
    }
}

QPrinter& ReportPrinter::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>();
    }
    return *printer_;
}
