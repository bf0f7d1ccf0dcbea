#include "cashflow/cash_flow_source.h"
#include "cashflow/prior_column.h"
#include "data/books.h"
#include "journal/books_journal.h"
#include "journal/cash_flow_classes.h"
#include "reports/report_layout.h"
#include "reports/report_printer.h"
#include "ui/dialogs.h"
#include "ui/failure_report.h"

namespace folio::reports {

std::optional<CashFlowFigures> ReportPrinter::cashFlowsFor() {
    const std::optional<statements::Statements> s = statementsFor(Report::CashFlows);
    if (!s) {
        return std::nullopt;
    }
    journal::JournalStore* store =
        ctx_.session.hasJournal() ? &ctx_.session.journalStore() : nullptr;
    cashflow::CashFlows flows;
    if (!ui::runWithRetry(ctx_.dialogs, [&] {
            const auto classes =
                store != nullptr ? journal::cashFlowClassesIn(*store) : std::nullopt;
            flows = cashflow::cashFlowsOf(*s, ctx_.company, store,
                                          classes.value_or(statements::CashFlowClasses{}));
        })) {
        return std::nullopt;
    }
    if (!flows.statement) {
        ctx_.dialogs.message(cashflow::noBeginningMessage());
        return std::nullopt;
    }
    return CashFlowFigures{*flows.statement, cashflow::periodText(*flows.beginning)};
}

std::optional<Comparative> ReportPrinter::comparativeFor(Report report) {
    std::optional<statements::Statements> s = statementsFor(report);
    std::optional<CashFlowFigures> flows;
    if (!s || (report == Report::CashFlows && !(flows = cashFlowsFor()))) {
        return std::nullopt;
    }
    journal::JournalStore* store =
        ctx_.session.hasJournal() ? &ctx_.session.journalStore() : nullptr;
    cashflow::PriorColumn column;
    if (!ui::runWithRetry(ctx_.dialogs, [&] {
            column = cashflow::priorColumnOf(report, ctx_.books.path(), store, *s, ctx_.company,
                                             flows ? std::optional(flows->statement) : std::nullopt,
                                             priorBooks_, ctx_.session.booksLocator());
        })) {
        return std::nullopt;
    }
    if (!column.comparative) {
        ctx_.dialogs.message(column.refusal);
    }
    return column.comparative;
}

} // namespace folio::reports
