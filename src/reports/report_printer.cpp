#include "reports/report_printer.h"
#include "data/books.h"
#include "data/file_error.h"
#include "reports/cash_flow_report.h"
#include "reports/qt_page_printer.h"
#include "reports/qt_report_files.h"
#include "reports/report_layout.h"
#include "ui/dialogs.h"
#include "ui/failure_report.h"
#include <QPrinter>

namespace folio::reports {

ReportPrinter::ReportPrinter(ui::TabContext context)
    : ctx_(context), factory_([](QPrinter& target, PrinterSettings& settings) {
          return std::make_unique<QtPagePrinter>(target, settings);
      }) {}

ReportPrinter::~ReportPrinter() = default;

std::optional<statements::Statements> ReportPrinter::statementsFor(Report report) {
    std::optional<statements::Statements> s;
    if (!ui::runWithRetry(ctx_.dialogs, [&] {
            const int file = ctx_.books.reopen();
            s = statements::computeStatements(ctx_.books.files(), file, ctx_.company);
        })) {
        return std::nullopt;
    }
    if (report != Report::TrialBalance && s->missing != statements::Missing::Nothing) {
        ctx_.dialogs.message(missingMessage(report, s->missing));
        return std::nullopt;
    }
    return s;
}

ReportHeading ReportPrinter::heading() const {
    return {ctx_.company.name, ctx_.company.date, ctx_.company.reopened};
}

std::optional<std::vector<PrintLine>> ReportPrinter::layout(Report report) {
    if (comparing_) {
        const std::optional<Comparative> c = comparativeFor(report);
        if (!c) {
            return std::nullopt;
        }
        return comparativeLayout(heading(), *c);
    }
    if (report == Report::CashFlows) {
        const std::optional<CashFlowFigures> flows = cashFlowsFor();
        if (!flows) {
            return std::nullopt;
        }
        return cashFlowLayout(heading(), *flows);
    }
    const std::optional<statements::Statements> s = statementsFor(report);
    if (!s) {
        return std::nullopt;
    }
    return reportLayout(report, heading(), *s);
}

void ReportPrinter::print(Report report) {
    try {
        const std::optional<std::vector<PrintLine>> lines = layout(report);
        if (!lines) {
            return;
        }
        if (!preview(reportSetsFont(report), *lines)) {
            return; // the preview was closed: nothing printed, nothing went wrong
        }
        if (!printCopies(reportSetsFont(report), *lines) && report == Report::TrialBalance) {
            ctx_.dialogs.message(QStringLiteral("There was a problem printing to your printer!"));
        }
    } catch (const std::exception&) {
        // Nothing unforeseen escapes into the event loop.
        ctx_.dialogs.beep();
        ctx_.dialogs.message(errorMessage(482), ui::MessageIcon::Critical);
    }
}

bool ReportPrinter::preview(bool setsFont, const std::vector<PrintLine>& lines) {
    // The preview shows one copy as it will print, on settings of its own.
    return ctx_.dialogs.previewPrint(printer(), [&](QPrinter& shown) {
        PrinterSettings settings = settings_;
        const std::unique_ptr<PagePrinter> page = factory_(shown, settings);
        try {
            printCopiesOn(*page, lines, 1, setsFont);
            page->endDocument();
        } catch (const PrintError&) {
            page->abort();
        }
    });
}

bool ReportPrinter::printCopies(bool setsFont, const std::vector<PrintLine>& lines) {
    QPrinter& target = printer();
    const std::optional<int> copies = ctx_.dialogs.choosePrinter(target);
    if (!copies) {
        return false;
    }
    const std::unique_ptr<PagePrinter> page = factory_(target, settings_);
    try {
        printCopiesOn(*page, lines, *copies, setsFont);
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
        useDefaultPaper(*printer_);
    }
    return *printer_;
}

} // namespace folio::reports
