#pragma once
#include "reports/amounts.h"
#include "reports/print_line.h"
#include <vector>

// The four column totals of the printed trial balance: every entry counts by the first
// letter of its type code, whatever its name.
struct TrialBalanceTotals {
    Amounts debits;
    Amounts credits;
};

TrialBalanceTotals trialBalanceTotals(const AccountTable& table);

// The lines of one copy of the trial balance.
std::vector<PrintLine> trialBalanceLayout(const ReportHeading& heading, const AccountTable& table,
                                          const TrialBalanceTotals& totals);
