#pragma once
#include "reports/amounts.h"
#include "reports/print_line.h"
#include <vector>

// The sum of the balances of every account whose code begins with "C3": retained earnings
// and capital stock alike.
Amounts equityAccountsSum(const AccountTable& table);

// What one copy of the statement of stockholders' equity shows.
struct EquityLines {
    Amounts capitalStock;     // the equity tab's current box and the kept year-to-date value
    Amounts retainedEarnings; // the equity tab's ending retained earnings
    Amounts totalEquity;
};

std::vector<PrintLine> equityLayout(const ReportHeading& heading, const EquityLines& figures);
