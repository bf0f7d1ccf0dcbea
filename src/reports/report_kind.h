#pragma once

namespace folio::reports {

// The printed statements.
enum class Report { TrialBalance, IncomeStatement, Equity, BalanceSheet };

} // namespace folio::reports
