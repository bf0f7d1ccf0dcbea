#pragma once
#include "bank/reconciliation.h"
#include "reports/print_line.h"
#include <vector>

namespace folio::bank {

// What the reconciliation report shows: the account, the statement, the balances, and
// the lines cleared and still outstanding.
struct ReconciliationFigures {
    QString company;
    QString account;
    QDate statementDate;
    Money endingBalance;
    Money openingBalance;
    Money clearedBalance;
    Money difference;
    std::vector<AccountLine> lines;
};

// The lines of the report as the printer and the PDF export lay them out.
std::vector<reports::PrintLine> reconciliationReport(const ReconciliationFigures& figures);

} // namespace folio::bank
