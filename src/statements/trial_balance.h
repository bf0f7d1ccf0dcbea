#pragma once
#include "data/account_table.h"
#include "data/money.h"
#include <vector>

// What the trial balance shows: the accounts it lists, in file order, and the current and
// year-to-date totals of the debit-side and the credit-side accounts.
struct TrialBalanceFigures {
    std::vector<AccountEntry> listed;
    Money currentDebits;
    Money currentCredits;
    Money ytdDebits;
    Money ytdCredits;
    // True when the file holds more accounts than the grid lists; only the first
    // AccountTable::kGridRows are listed and totalled.
    bool tooMany = false;
};

// The trial balance of an account table. Reading ends at the first account with an empty
// name; each listed account adds its balances, with their signs, to the totals of the side
// its type code begins with ("D" or "C"); any other code adds to no total. Throws
// MoneyOverflow when a total does not fit.
TrialBalanceFigures computeTrialBalance(const AccountTable& table);
