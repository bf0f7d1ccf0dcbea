#pragma once
#include "reports/amounts.h"
#include "reports/print_line.h"
#include <vector>

// The sums the printed balance sheet forms from the accounts file.
struct BalanceSheetFigures {
    Amounts assets;       // type code exactly "D1"
    Amounts inventory;    // the ending inventory in both columns once a "D1I" account is read
    Amounts depreciation; // codes beginning with "C1"
    Amounts liabilities;  // codes beginning with "C2"

    // Assets less accumulated depreciation plus the inventory at its ending value.
    Amounts totalAssets() const { return assets - depreciation + inventory; }
};

BalanceSheetFigures balanceSheetFigures(const AccountTable& table, Money endingInventory);

// The equity section's amounts, taken from the equity and balance sheet tabs and the kept
// equity values.
struct BalanceSheetEquity {
    Amounts capitalStock;     // txtCapStock, txtytdCapStock
    Amounts retainedEarnings; // txtCapital, txtYtdEndCap
    Amounts totalLiabilitiesAndEquity;
};

// The lines of one copy; the inventory line appears only when the ending inventory is
// not zero.
std::vector<PrintLine> balanceSheetLayout(const ReportHeading& heading, const AccountTable& table,
                                          const BalanceSheetFigures& figures, Money endingInventory,
                                          const BalanceSheetEquity& equity);
