#pragma once
#include "data/account_table.h"
#include "data/money.h"
#include <vector>

// The capital figures of the stockholders' equity statement, taken from the accounts.
struct EquityFigures {
    // The balances of the last account, in file order, whose type code begins with "C3";
    // "C3C" begins with "C3" too, so a capital stock account after the retained earnings
    // account decides.
    Money begCap;
    Money ytdBegCap;
    // The sums of the balances of all accounts whose type code begins with "C3C".
    Money capStock;
    Money ytdCapStock;
    // True when the file holds more accounts than a statement lists; only the first
    // AccountTable::kGridRows records were looked at.
    bool tooMany = false;
};

// The equity figures of an account table. Throws MoneyOverflow when a sum does not fit.
EquityFigures computeEquity(const AccountTable& table);

// The retained earnings of one column: the beginning balance, the net income of the
// period and their sum.
struct RetainedEarnings {
    Money beginning;
    Money netIncome;
    Money ending;
};

// The net income of the current period and of the year to date.
struct NetIncomeColumns {
    Money current;
    Money ytd;
};

// Ending retained earnings = beginning retained earnings + net income; the capital stock
// takes no part. Throws MoneyOverflow when the sum does not fit.
RetainedEarnings retainedEarnings(Money beginning, Money netIncome);

// The records a statement looks at: all of them, or the first AccountTable::kGridRows
// when the file holds more accounts than that (records with an empty name do not count
// as accounts).
std::vector<AccountEntry> statementEntries(const AccountTable& table, bool* tooMany);
