#include "cashflow/prior_column.h"
#include "cashflow/earlier_periods.h"
#include "cashflow/prior_period.h"
#include "reports/statement_csv.h"

namespace folio::cashflow {

PriorColumn priorColumnOf(reports::Report report, const QString& booksPath,
                          journal::JournalStore* store, const statements::Statements& now,
                          const statements::CompanyInfo& company,
                          const std::optional<statements::CashFlowStatement>& flows,
                          const QString& chosen, const BooksLocator& locate) {
    PriorColumn column;
    std::optional<PriorPeriod> prior;
    if (!chosen.isEmpty()) {
        ChosenPrior other = chosenPriorPeriod(chosen, company, locate);
        column.refusal = other.refusal;
        prior = std::move(other.prior);
    } else {
        const auto beginning =
            store != nullptr && store->isOpen() ? journal::periodBeginningIn(*store) : std::nullopt;
        prior = beginning ? priorPeriodOf(*beginning, booksPath, company, locate) : std::nullopt;
        column.refusal = QStringLiteral("These books were never closed from other books, so "
                                        "they have no prior period to compare with.");
    }
    if (!prior) {
        return column;
    }
    column.refusal.clear();
    std::vector<reports::StatementRow> priorRows;
    if (report == reports::Report::CashFlows) {
        if (prior->cashFlows.statement) {
            priorRows = reports::cashFlowRows(*prior->cashFlows.statement);
        }
    } else if (report == reports::Report::TrialBalance ||
               prior->statements.missing == statements::Missing::Nothing) {
        priorRows = reports::statementRows(report, prior->statements);
    }
    const std::vector<reports::StatementRow> nowRows = report == reports::Report::CashFlows && flows
                                                           ? reports::cashFlowRows(*flows)
                                                           : reports::statementRows(report, now);
    column.comparative =
        reports::Comparative{reports::statementTitle(report), priorSourceText(*prior),
                             reports::compareRows(nowRows, priorRows)};
    return column;
}

} // namespace folio::cashflow
