#pragma once
#include "data/account_table.h"
#include "data/money.h"
#include <vector>

// The figures of the balance sheet for the current period.
struct BalanceSheetFigures {
    // The accounts the grid lists, in file order.
    std::vector<AccountEntry> listed;
    // The "D1" accounts (merchandise inventory included) less the "C1" accumulated
    // depreciation, with the last "D1I" account's balance replaced by the ending inventory.
    Money assets;
    // The sum of the "C2" accounts.
    Money liabilities;
    // The current balance of the last "C3C" account (not a sum).
    Money capitalStock;
    // Whether a "D1I" account was read, so the ending inventory entered the assets.
    bool hasInventory = false;
    // True when the file holds more accounts than the grid lists; only the first
    // AccountTable::kGridRows records were looked at.
    bool tooMany = false;
};

// Whether any record a statement looks at is a merchandise inventory ("D1I") account, so
// the ending inventory amount is needed.
bool needsEndingInventory(const AccountTable& table);

// The balance sheet of an account table with the ending inventory amount. Only current
// balances enter the figures. Throws MoneyOverflow when a sum does not fit.
BalanceSheetFigures computeBalanceSheet(const AccountTable& table, Money endingInventory);
