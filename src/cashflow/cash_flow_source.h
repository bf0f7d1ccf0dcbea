#pragma once
#include "journal/journal_store.h"
#include "journal/period_beginning.h"
#include "statements/cash_flow_statement.h"
#include <optional>

namespace folio::cashflow {

// The statement of cash flows of the books, or why there is none: an input missing, or
// no journal to say where the period begins.
struct CashFlows {
    statements::Missing missing = statements::Missing::Nothing;
    std::optional<journal::PeriodBeginning> beginning;
    std::optional<statements::CashFlowStatement> statement;
};

// The cash flows from the statements of the books now and their journal (none when the
// books have no journal). Throws FileError when the journal cannot be read and
// MoneyOverflow when a sum does not fit.
CashFlows cashFlowsOf(const statements::Statements& now, const statements::CompanyInfo& company,
                      journal::JournalStore* store, const statements::CashFlowClasses& classes);

// Where the period began, for the heading: "Period from the closing of ... on ..." or
// "Period from the opening of the journal on ...".
QString periodText(const journal::PeriodBeginning& beginning);

// Why there is no statement of cash flows without a journal.
QString noBeginningMessage();

} // namespace folio::cashflow
