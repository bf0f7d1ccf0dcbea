#pragma once
#include "cashflow/prior_period.h"
#include "journal/journal_store.h"
#include "reports/comparative.h"
#include "statements/cash_flow_statement.h"
#include <optional>

namespace folio::cashflow {

// A report of the books beside the prior period, or the words that say why it cannot be.
struct PriorColumn {
    std::optional<reports::Comparative> comparative;
    QString refusal;
};

// The report's rows now (the cash flows given for that report) beside those of the prior
// period's books, or of the other books `chosen` to compare with (empty: the period just
// before, found by `locate`). Throws FileError when the prior books or a journal cannot be
// read.
PriorColumn priorColumnOf(reports::Report report, const QString& booksPath,
                          journal::JournalStore* store, const statements::Statements& now,
                          const statements::CompanyInfo& company,
                          const std::optional<statements::CashFlowStatement>& flows,
                          const QString& chosen = {}, const BooksLocator& locate = {});

} // namespace folio::cashflow
