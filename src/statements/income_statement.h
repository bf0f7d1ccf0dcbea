#pragma once
#include "data/account_table.h"
#include "data/money.h"
#include <vector>

// The figures of one column of the income statement (current period or year to date).
// A service business has no sales returns, inventory or purchases: its net sales are its
// revenue and its cost of goods sold is zero.
struct IncomeFigures {
    Money revenue;            // accounts whose code begins with "C4"
    Money salesReturns;       // "D4" (merchandising)
    Money beginningInventory; // the last "D1I" account in file order (merchandising)
    Money purchases;          // the last "D5" account in file order (merchandising)
    Money purchaseReturns;    // "C5" (merchandising)
    Money expenses;           // "D6"
    Money netSales;           // revenue - sales returns
    Money costAvailable;      // beginning inventory + purchases - purchase returns
    Money costOfGoodsSold;    // cost available - ending inventory
    Money grossProfit;        // net sales - cost of goods sold
    Money netIncome;          // gross profit - expenses
};

// What the income statement shows: the accounts it lists and both columns of figures.
struct IncomeStatementFigures {
    // The named accounts of the file in file order, at most AccountTable::kGridRows.
    std::vector<AccountEntry> listed;
    IncomeFigures current;
    IncomeFigures ytd;
    // True when the file holds more accounts than the grid lists; the statement then
    // covers the records up to the last account listed.
    bool tooMany = false;
};

// The income statement of a merchandising business, with the ending inventory amount
// serving both columns. Throws MoneyOverflow when a figure does not fit.
IncomeStatementFigures computeMerchandisingIncome(const AccountTable& table, Money endingInventory);

// The income statement of a service business: revenue less expenses. Throws
// MoneyOverflow when a figure does not fit.
IncomeStatementFigures computeServiceIncome(const AccountTable& table);
