#include "reports/report_printer.h"
#include "data/books.h"
#include "data/file_error.h"
#include "reports/balance_sheet_report.h"
#include "reports/equity_report.h"
#include "reports/income_statement_report.h"
#include "reports/qt_page_printer.h"
#include "reports/trial_balance_report.h"
#include "ui/dialogs.h"
#include "ui/failure_report.h"
#include <QPrinter>

namespace folio::reports {

using statements::Missing;

namespace {

// The words for an input the report still needs, as its tab says them.
QString missingMessage(Report report, Missing missing) {
    switch (report) {
    case Report::IncomeStatement:
        return missing == Missing::Business
                   ? QStringLiteral("You must complete company information section")
                   : QStringLiteral("You need to enter the amount of ending inventory");
    case Report::Equity:
        return statements::missingInputMessage(missing, QStringLiteral("income statement"));
    default:
        return statements::missingInputMessage(missing, QStringLiteral("stockholders' equity"));
    }
}

std::vector<PrintLine> linesOf(Report report, const ReportHeading& heading,
                               const statements::Statements& s) {
    switch (report) {
    case Report::TrialBalance:
        return trialBalanceLayout(heading, s);
    case Report::IncomeStatement:
        return s.income->business == statements::Business::Merchandising
                   ? merchandisingLayout(heading, s, *s.income)
                   : serviceLayout(heading, s, *s.income);
    case Report::Equity:
        return equityLayout(heading, *s.equity);
    case Report::BalanceSheet:
        return balanceSheetLayout(heading, s);
    }
    return {};
}

} // namespace

ReportPrinter::ReportPrinter(ui::TabContext context)
    : ctx_(context), factory_([](QPrinter& target, PrinterSettings& settings) {
          return std::make_unique<QtPagePrinter>(target, settings);
      }) {}

ReportPrinter::~ReportPrinter() = default;

std::optional<std::vector<PrintLine>> ReportPrinter::layout(Report report) {
    std::optional<statements::Statements> s;
    if (!ui::runWithRetry(ctx_.dialogs, [&] {
            s = statements::computeStatements(ctx_.books.read(), ctx_.company);
        })) {
        return std::nullopt;
    }
    if (report != Report::TrialBalance && s->missing != Missing::Nothing) {
        ctx_.dialogs.message(missingMessage(report, s->missing));
        return std::nullopt;
    }
    return linesOf(report, {ctx_.company.name, ctx_.company.date}, *s);
}

void ReportPrinter::print(Report report) {
    try {
        const std::optional<std::vector<PrintLine>> lines = layout(report);
        if (!lines) {
            return;
        }
        // The equity statement keeps whatever font the printer was left with.
        if (!printCopies(report != Report::Equity, *lines) && report == Report::TrialBalance) {
            ctx_.dialogs.message(QStringLiteral("There was a problem printing to your printer!"));
        }
    } catch (const std::exception&) {
        // Nothing unforeseen escapes into the event loop.
        ctx_.dialogs.beep();
        ctx_.dialogs.message(errorMessage(482), ui::MessageIcon::Critical);
    }
}

bool ReportPrinter::printCopies(bool setsFont, const std::vector<PrintLine>& lines) {
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

} // namespace folio::reports
