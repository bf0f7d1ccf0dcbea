#pragma once
#include "reports/cash_flow_rows.h"
#include "reports/print_line.h"
#include "reports/report_heading.h"
#include <vector>

namespace folio::reports {

// The printed statement of cash flows: its lines, then the check that the net change
// equals the change in the cash accounts, ruled off like the trial balance's totals.
std::vector<PrintLine> cashFlowLayout(const ReportHeading& heading, const CashFlowFigures& f);

// The statement of cash flows as comma-separated values, as statementCsv writes the others.
QString cashFlowCsv(const ReportHeading& heading, const CashFlowFigures& f);

} // namespace folio::reports
