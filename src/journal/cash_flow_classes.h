#pragma once
#include "journal/journal_store.h"
#include "statements/cash_flow_class.h"
#include <optional>

namespace folio::journal {

// The cash-flow class of each account, kept with the books in their journal beside the
// company values; nothing when they were never checked (the statement asks first).
std::optional<statements::CashFlowClasses> cashFlowClassesIn(JournalStore& store);
void keepCashFlowClasses(JournalStore& store, const statements::CashFlowClasses& classes);
// Carries the classes kept with the books, if any, to the journal of their closed copy.
void carryCashFlowClasses(JournalStore& books, const QString& closedPath);

} // namespace folio::journal
