#pragma once

namespace folio::ui {

// The pages of the main window's tab control, in their order.
enum class Tab {
    Setup,
    Posting,
    Blank,
    TrialBalance,
    IncomeStatement,
    Equity,
    BalanceSheet,
    CashFlows,
    Company,
};

inline constexpr int kTabCount = 9;

constexpr int indexOf(Tab tab) {
    return static_cast<int>(tab);
}
constexpr Tab tabAt(int index) {
    return static_cast<Tab>(index);
}

} // namespace folio::ui
