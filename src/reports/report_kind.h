#pragma once

namespace folio::reports {

// The printed statements.
enum class Report { TrialBalance, IncomeStatement, Equity, BalanceSheet, CashFlows };

} // namespace folio::reports
