#pragma once
#include "reports/amounts.h"
#include "reports/print_line.h"
#include <vector>

// The figures of the printed income statement, current and year to date.
struct IncomeFigures {
    Amounts revenue;            // "C4" accounts, summed
    Amounts salesReturns;       // "D4" accounts, summed
    Amounts beginningInventory; // the last "D1I" account (merchandising)
    Amounts purchases;          // the last "D5" account (merchandising)
    Amounts purchaseReturns;    // "C5" accounts, summed (merchandising)
    Amounts expenses;           // "D6" accounts, summed
    Money endingInventory;      // the same amount in both columns (merchandising)

    Amounts netSales;
    Amounts costAvailable;   // cost of merchandise available
    Amounts costOfGoodsSold; // merchandising
    Amounts grossProfit;     // merchandising
    Amounts netIncome;
};

// A merchandising business: net sales less the cost of goods sold less the expenses.
IncomeFigures merchandisingFigures(const AccountTable& table, Money endingInventory);
// A service business: revenue less expenses; the sales returns only reduce net sales.
IncomeFigures serviceFigures(const AccountTable& table);

// The lines of one copy of each layout.
std::vector<PrintLine> merchandisingLayout(const ReportHeading& heading, const AccountTable& table,
                                           const IncomeFigures& figures);
std::vector<PrintLine> serviceLayout(const ReportHeading& heading, const AccountTable& table,
                                     const IncomeFigures& figures);
