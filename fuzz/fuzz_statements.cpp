// Computes every statement from an arbitrary accounts file: each either gives its figures
// or reports an amount too large (MoneyOverflow); nothing else escapes.
#include "fuzz_support.h"
#include "statements/balance_sheet.h"
#include "statements/equity.h"
#include "statements/income_statement.h"
#include "statements/trial_balance.h"

namespace {
template <typename Step> void tolerateOverflow(Step step) {
    try {
        step();
    } catch (const MoneyOverflow&) {
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Money inventory = fuzz::takeMoney(data, size);
    const AccountTable table = fuzz::table(data, size);
    tolerateOverflow([&] {
        const TrialBalanceFigures trial = computeTrialBalance(table);
        fuzz::require(trial.listed.size() <= static_cast<std::size_t>(AccountTable::kGridRows));
    });
    tolerateOverflow([&] {
        const IncomeStatementFigures service = computeServiceIncome(table);
        fuzz::require(service.current.costOfGoodsSold.isZero());
        fuzz::require(service.listed.size() <= static_cast<std::size_t>(AccountTable::kGridRows));
    });
    tolerateOverflow([&] { computeMerchandisingIncome(table, inventory); });
    tolerateOverflow([&] {
        const EquityFigures equity = computeEquity(table);
        retainedEarnings(equity.begCap, inventory);
        retainedEarnings(equity.ytdBegCap, equity.capStock);
    });
    tolerateOverflow([&] {
        needsEndingInventory(table);
        const BalanceSheetFigures sheet = computeBalanceSheet(table, inventory);
        fuzz::require(sheet.listed.size() <= static_cast<std::size_t>(AccountTable::kGridRows));
    });
    return 0;
}
